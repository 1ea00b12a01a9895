#include "voice/RecordedVoiceMix.h"

#include "voice/CodecCatalogue.h"

#include <algorithm>
#include <limits>
#include <span>

namespace orv {

TRecordedVoiceMix::TRecordedVoiceMix(IClock& clock, const CodecRegistry& codecs)
    : m_clock(clock), m_codecs(codecs) {}

void TRecordedVoiceMix::Begin(std::int32_t codecIndex) {
    std::lock_guard lock(m_mutex);
    m_format = codecIndex >= 0 && codecIndex <= 0xFF ? MakeCodecFormat(std::uint8_t(codecIndex), m_codecs)
                                                     : std::nullopt;
    m_rate = m_format && m_format->samplesPerSec > 0 ? int(m_format->samplesPerSec) : 8000;
    m_startTick = m_clock.tickCount();
    m_speakers.clear();
    m_mix.clear();
    m_taken = m_endSample = 0;
}

void TRecordedVoiceMix::PlayFrame(std::uint16_t speaker, QByteArrayView frame) {
    std::lock_guard lock(m_mutex);
    if (!m_format || frame.isEmpty())
        return;
    Speaker& s = m_speakers[speaker];
    if (!s.decoder)
        s.decoder = m_codecs.NewDecoder(*m_format);
    if (!s.decoder)
        return; // the codec is missing: nothing to hear
    const auto blockSize = std::size_t(s.decoder->BlockSize());
    const auto samples = std::size_t(s.decoder->SamplesPerBlock());
    if (blockSize == 0 || samples == 0)
        return;
    const std::int64_t now = std::int64_t(ticksBetween(m_startTick, m_clock.tickCount())) * m_rate / 1000;
    std::int64_t at = std::max({now, s.endSample, m_taken});
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(frame.data());
    std::vector<std::int16_t> pcm(samples);
    // A cut-off last block is not played, as a player would not play it.
    for (std::size_t offset = 0; offset + blockSize <= std::size_t(frame.size()); offset += blockSize) {
        s.decoder->Decode(std::span(bytes + offset, blockSize), pcm);
        const std::size_t first = std::size_t(at - m_taken);
        if (m_mix.size() < first + samples)
            m_mix.resize(first + samples, 0);
        for (std::size_t i = 0; i < samples; ++i)
            m_mix[first + i] += pcm[i];
        at += std::int64_t(samples);
    }
    s.endSample = at;
    m_endSample = std::max(m_endSample, at);
}

void TRecordedVoiceMix::End() {
    std::lock_guard lock(m_mutex);
    m_speakers.clear();
}

int TRecordedVoiceMix::SampleRate() const {
    std::lock_guard lock(m_mutex);
    return m_rate;
}

std::vector<std::int16_t> TRecordedVoiceMix::TakeUntil(std::int64_t untilMs) {
    std::lock_guard lock(m_mutex);
    const std::int64_t until = untilMs * m_rate / 1000;
    if (until <= m_taken)
        return {};
    std::vector<std::int16_t> out(std::size_t(until - m_taken), 0);
    const std::size_t mixed = std::min(out.size(), m_mix.size());
    for (std::size_t i = 0; i < mixed; ++i)
        out[i] = std::int16_t(std::clamp<std::int32_t>(m_mix[i], std::numeric_limits<std::int16_t>::min(),
                                                       std::numeric_limits<std::int16_t>::max()));
    m_mix.erase(m_mix.begin(), m_mix.begin() + std::ptrdiff_t(mixed));
    m_taken = until;
    return out;
}

std::int64_t TRecordedVoiceMix::EndMs() const {
    std::lock_guard lock(m_mutex);
    return (m_endSample * 1000 + m_rate - 1) / m_rate;
}

} // namespace orv
