#include "app/AudioDeviceNames.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace orv {

QStringList AudioOutputNames() {
    QStringList names{"Default Playback Device"};
    for (const QAudioDevice& device : QMediaDevices::audioOutputs())
        names << device.description();
    return names;
}

QStringList AudioInputNames() {
    QStringList names{"Default Recording Device"};
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        names << device.description();
    return names;
}

} // namespace orv
