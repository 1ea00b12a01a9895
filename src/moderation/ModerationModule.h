#pragma once
// Moderation as a module of the session: its packets and messages, the user's rights at room entry, and the
// actions of moderators (on the selected participant) and of participants (signals and requests).

#include "moderation/Moderation.h"
#include "session/Module.h"

#include <QCoreApplication>
#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class QAction;

namespace orv {

class Roster;
struct TSessionContext;

// Asks the moderator why a participant is removed; none when cancelled.
using TAskKickReason = std::function<std::optional<QString>()>;

class TModerationModule final : public ISessionModule {
    Q_DECLARE_TR_FUNCTIONS(orv::TModerationModule)

public:
    TModerationModule(TSessionContext& context, Roster& roster, TAskKickReason askReason);

    void RegisterHandlers(TPacketDispatcher& dispatcher) override {
        m_moderation.RegisterHandlers(dispatcher);
    }
    void RegisterMessages(TMessageRouter& mainWindow) override { m_moderation.RegisterMessages(mainWindow); }
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    void ApplySettings(const TSettings& settings) override { m_moderation.ApplySettings(settings); }
    void OwnRoleChanged() override { refresh(); }
    // A replayed run numbers its requests from the start again.
    void ResetRoom() override { m_moderation.RestartRequestCounter(); }

    TModeration& Moderation() { return m_moderation; }
    // Tells every module (this one included) of the user's own role change.
    void SetOwnRoleChanged(std::function<void()> changed) { m_ownRoleChanged = std::move(changed); }
    // The Remove action: asks the reason, then sends it; cancelling sends nothing.
    void Kick();

    struct Actions {
        QAction* giveVoice;
        QAction* giveBoard;
        QAction* banVoice;
        QAction* banBoard;
        QAction* kick;
        QAction* toggleModeratorStatus;
        QAction* clearMotions;
        QAction* raiseHand;
        QAction* smile;
        QAction* clapHands;
        QAction* sayYes;
        QAction* sayNo;
        QAction* requestMike;
        QAction* requestCam;
        std::vector<QAction*> requestItems; // request types 0 to 3
    };
    // Owned by the main window.
    const Actions& ActionList() const { return m_actions; }

private:
    // Visibility and enabled states from the user's role, rights and the selected participant.
    void refresh();

    TSessionContext& m_context;
    Roster& m_roster;
    TModeration m_moderation;
    TAskKickReason m_askReason;
    std::function<void()> m_ownRoleChanged;
    Actions m_actions{};
    QObject m_receiver; // ends the actions' connections with the module
};

} // namespace orv
