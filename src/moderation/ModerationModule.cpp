#include "moderation/ModerationModule.h"

#include "link/SessionState.h"
#include "roster/Roster.h"
#include "session/MainPanes.h"
#include "session/RoomEntrySteps.h"
#include "session/SessionContext.h"

#include <QAction>
#include <QCoreApplication>

namespace orv {
namespace {

QAction* makeAction(const QString& text, const QString& hint = {}) {
    auto* action = new QAction(text);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    return action;
}

} // namespace

TModerationModule::TModerationModule(TSessionContext& context, Roster& roster, TAskKickReason askReason)
    : m_context(context), m_roster(roster), m_moderation(context, roster), m_askReason(std::move(askReason)) {
    Actions& a = m_actions;
    a.giveVoice = makeAction(tr("Give this participant a microphone"));
    a.giveBoard = makeAction(tr("Allow this participant to use the public boards"));
    a.banVoice = makeAction(tr("Deprive the microphone"));
    a.banBoard = makeAction(tr("Deprive the public boards"));
    a.kick = makeAction(tr("Remove the participant from the session"));
    a.toggleModeratorStatus = makeAction(tr("Promote to Moderator"));
    a.clearMotions = makeAction(tr("Clear Motions"), tr("Clear all motions and user requests"));
    a.raiseHand = makeAction(tr("Raise / Lower Hand"));
    a.raiseHand->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    a.smile = makeAction(tr("Toggle Smile On/Off"));
    a.clapHands = makeAction(tr("Clap Hands"));
    a.sayYes = makeAction(tr("Yes"), tr("Give a Positive Answer (Yes)"));
    a.sayNo = makeAction(tr("No"), tr("Give a Negative Answer (No)"));
    a.requestMike = makeAction(tr("Request a microphone"));
    a.requestCam = makeAction(tr("Request a web camera"));
    for (const char* text : {QT_TRANSLATE_NOOP("orv::TModerationModule", "I want to speak..."),
                             QT_TRANSLATE_NOOP("orv::TModerationModule", "I want to use the board..."),
                             QT_TRANSLATE_NOOP("orv::TModerationModule", "Can you repeat this again ?"),
                             QT_TRANSLATE_NOOP("orv::TModerationModule", "Another thing...")})
        a.requestItems.push_back(makeAction(tr(text)));

    // The four permission actions share one handler that branches on the tag.
    const std::pair<QAction*, TPermission> permissions[] = {{a.giveVoice, TPermission::GiveVoice},
                                                            {a.giveBoard, TPermission::GiveBoard},
                                                            {a.banVoice, TPermission::BanVoice},
                                                            {a.banBoard, TPermission::BanBoard}};
    for (const auto& [action, permission] : permissions) {
        action->setData(int(permission));
        QObject::connect(action, &QAction::triggered, &m_receiver, [this, action = action] {
            if (m_moderation.MayActOnSelected())
                m_moderation.SendPermission(TPermission(action->data().toInt()), m_roster.Selected()->UID());
        });
    }
    QObject::connect(a.kick, &QAction::triggered, &m_receiver, [this] { Kick(); });
    QObject::connect(a.toggleModeratorStatus, &QAction::triggered, &m_receiver,
                     [this] { m_moderation.ToggleModeratorStatus(); });
    QObject::connect(a.clearMotions, &QAction::triggered, &m_receiver,
                     [this] { m_moderation.ClearMotions(); });
    const std::pair<QAction*, std::int32_t> motions[] = {{a.raiseHand, Motion::Hand},
                                                         {a.smile, Motion::Smile},
                                                         {a.clapHands, Motion::Clap},
                                                         {a.sayYes, Motion::Yes},
                                                         {a.sayNo, Motion::No}};
    for (const auto& [action, value] : motions)
        QObject::connect(action, &QAction::triggered, &m_receiver,
                         [this, value = value] { m_moderation.ToggleMotion(value); });
    QObject::connect(a.requestMike, &QAction::triggered, &m_receiver,
                     [this] { m_moderation.SendRequest(RequestType::Microphone); });
    QObject::connect(a.requestCam, &QAction::triggered, &m_receiver,
                     [this] { m_moderation.SendRequest(RequestType::Camera); });
    for (std::size_t type = 0; type < a.requestItems.size(); ++type)
        QObject::connect(a.requestItems[type], &QAction::triggered, &m_receiver,
                         [this, type] { m_moderation.SendRequest(std::uint8_t(type)); });

    for (QAction* action :
         {a.giveVoice, a.giveBoard, a.banVoice, a.banBoard, a.kick, a.toggleModeratorStatus, a.clearMotions})
        m_context.panes.InstallMenuAction(TMainMenu::Actions, action);
    for (QAction* action : a.requestItems)
        m_context.panes.InstallMenuAction(TMainMenu::Actions, action);
    for (QAction* action :
         {a.raiseHand, a.smile, a.clapHands, a.sayYes, a.sayNo, a.requestMike, a.requestCam})
        m_context.panes.InstallToolAction(action);

    m_moderation.SetOwnRoleChanged([this] {
        if (m_ownRoleChanged)
            m_ownRoleChanged();
        else
            refresh();
    });
    QObject::connect(&m_roster, &Roster::Changed, &m_receiver, [this] { refresh(); });
    refresh();
}

void TModerationModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::Rights, [this] {
        m_moderation.DeriveOwnRights();
        refresh();
    });
    // The states arrive later and may change the rights again; the request actions follow them.
    steps.Add(TRoomEntryStep::ParticipantStates, [this] { refresh(); });
}

void TModerationModule::Kick() {
    if (!m_moderation.MayActOnSelected() || !m_askReason)
        return;
    const std::uint16_t user = m_roster.Selected()->UID();
    const std::optional<QString> reason = m_askReason();
    // The selection may have gone while the question was open.
    if (reason && m_roster.FindEntry(user))
        m_moderation.SendRemoval(user, *reason);
}

void TModerationModule::refresh() {
    const Actions& a = m_actions;
    const bool moderator = m_context.state.IsModerator();
    const bool onSelected = m_moderation.MayActOnSelected();
    for (QAction* action : {a.giveVoice, a.giveBoard, a.banVoice, a.banBoard}) {
        action->setVisible(moderator);
        action->setEnabled(onSelected);
    }
    a.clearMotions->setVisible(moderator);
    a.clearMotions->setEnabled(moderator);
    a.kick->setEnabled(onSelected);
    a.toggleModeratorStatus->setEnabled(onSelected);
    a.toggleModeratorStatus->setText(m_moderation.SelectedIsModerator() ? tr("Demote to Participant")
                                                                        : tr("Promote to Moderator"));
    a.requestMike->setEnabled(m_moderation.MayRequestMicrophone());
    a.requestCam->setEnabled(m_moderation.MayRequestCamera());
}

} // namespace orv
