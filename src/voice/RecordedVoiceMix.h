#pragma once
// Recorded voice as one sound track for an export: every frame is decoded at the replay's time with its
// speaker's own decoder, after what that speaker said before, and mixed with the other speakers.

#include "platform/Clock.h"
#include "session/RecordedVoiceTrack.h"
#include "voice/CodecRegistry.h"

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace orv {

class TRecordedVoiceMix final : public IRecordedVoiceTrack {
public:
    // `clock`: the replay's time, in milliseconds.
    explicit TRecordedVoiceMix(IClock& clock, const CodecRegistry& codecs = CodecRegistry::Installed());

    void Begin(std::int32_t codecIndex) override;
    void PlayFrame(std::uint16_t speaker, QByteArrayView frame) override;
    void End() override;

    int SampleRate() const override;
    std::vector<std::int16_t> TakeUntil(std::int64_t untilMs) override;
    std::int64_t EndMs() const override;

private:
    struct Speaker {
        std::unique_ptr<IBlockDecoder> decoder;
        std::int64_t endSample = 0; // where its next frame may start
    };

    IClock& m_clock;
    const CodecRegistry& m_codecs;
    mutable std::mutex m_mutex;
    std::optional<CodecFormat> m_format;
    int m_rate = 8000;
    std::uint32_t m_startTick = 0;
    std::map<std::uint16_t, Speaker> m_speakers;
    std::deque<std::int32_t> m_mix; // from m_taken on
    std::int64_t m_taken = 0;
    std::int64_t m_endSample = 0;
};

} // namespace orv
