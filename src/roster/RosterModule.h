#pragma once
// The participants of the room: the roster, its packets and messages, the main window's participant list
// and its "Step Out" button.

#include "roster/PersonalInfo.h"
#include "roster/Roster.h"
#include "roster/RosterDirectory.h"
#include "roster/RosterHandlers.h"
#include "roster/UserPhotos.h"
#include "session/Module.h"
#include "session/ParticipantMarks.h"

#include <QAction>
#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

namespace orv {

class IResourceTransfers;
class ITimerFactory;
struct TParticipantListParts;
struct TSessionContext;

class TRosterModule final : public ISessionModule {
public:
    // `timers` blink the motion pictures and tick the local-time lines (none: they stand still).
    explicit TRosterModule(TSessionContext& context, ITimerFactory* timers = nullptr, TUtcClock utcNow = {});

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
    // Photos come through the file transfers into `folder`.
    void SetTransfers(IResourceTransfers* transfers, const QString& folder);
    TUserPhotos& Photos() { return m_photos; }
    TPersonalInfo& PersonalInfo() { return m_personalInfo; }
    // "Show the participant's profile", on the selected entry; for the user menu.
    QAction* ShowProfileAction() const { return m_showProfile.get(); }
    // The participant list's user menu, buttons and picture clicks, from the modules that own them.
    void SetListParts(const TParticipantListParts& parts);

private:
    // Down while the own entry is away; its caption says what pressing it does.
    void showOwnStatus();

    Roster m_roster;
    RosterDirectory m_directory{m_roster};
    struct Marks final : IParticipantMarks {
        explicit Marks(Roster& shown) : roster(shown) {}
        void HideLoadMarks() override { roster.HideLoadMarks(); }
        Roster& roster;
    } m_marks{m_roster};
    RosterHandlers m_handlers;
    TUserPhotos m_photos;
    TPersonalInfo m_personalInfo;
    // The participant list, owned by the main window; null once it is gone.
    QWidget* pane() const { return m_paneGuard ? m_pane : nullptr; }
    QWidget* m_pane = nullptr;
    QPointer<QObject> m_paneGuard;
    std::unique_ptr<QAction> m_showProfile;
    QAction* m_stepOut; // owned by the main window
    QObject m_receiver; // ends the button's connections with the module
};

} // namespace orv
