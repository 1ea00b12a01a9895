#pragma once
// Beeps: a short tone through the default output device, without waiting for it to end. Silent where
// there is no output device.

#include "platform/AudioDevices.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace orv {

class ToneBeeper {
public:
    static constexpr int kSampleRate = 48000;

    explicit ToneBeeper(IAudioSystem& audio) : m_audio(audio) {}

    void Beep(int frequencyHz, int durationMs);

    // A sine tone with short fades at both ends, so it starts and stops without a click; silence for a
    // frequency the rate cannot carry.
    static std::vector<std::int16_t> Tone(int frequencyHz, int durationMs, int sampleRate);

private:
    IAudioSystem& m_audio;
    std::unique_ptr<IAudioPlayback> m_output;
};

} // namespace orv
