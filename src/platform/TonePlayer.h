#pragma once
// Beeps: a short generated tone through the default audio output, without waiting for it. Silent where
// there is no output device.

#include "platform/AudioDevices.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace orv {

class ITonePlayer {
public:
    virtual ~ITonePlayer() = default;
    virtual void Beep(int frequencyHz, int durationMs) = 0;
};

// Signed 16-bit mono samples of a sine tone at `sampleRate`, faded in and out over a few milliseconds so that
// it starts and ends without a click. Frequencies from half the sample rate up give silence.
std::vector<std::int16_t> ToneSamples(int frequencyHz, int durationMs, int sampleRate);

// Plays on the sound system's default output, opened at the first beep and kept for the next ones.
class TAudioTonePlayer final : public ITonePlayer {
public:
    static constexpr int kSampleRate = 48000;

    explicit TAudioTonePlayer(IAudioSystem& audio) : m_audio(audio) {}
    void Beep(int frequencyHz, int durationMs) override;

private:
    IAudioSystem& m_audio;
    std::unique_ptr<IAudioPlayback> m_output;
};

} // namespace orv
