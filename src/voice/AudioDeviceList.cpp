#include "voice/AudioDeviceList.h"

#include <QCoreApplication>

namespace orv {
namespace {

AudioDeviceList List(IAudioSystem& audio, TAudioDirection direction, const QString& defaultLine) {
    AudioDeviceList list;
    list.lines << defaultLine;
    list.devices.emplace_back();
    for (const TAudioDeviceInfo& device : audio.Devices(direction)) {
        if (!device.usable)
            continue;
        list.lines << device.description;
        list.devices.push_back(device.id);
    }
    return list;
}

} // namespace

QByteArray AudioDeviceList::DeviceAt(int line) const {
    return line > 0 && std::size_t(line) < devices.size() ? devices[std::size_t(line)] : QByteArray();
}

AudioDeviceList ListInputDevices(IAudioSystem& audio) {
    return List(audio, TAudioDirection::Input,
                QCoreApplication::translate("orv::AudioDevices", "Default Recording Device"));
}

AudioDeviceList ListOutputDevices(IAudioSystem& audio) {
    return List(audio, TAudioDirection::Output,
                QCoreApplication::translate("orv::AudioDevices", "Default Playback Device"));
}

} // namespace orv
