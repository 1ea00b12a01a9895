#include "roster/RosterHandlers.h"

#include "link/Dispatcher.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/MessageRouter.h"
#include "platform/Progress.h"
#include "roster/Roster.h"
#include "roster/RosterMessageIds.h"
#include "session/MainPanes.h"
#include "session/RoomEntrySteps.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "session/Settings.h"

namespace orv {
namespace {

struct TTone {
    int frequencyHz;
    int durationMs;
};
constexpr TTone kJoinBeep{3000, 300};
constexpr TTone kDepartureBeep{10000, 300};

} // namespace

RosterHandlers::RosterHandlers(TSessionContext& context, Roster& roster)
    : m_context(context), m_roster(roster) {}

void RosterHandlers::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmParticipantList}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        OnParticipantList(TParticipantListReply::decode(reader));
    });
    dispatcher.RegisterHandler({cmParticipantJoined}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        OnParticipantJoined(TParticipantJoined::decode(reader).participant);
    });
    dispatcher.RegisterHandler({cmParticipantLeft},
                               [this](const TIncomingPacket& p) { OnParticipantLeft(p.header.UserId); });
    dispatcher.RegisterHandler({cmOnlineStatus}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        m_context.mainWindow.post(MainMsg::OnlineStatus, p.header.UserId,
                                  TOnlineStatusMessage::decode(reader).status);
    });
    // The header's user confirmed what this user showed or asked (the payload names this user).
    dispatcher.RegisterHandler({cmAcknowledge},
                               [this](const TIncomingPacket& p) { m_roster.ShowLoadMark(p.header.UserId); });
    dispatcher.RegisterHandler({cmParticipantStates}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        OnParticipantStates(TParticipantStatesReply::decode(reader));
    });
}

void RosterHandlers::RegisterMessages(TMessageRouter& mainWindow) {
    mainWindow.Register(MainMsg::OnlineStatus, [this](std::intptr_t user, std::intptr_t status) {
        ApplyOnlineStatus(std::uint16_t(user), std::uint8_t(status));
    });
    m_context.events.participantsChanged.Listen([this] { ShowMotionCounters(); });
    mainWindow.Register(MainMsg::ParticipantJoined,
                        [this](std::intptr_t, std::intptr_t) { RequestStatuses(); });
}

void RosterHandlers::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::ResetRoomState, [this] { ResetRoomState(); });
    steps.Add(TRoomEntryStep::Participants, [this] { RequestRoster(); });
    steps.Add(TRoomEntryStep::ParticipantStates, [this] { RequestStatuses(); });
}

void RosterHandlers::ApplySettings(const TSettings& settings) {
    m_beepOnConnect = settings.BeepOnUserConnect;
    m_beepOnDisconnect = settings.BeepOnUserDisconnect;
}

void RosterHandlers::RequestRoster() {
    m_context.sender.Send(cmParticipantList);
}

void RosterHandlers::RequestStatuses() {
    m_context.sender.Send(cmParticipantStates);
}

bool RosterHandlers::SendOnlineStatus(TUserOnlineStatus status) {
    if (!m_context.sender.Send(cmOnlineStatus, TOnlineStatusMessage{status}.encode()))
        return false;
    // The server tells only the others; the own entry shows what they see.
    if (const TUserNode* own = m_roster.OwnEntry())
        ApplyOnlineStatus(own->UID(), status);
    return true;
}

void RosterHandlers::ResetRoomState() {
    TSessionState& state = m_context.state;
    state.OwnMicAllowed = false;
    state.OwnBoardAllowed = false;
    state.OwnCamAllowed = false;
    state.boardHolder = 0;
    m_roster.ClearRoster();
}

void RosterHandlers::addParticipant(const TParticipantRecord& record) {
    m_roster.AddParticipant(record);
    showCount();
}

void RosterHandlers::showCount() {
    m_context.panes.SetParticipantListHeader(tr(" Participants [") + QString::number(m_roster.Count()) + "]");
}

