#include "voice/RemoteAudioControl.h"

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "protocol/CommandCatalogue.h"
#include "session/ParticipantDirectory.h"
#include "session/SessionContext.h"

#include <QCoreApplication>

namespace orv {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("orv::TRemoteAudioControl", text);
}

} // namespace

void SendRemoteAudio(TSessionContext& context, const TRemoteAudioRecord& record) {
    context.sender.Send(cmRemoteAudio, record.encode());
}

TRemoteAudioControl::TRemoteAudioControl(TSessionContext& context, const IParticipantDirectory& directory,
                                         ITimerFactory& timers)
    : m_context(context), m_directory(directory),
      m_timeout(timers.CreateTimer(TTimerMode::SingleShot, [this] { timedOut(); })) {}

bool TRemoteAudioControl::CanControl() const {
    const TSessionState& s = m_context.state;
    if (s.IsPlayback() || !s.inRoom)
        return false;
    const std::optional<std::uint16_t> selected = m_directory.SelectedUser();
    return s.account.IsModerator() && selected && *selected != s.account.UserId();
}

QString TRemoteAudioControl::nameOf(std::uint16_t userId) const {
    const std::optional<TParticipantInfo> info = m_directory.Lookup(userId);
    return info ? info->displayName : QString();
}

void TRemoteAudioControl::QuerySelected() {
    if (!CanControl())
        return;
    const std::uint16_t subject = *m_directory.SelectedUser();
    if (!m_directory.Lookup(subject))
        return;
    m_live = false;
    if (m_view) {
        m_view->DisableControls();
        m_view->ShowWindow();
        m_view->SetSubjectName(nameOf(subject));
        m_view->SetStatus(tr("Retrieving..."), IRemoteAudioView::Tone::Grey);
        m_view->SetNoteVisible(false);
    }
    m_timeout->Start(kTimeoutMs);
    SendRemoteAudio(m_context, TRemoteAudioRecord::Request(m_context.state.account.UserId(), subject,
                                                           RemoteAudioCommand::Query));
}

void TRemoteAudioControl::timedOut() {
    if (m_view)
        m_view->SetStatus(tr("Unable to retrieve remote settings."), IRemoteAudioView::Tone::Maroon);
}

void TRemoteAudioControl::OnReply(const TRemoteAudioRecord& reply) {
    m_timeout->Stop();
    m_subject = reply.Subject();
    m_live = true;
    if (!m_view)
        return;
    if (reply.VoiceStatus() == 1)
        m_view->SetStatus(tr("Operational"), IRemoteAudioView::Tone::Green);
    else
        m_view->SetStatus(tr("Non-Functional"), IRemoteAudioView::Tone::Red);
    const bool speaker = reply.SpeakerDevice() >= 0;
    const bool microphone = reply.MicrophoneDevice() >= 0;
    m_view->SetSpeaker(speaker, reply.SpeakerLevel());
    m_view->SetMicrophone(microphone, reply.MicrophoneLevel());
    m_view->SetSubjectName(nameOf(reply.Subject()));
    m_view->SetNoteVisible(!(speaker && microphone));
    m_view->SetBoost(reply.Boost() != -1, reply.Boost() == 1);
}

void TRemoteAudioControl::sendApply(std::uint16_t speaker, std::uint16_t microphone, std::int32_t boost) {
    // Controls are disabled while a query waits; a change that still slips through must not reach the
    // participant shown before.
    if (!m_live || m_subject == 0)
        return;
    TRemoteAudioRecord r =
        TRemoteAudioRecord::Request(m_context.state.account.UserId(), m_subject, RemoteAudioCommand::Apply);
    r.SetSpeakerLevel(speaker);
    r.SetMicrophoneLevel(microphone);
    r.SetBoost(boost);
    SendRemoteAudio(m_context, r);
}

void TRemoteAudioControl::LevelsChanged(std::uint16_t speaker, std::uint16_t microphone) {
    sendApply(speaker, microphone, -1);
}

void TRemoteAudioControl::BoostClicked(std::uint16_t speaker, std::uint16_t microphone, bool checked) {
    sendApply(speaker, microphone, checked ? 1 : 0);
}

void TRemoteAudioControl::Closed() {
    m_timeout->Stop();
}

} // namespace orv
