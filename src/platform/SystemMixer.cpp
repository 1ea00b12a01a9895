#include "platform/SystemMixer.h"

#include "platform/AlsaControls.h"

namespace orv {

std::optional<std::uint16_t> SystemMixer::Volume(TAudioDirection direction, const QByteArray& device) {
    return m_pulse.Volume(direction, device);
}

bool SystemMixer::SetVolume(TAudioDirection direction, const QByteArray& device, std::uint16_t level) {
    return m_pulse.SetVolume(direction, device, level);
}

std::optional<std::vector<TMixerControl>> SystemMixer::InputControls(const QByteArray& device) {
    const std::optional<int> card = m_pulse.AlsaCard(TAudioDirection::Input, device);
    if (!card)
        return std::nullopt;
    return AlsaControls::List(*card);
}

bool SystemMixer::SetInputControl(const QByteArray& device, const TMixerControl& control) {
    const std::optional<int> card = m_pulse.AlsaCard(TAudioDirection::Input, device);
    return card && AlsaControls::Set(*card, control);
}

} // namespace orv