void RosterHandlers::OnParticipantList(const TParticipantListReply& reply) {
    // An empty list leaves the header as it was: only adds and departures write it.
    m_roster.ClearRoster();
    for (const TParticipantRecord& record : reply.participants)
        addParticipant(record);
}

void RosterHandlers::OnParticipantJoined(const TParticipantRecord& record) {
    addParticipant(record);
    if (!m_context.state.IsPlayback() && m_beepOnConnect)
        m_context.notices.Beep(kJoinBeep.frequencyHz, kJoinBeep.durationMs);
    m_context.notices.AddSystemLine(tr("» ") + record.FullName() + tr(" joined the session"));
    m_context.events.conversationWanted.Raise(ckPublic, 0);
    m_context.mainWindow.post(MainMsg::ParticipantJoined, record.UserId(), 0);
}

void RosterHandlers::OnParticipantLeft(std::uint16_t userId) {
    if (const TUserNode* entry = m_roster.FindEntry(userId)) {
        m_context.notices.AddSystemLine(tr("« ") + entry->UserName() + tr(" left the session"));
        m_context.events.conversationWanted.Raise(ckPublic, 0);
        m_roster.RemoveParticipant(userId); // the entry and the record it owns go together
        if (!m_context.state.IsPlayback() && m_beepOnDisconnect)
            m_context.notices.Beep(kDepartureBeep.frequencyHz, kDepartureBeep.durationMs);
    }
    if (m_context.state.boardHolder == userId)
        m_context.state.boardHolder = 0;
    showCount();
    m_context.events.participantsChanged.Raise();
}

void RosterHandlers::OnParticipantStates(const TParticipantStatesReply& reply) {
    m_context.progress.Hide();
    TSessionState& state = m_context.state;
    const bool playback = state.IsPlayback();
    for (const TParticipantStatusRecord& record : reply.states) {
        TUserNode* entry = m_roster.FindEntry(record.UserId());
        if (!entry)
            continue;
        if (entry->MotionMask() != record.Motions())
            m_roster.SetMotions(*entry, record.Motions());
        // A status this client does not know leaves the entry's as it was.
        if (IsKnown(record.MicrophoneStatus()))
            entry->SetMicrophoneStatus(record.MicrophoneStatus());
        if (IsKnown(record.CameraStatus()))
            entry->SetCameraStatus(record.CameraStatus());
        entry->SetMicAllowed(entry->MicrophoneStatus() == msGranted ||
                             entry->MicrophoneStatus() == msSpeaking);
        if (playback) {
            // A recording lets everybody be heard and shows no cameras.
            entry->SetMicAllowed(true);
            if (entry->MicrophoneStatus() != msSpeaking)
                entry->SetMicrophoneStatus(msGranted);
            entry->SetCameraStatus(csNone);
        }
        entry->SetCamAllowed(record.CameraStatus() == csGranted || record.CameraStatus() == csBroadcast);
        entry->SetBoardAllowed(record.BoardAllowed());
        if (entry == m_roster.OwnEntry()) {
            state.OwnMicAllowed = entry->MicAllowed();
            state.OwnCamAllowed = entry->CamAllowed();
            state.OwnBoardAllowed = entry->BoardAllowed();
        }
    }
    m_context.events.participantsChanged.Raise();
}

void RosterHandlers::ApplyOnlineStatus(std::uint16_t userId, std::uint8_t status) {
    TUserNode* entry = m_roster.FindEntry(userId);
    const auto online = TUserOnlineStatus(status);
    if (!entry || !IsKnown(online))
        return;
    entry->SetOnlineStatus(online);
    entry->Record().SetOnlineStatus(online);
}

void RosterHandlers::ShowMotionCounters() {
    m_context.panes.ShowMotionCounters(m_roster.HandsCount(), m_roster.PositiveCount(),
                                       m_roster.NegativeCount());
}

} // namespace orv
