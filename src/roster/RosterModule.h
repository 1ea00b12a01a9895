#pragma once
// The participants of the room: the roster, its packets and messages, the main window's participant list
// and its "Step Out" button.

#include "roster/Roster.h"
#include "roster/RosterDirectory.h"
#include "roster/RosterHandlers.h"
#include "session/Module.h"
#include "session/ParticipantMarks.h"

#include <QObject>

class QAction;

namespace orv {

struct TSessionContext;

class TRosterModule final : public ISessionModule {
public:
    explicit TRosterModule(TSessionContext& context);

    void RegisterHandlers(TPacketDispatcher& dispatcher) override { m_handlers.RegisterHandlers(dispatcher); }
    void RegisterMessages(TMessageRouter& mainWindow) override { m_handlers.RegisterMessages(mainWindow); }
    void RegisterRoomEntry(TRoomEntrySteps& steps) override { m_handlers.RegisterRoomEntry(steps); }
    std::optional<TSettingOwner> SettingsOwner() const override { return TSettingOwner::Roster; }
    void ApplySettings(const TSettings& settings) override { m_handlers.ApplySettings(settings); }
    void ResetRoom() override { m_roster.ClearRoster(); }

    Roster& Participants() { return m_roster; }
    RosterHandlers& Handlers() { return m_handlers; }
    const IParticipantDirectory& Directory() const { return m_directory; }
    IParticipantMarks& Marks() { return m_marks; }

private:
    // Down while the own entry is away; its caption says what pressing it does.
    void showOwnStatus();

    Roster m_roster;
    RosterDirectory m_directory{m_roster};
    struct Marks final : IParticipantMarks {
        explicit Marks(Roster& roster) : roster(roster) {}
        void HideLoadMarks() override { roster.HideLoadMarks(); }
        Roster& roster;
    } m_marks{m_roster};
    RosterHandlers m_handlers;
    QAction* m_stepOut; // owned by the main window
    QObject m_receiver; // ends the button's connections with the module
};

} // namespace orv
