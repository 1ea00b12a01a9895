#include "voice/MixerOperations.h"

#include <algorithm>
#include <optional>

namespace orv {
namespace {

bool GetVolume(IAudioMixer& mixer, TAudioDirection direction, const QByteArray& device,
               std::uint16_t& level) {
    const std::optional<std::uint16_t> read = mixer.Volume(direction, device);
    if (read)
        level = *read;
    return read.has_value();
}

std::optional<TMixerControl> BoostControl(IAudioMixer& mixer, const QByteArray& device) {
    const auto controls = mixer.InputControls(device);
    if (!controls)
        return std::nullopt;
    const auto it = std::find_if(controls->begin(), controls->end(), [](const TMixerControl& c) {
        return c.name.toLower().contains(QLatin1String("boost")) && !c.channels.empty();
    });
    return it == controls->end() ? std::nullopt : std::optional(*it);
}

} // namespace

bool GetSpeakerVolume(IAudioMixer& mixer, const QByteArray& device, std::uint16_t& level) {
    return GetVolume(mixer, TAudioDirection::Output, device, level);
}

bool SetSpeakerVolume(IAudioMixer& mixer, const QByteArray& device, std::uint16_t level) {
    return mixer.SetVolume(TAudioDirection::Output, device, level);
}

bool GetMicrophoneVolume(IAudioMixer& mixer, const QByteArray& device, std::uint16_t& level) {
    return GetVolume(mixer, TAudioDirection::Input, device, level);
}

bool SetMicrophoneVolume(IAudioMixer& mixer, const QByteArray& device, std::uint16_t level) {
    return mixer.SetVolume(TAudioDirection::Input, device, level);
}

bool GetMicrophoneBoost(IAudioMixer& mixer, const QByteArray& device, std::int32_t& value) {
    const std::optional<TMixerControl> boost = BoostControl(mixer, device);
    if (!boost)
        return false;
    value = boost->channels.front() > boost->minimum ? 1 : 0;
    return true;
}

bool SetMicrophoneBoost(IAudioMixer& mixer, const QByteArray& device, std::int32_t value) {
    std::optional<TMixerControl> boost = BoostControl(mixer, device);
    if (!boost)
        return false;
    // Every channel alike. On leaves a channel already boosted as it is and raises the others one step.
    for (long& channel : boost->channels)
        channel =
            value != 0 ? std::max(channel, std::min(boost->minimum + 1, boost->maximum)) : boost->minimum;
    return mixer.SetInputControl(device, *boost);
}

} // namespace orv
