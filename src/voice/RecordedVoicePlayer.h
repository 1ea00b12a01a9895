#pragma once
// Recorded voice: the five players a replayed room speaks through, each with a queue of 50 blocks, built for
// the recording's codec. A speaker keeps its player; a new one takes a free player, else the first.

#include "session/RecordedVoice.h"
#include "voice/ACMPlayer.h"
#include "voice/CodecRegistry.h"
#include "voice/PlayerPool.h"

#include <memory>
#include <mutex>

namespace orv {

class TRecordedVoicePlayer final : public IRecordedVoice {
public:
    static constexpr int kPlayers = 5;
    static constexpr std::uint8_t kQueueLength = 50;

    TRecordedVoicePlayer(TPlaybackDevice output, const CodecRegistry& codecs);

    void Begin(std::int32_t codecIndex) override;
    void PlayFrame(std::uint16_t speaker, QByteArrayView frame) override;
    void End() override;

    std::size_t Players() const;
    // The output device for the next Begin; empty: the system default.
    void SetDevice(const QByteArray& device);

private:
    TPlaybackDevice m_output;
    const CodecRegistry& m_codecs;
    mutable std::mutex m_mutex;
    std::unique_ptr<TPlayerPool> m_pool;
};

} // namespace orv
