#pragma once
// The roster's side of the session: what it asks the server, what it does with the participant list, joins,
// departures, online status and the status list, the main window messages it answers, and its steps of
// room entry. Beeps and system lines go to the session's notices.

#include "protocol/RosterMessages.h"

#include <QCoreApplication>

namespace orv {

class Roster;
class TMessageRouter;
class TPacketDispatcher;
class TRoomEntrySteps;
struct TSessionContext;
struct TSettings;

class RosterHandlers {
    Q_DECLARE_TR_FUNCTIONS(RosterHandlers)
public:
    RosterHandlers(TSessionContext& context, Roster& roster);

    void RegisterHandlers(TPacketDispatcher& dispatcher);
    void RegisterMessages(TMessageRouter& mainWindow);
    void RegisterRoomEntry(TRoomEntrySteps& steps);
    void ApplySettings(const TSettings& settings);

    void RequestRoster();
    void RequestStatuses();
    // Tells the server; once it is on its way the own entry shows it too, as the others will. False when
    // the connection is down, and nothing changes.
    bool SendOnlineStatus(TUserOnlineStatus status);
    // Rights, board holder and roster start afresh for the room being entered.
    void ResetRoomState();

    void OnParticipantList(const TParticipantListReply& reply);
    void OnParticipantJoined(const TParticipantRecord& record);
    void OnParticipantLeft(std::uint16_t userId);
    void OnParticipantStates(const TParticipantStatesReply& reply);
    // The main window's handler of an online status change; unknown users and statuses change nothing.
    void ApplyOnlineStatus(std::uint16_t userId, std::uint8_t status);
    void ShowMotionCounters();

private:
    void addParticipant(const TParticipantRecord& record);
    void showCount();

    TSessionContext& m_context;
    Roster& m_roster;
    bool m_beepOnConnect = false;
    bool m_beepOnDisconnect = false;
};

} // namespace orv
