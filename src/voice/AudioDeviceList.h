#pragma once
// The device lists the settings and the audio wizard offer: line 0 is the system's default device, then
// one line per device the sound system can describe. Each line keeps the device it names, so a device
// left out of the list cannot shift a later line onto the wrong device.

#include "platform/AudioDevices.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

namespace orv {

struct AudioDeviceList {
    QStringList lines;
    std::vector<QByteArray> devices; // one per line; line 0's is empty, the default device

    // The device a stored line number names; the default device for a line that is not there.
    QByteArray DeviceAt(int line) const;
};

AudioDeviceList ListInputDevices(IAudioSystem& audio);
AudioDeviceList ListOutputDevices(IAudioSystem& audio);

} // namespace orv
