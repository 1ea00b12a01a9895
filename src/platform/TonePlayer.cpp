#include "platform/TonePlayer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv {
namespace {

constexpr int kFadeMs = 5;
constexpr double kAmplitude = 0.3 * 32767;

} // namespace

std::vector<std::int16_t> ToneSamples(int frequencyHz, int durationMs, int sampleRate) {
    const auto count = std::size_t(std::max(0, durationMs) * std::int64_t(sampleRate) / 1000);
    std::vector<std::int16_t> samples(count, 0);
    if (frequencyHz <= 0 || 2 * frequencyHz >= sampleRate)
        return samples;
    const std::size_t fade = std::min(std::size_t(kFadeMs * sampleRate / 1000), count / 2);
    const double step = 2 * std::numbers::pi * frequencyHz / sampleRate;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t edge = std::min(i, count - 1 - i);
        const double gain = edge < fade ? double(edge) / double(fade) : 1.0;
        samples[i] = std::int16_t(std::lround(kAmplitude * gain * std::sin(step * double(i))));
    }
    return samples;
}

void TAudioTonePlayer::Beep(int frequencyHz, int durationMs) {
    if (!m_output) {
        TAudioOpenError error = TAudioOpenError::None;
        m_output = m_audio.OpenPlayback({}, kSampleRate, error);
        if (!m_output)
            return;
    }
    m_output->Play(ToneSamples(frequencyHz, durationMs, kSampleRate));
}

} // namespace orv
