#pragma once
// The six mixer operations of the audio pane, the remote audio control and the audio wizard: speaker
// volume, microphone volume and microphone boost, each read and written. Levels run 0..65535; a boost is
// 1 (on) or 0 (off). Each returns false when the mixer, the device or the control cannot be reached, and
// then reads or changes nothing, so that callers disable the matching control.

#include "platform/AudioMixer.h"

#include <QByteArray>

#include <cstdint>

namespace orv {

bool GetSpeakerVolume(IAudioMixer& mixer, const QByteArray& device, std::uint16_t& level);
bool SetSpeakerVolume(IAudioMixer& mixer, const QByteArray& device, std::uint16_t level);
bool GetMicrophoneVolume(IAudioMixer& mixer, const QByteArray& device, std::uint16_t& level);
bool SetMicrophoneVolume(IAudioMixer& mixer, const QByteArray& device, std::uint16_t level);
// The boost is the first control of the input's sound card whose name contains "boost" in any letter
// case; a card without one has no boost.
bool GetMicrophoneBoost(IAudioMixer& mixer, const QByteArray& device, std::int32_t& value);
bool SetMicrophoneBoost(IAudioMixer& mixer, const QByteArray& device, std::int32_t value);

} // namespace orv
