#include "voice/RoomVoiceSettings.h"

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "protocol/AudioControlMessages.h"
#include "protocol/CommandCatalogue.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "voice/VoiceMessageIds.h"

#include <QCoreApplication>

#include <algorithm>

namespace orv {

TRoomVoiceSettings::TRoomVoiceSettings(TSessionContext& context, ITimerFactory& timers,
                                       std::function<void()> reconnectAudio,
                                       std::function<void(int)> talkersChanged)
    : m_context(context), m_reconnectAudio(std::move(reconnectAudio)),
      m_talkersChanged(std::move(talkersChanged)),
      m_reconnectPause(timers.CreateTimer(TTimerMode::SingleShot, [this] {
          if (!m_context.state.IsPlayback())
              m_reconnectAudio();
      })) {}

void TRoomVoiceSettings::SendRoomCodec(std::int32_t codec) {
    m_context.sender.Send(cmSetAudioCodec, TRoomVoiceValue{codec}.encode());
}

void TRoomVoiceSettings::SendTalkerCount(std::int32_t count) {
    m_context.sender.Send(cmSetMicrophoneCount, TRoomVoiceValue{std::clamp(count, 1, 5)}.encode());
}

void TRoomVoiceSettings::OnRoomCodec(const TPacketHeader& header, PayloadReader reader) {
    TSessionState& state = m_context.state;
    // A recorded session replays the notice, but there is no voice link to re-establish.
    if (state.IsPlayback())
        return;
    if (header.ResultCode != 0) {
        if (header.UserId == state.account.UserId())
            m_context.mainWindow.post(MainMsg::CodecChangeRefused, header.ResultCode, 0);
        return;
    }
    const std::int32_t codec = TRoomVoiceValue::decode(reader).value;
    state.room.SetAudioCodec(codec);
    state.audioCodec = codec;
    m_context.notices.AddChatLine(
        0, QCoreApplication::translate("orv::TVoiceModule", "Audio"), TChatLineKind::Normal, kMaroon,
        QCoreApplication::translate("orv::TVoiceModule",
                                    "The moderator forced an audio setting change. Orvane will now try to "
                                    "reestablish your audio connection. "));
    m_reconnectPause->Start(kReconnectPauseMs);
}

void TRoomVoiceSettings::OnTalkerCount(PayloadReader reader) {
    const std::int32_t count = TRoomVoiceValue::decode(reader).value;
    m_context.state.room.SetMicrophoneCount(count);
    m_context.state.microphoneCount = count;
    if (m_talkersChanged)
        m_talkersChanged(std::clamp(count, 1, 5));
}

void TRoomVoiceSettings::Stop() {
    m_reconnectPause->Stop();
}

} // namespace orv
