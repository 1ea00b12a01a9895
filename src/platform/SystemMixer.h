#pragma once
// The mixer of a Linux desktop: device volumes through PulseAudio, and the controls of the ALSA card that
// PulseAudio names behind an input device.

#include "platform/AudioMixer.h"
#include "platform/PulseVolumes.h"

namespace orv {

class SystemMixer final : public IAudioMixer {
public:
    std::optional<std::uint16_t> Volume(TAudioDirection direction, const QByteArray& device) override;
    bool SetVolume(TAudioDirection direction, const QByteArray& device, std::uint16_t level) override;
    std::optional<std::vector<TMixerControl>> InputControls(const QByteArray& device) override;
    bool SetInputControl(const QByteArray& device, const TMixerControl& control) override;

private:
    PulseVolumes m_pulse;
};

} // namespace orv
