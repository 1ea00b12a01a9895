#pragma once
// The sound system's mixer: device volumes and the controls of the sound card behind an input, behind an
// interface so that the mixer operations are tested on a fake. Volumes run 0..65535, silent to full.

#include "platform/AudioDevices.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace orv {

// One control of a sound card, as the card's mixer lists it.
struct TMixerControl {
    QString name;
    int index = 0;         // the card's number for controls of the same name
    bool isSwitch = false; // on (1) or off (0) rather than a range
    long minimum = 0;
    long maximum = 1;
    std::vector<long> channels; // the value of each channel
};

class IAudioMixer {
public:
    virtual ~IAudioMixer() = default;
    // The device's volume (an empty id is the default device); nothing when the mixer or the device cannot
    // be reached.
    virtual std::optional<std::uint16_t> Volume(TAudioDirection direction, const QByteArray& device) = 0;
    virtual bool SetVolume(TAudioDirection direction, const QByteArray& device, std::uint16_t level) = 0;
    // The controls of the sound card behind an input device, in the card's order; nothing when the device
    // has no card or the card's mixer cannot be opened.
    virtual std::optional<std::vector<TMixerControl>> InputControls(const QByteArray& device) = 0;
    // Writes `control`'s channel values to the control of that name and index.
    virtual bool SetInputControl(const QByteArray& device, const TMixerControl& control) = 0;
};

} // namespace orv
