#include "voice/TalkProtocol.h"

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/Dialogs.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/ResultCodes.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "voice/VoiceMessageIds.h"
#include "voice/VoiceThread.h"

#include <QCoreApplication>

namespace orv {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("orv::TTalkProtocol", text);
}

} // namespace

TTalkProtocol::TTalkProtocol(TSessionContext& context, QAction& speak, VoiceAccess voice)
    : m_context(context), m_speak(speak), m_voice(std::move(voice)) {
    m_speak.setCheckable(true);
}

void TTalkProtocol::setTransmit(bool on) {
    if (TVoiceThread* voice = m_voice())
        voice->SetTransmit(on);
}

void TTalkProtocol::changed() {
    if (m_changed)
        m_changed();
}

void TTalkProtocol::setFloor(TFloorState floor) {
    const TFloorState was = m_floor;
    m_floor = floor;
    if (floor != TFloorState::OnAir && m_muted) {
        m_muted = false;
        if (TVoiceThread* voice = m_voice())
            voice->SetMuted(false);
    }
    const std::uint16_t own = m_context.state.account.UserId();
    if (floor == TFloorState::Requesting && was != TFloorState::Requesting)
        m_context.events.speakerMark.Raise(own, SpeakerMarkValue::Requesting);
    else if (floor == TFloorState::Off && was == TFloorState::Requesting)
        m_context.events.speakerMark.Raise(own, SpeakerMarkValue::Silent); // asked, then gave up
    changed();
}

void TTalkProtocol::SetMuted(bool muted) {
    muted = muted && m_floor == TFloorState::OnAir;
    if (muted == m_muted)
        return;
    m_muted = muted;
    if (TVoiceThread* voice = m_voice())
        voice->SetMuted(muted);
    changed();
}

void TTalkProtocol::Reset() {
    m_toggleMark = false;
    m_speak.setChecked(false);
    setTransmit(false);
    setFloor(TFloorState::Off);
}

bool TTalkProtocol::send(std::uint16_t command) {
    if (m_context.sender.Send(command))
        return true;
    m_context.mainWindow.post(MainMsg::VoiceLinkState, VoiceLink::TalkSendFailed, 0);
    return false;
}

void TTalkProtocol::ToggleSpeak() {
    if (m_speak.isChecked()) {
        setTransmit(false);
        send(cmReleaseMicrophone);
        m_speak.setChecked(false);
        m_toggleMark = false;
        setFloor(TFloorState::Off);
    } else {
        if (!m_context.state.OwnMicAllowed)
            return;
        send(cmTakeMicrophone);
        m_speak.setChecked(true);
        m_toggleMark = true;
        setFloor(TFloorState::Requesting);
    }
}

void TTalkProtocol::StopIfTalking() {
    if (m_speak.isChecked())
        ToggleSpeak();
}

void TTalkProtocol::StartTalking() {
    if (!m_context.state.OwnMicAllowed || m_toggleMark || m_speak.isChecked())
        return;
    send(cmTakeMicrophone);
    m_speak.setChecked(true);
    setFloor(TFloorState::Requesting);
}

void TTalkProtocol::StopTalking() {
    if (!m_context.state.OwnMicAllowed || m_toggleMark)
        return;
    setTransmit(false);
    send(cmReleaseMicrophone);
    m_speak.setChecked(false);
    setFloor(TFloorState::Off);
}

void TTalkProtocol::OnTake(const TPacketHeader& header) {
    const std::uint16_t own = m_context.state.account.UserId();
    if (header.UserId != own) {
        if (header.ResultCode == ResultCode::Success)
            m_context.events.speakerMark.Raise(header.UserId, SpeakerMarkValue::Speaking);
        return;
    }
    if (header.ResultCode != ResultCode::Success) {
        m_speak.setChecked(false);
        if (header.ResultCode == ResultCode::NoFreeMicrophone && m_hookInstalled) {
            const QString audio = tr("Audio");
            m_context.notices.AddChatLine(
                0, audio, TChatLineKind::System, kSystemLineColor,
                tr("No more free microphones. Please wait for a microphone and try again later."));
            if (m_context.state.account.AccountType() > 0)
                m_context.notices.AddChatLine(
                    0, audio, TChatLineKind::System, kSystemLineColor,
                    tr("You are a moderator and you can add more microphones in this "
                       "session by visiting File -> Settings -> Audio Compression."));
            m_context.events.conversationWanted.Raise(ckPublic, 0);
            m_context.notices.Beep(700, 30);
        } else if (header.ResultCode == ResultCode::NoFreeMicrophone)
            m_context.dialogs.Information(
                tr("No more free microphones. Please wait for a microphone and try later."));
        else
            m_context.mainWindow.post(MainMsg::MicrophoneRefused, 0, header.ResultCode);
        setTransmit(false);
        m_context.events.speakerMark.Raise(own, SpeakerMarkValue::Silent);
        m_toggleMark = false;
        setFloor(TFloorState::Off);
        return;
    }
    m_speak.setChecked(true);
    setTransmit(true);
    m_context.events.speakerMark.Raise(own, SpeakerMarkValue::Speaking);
    setFloor(TFloorState::OnAir);
}

void TTalkProtocol::OnRelease(const TPacketHeader& header) {
    if (header.UserId == m_context.state.account.UserId()) {
        m_toggleMark = false;
        setTransmit(false);
        m_speak.setChecked(false);
        setFloor(TFloorState::Off);
    }
    if (TVoiceThread* voice = m_voice())
        voice->Players().Release(header.UserId);
    m_context.events.speakerMark.Raise(header.UserId, SpeakerMarkValue::Silent);
}

void TTalkProtocol::RefreshEnabled() {
    m_speak.setEnabled(m_context.state.OwnMicAllowed && !m_context.state.IsPlayback());
    changed();
}

} // namespace orv
