#pragma once
// The room's voice settings a moderator changes for everybody: the codec (cmSetAudioCodec) and the talker
// count (cmSetMicrophoneCount). The local values change only when the server's notice comes back; a new
// codec re-establishes voice after a short pause, a new talker count changes the number of players at once,
// since the server grants the further microphones at once too.

#include "platform/Timer.h"
#include "protocol/PacketHeader.h"
#include "protocol/PayloadReader.h"

#include <functional>
#include <memory>

namespace orv {

struct TSessionContext;

class TRoomVoiceSettings {
public:
    static constexpr std::uint32_t kReconnectPauseMs = 2000;

    TRoomVoiceSettings(TSessionContext& context, ITimerFactory& timers, std::function<void()> reconnectAudio,
                       std::function<void(int)> talkersChanged = {});

    void SendRoomCodec(std::int32_t codec);
    // Clamped to 1..5.
    void SendTalkerCount(std::int32_t count);

    void OnRoomCodec(const TPacketHeader& header, PayloadReader reader);
    void OnTalkerCount(PayloadReader reader);
    // The pending re-establishment, if any, is dropped.
    void Stop();

private:
    TSessionContext& m_context;
    std::function<void()> m_reconnectAudio;
    std::function<void(int)> m_talkersChanged;
    std::unique_ptr<ITimer> m_reconnectPause;
};

} // namespace orv
