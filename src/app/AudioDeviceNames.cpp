#include "app/AudioDeviceNames.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>

namespace orv {

QStringList AudioOutputNames() {
    QStringList names{QCoreApplication::translate("orv::AudioDevices", "Default Playback Device")};
    for (const QAudioDevice& device : QMediaDevices::audioOutputs())
        names << device.description();
    return names;
}

QStringList AudioInputNames() {
    QStringList names{QCoreApplication::translate("orv::AudioDevices", "Default Recording Device")};
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        names << device.description();
    return names;
}

} // namespace orv
