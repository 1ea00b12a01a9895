#pragma once
// Volumes of PulseAudio's sinks and sources through libpulse, each call on a connection of its own that
// never starts a sound server. Levels 0..65535 map onto silence..100 %; louder than 100 % reads 65535.

#include "platform/AudioDevices.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace orv {

class PulseVolumes {
public:
    explicit PulseVolumes(int timeoutMs = 2000) : m_timeoutMs(timeoutMs) {}

    // An empty device is the server's default sink or source.
    std::optional<std::uint16_t> Volume(TAudioDirection direction, const QByteArray& device) const;
    bool SetVolume(TAudioDirection direction, const QByteArray& device, std::uint16_t level) const;
    // The ALSA card number behind a device, when it has one.
    std::optional<int> AlsaCard(TAudioDirection direction, const QByteArray& device) const;

    static std::uint32_t ToPulse(std::uint16_t level);
    static std::uint16_t FromPulse(std::uint32_t volume);

private:
    int m_timeoutMs;
};

} // namespace orv
