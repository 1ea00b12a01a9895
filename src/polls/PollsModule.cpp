#include "polls/PollsModule.h"

#include "link/Dispatcher.h"
#include "platform/MessageRouter.h"
#include "polls/PollMessageIds.h"
#include "polls/PollToolBox.h"
#include "session/MainPanes.h"
#include "session/SessionContext.h"

#include <QAction>
#include <QCoreApplication>

namespace orv {
namespace {

QAction* newAction(const QString& text, const char* name) {
    auto* action = new QAction(text);
    action->setObjectName(name);
    action->setEnabled(false);
    return action;
}

} // namespace

TPollsModule::TPollsModule(TSessionContext& context, const IParticipantDirectory& participants,
                           IParticipantMarks& marks, TSettingsStore* store, ITimerFactory& timers)
    : m_context(context), m_polls(context, participants, marks, timers, store),
      m_pollTool(newAction(QCoreApplication::translate("orv::TPollsModule", "Polling"), "pollTool")),
      m_newPollItem(newAction(QCoreApplication::translate("orv::TPollsModule", "Polling"), "newPoll")),
      m_checkItem(newAction(QCoreApplication::translate("orv::TPollsModule", "Check Users' Connectivity"),
                            "checkConnectivity")),
      m_wakeUpItem(
          newAction(QCoreApplication::translate("orv::TPollsModule", "Wake up Users"), "wakeUpUsers")) {
    m_pollTool->setToolTip(QCoreApplication::translate("orv::TPollsModule", "Create a New Online Poll"));
    QObject::connect(m_checkItem, &QAction::triggered, &m_polls, [this] { m_polls.CheckConnectivity(); });
    QObject::connect(m_wakeUpItem, &QAction::triggered, &m_polls, [this] { m_polls.WakeUpUsers(); });
    m_windows = std::make_unique<TPollToolBox>(m_polls, context.dialogs, *m_pollTool, *m_newPollItem);
    context.panes.InstallToolAction(m_pollTool);
    context.panes.InstallMenuAction(TMainMenu::Actions, m_checkItem);
    context.panes.InstallMenuAction(TMainMenu::Actions, m_wakeUpItem);
    context.panes.InstallMenuAction(TMainMenu::Actions, m_newPollItem);
}

TPollsModule::~TPollsModule() = default;

void TPollsModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmPoll}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        m_polls.OnPoll(TPollRecord::decode(reader));
    });
    dispatcher.RegisterHandler({cmPollAnswer}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        m_polls.OnPollAnswer(p.header.UserId, TPollAnswerMessage::decode(reader).answer);
    });
}

void TPollsModule::RegisterMessages(TMessageRouter& mainWindow) {
    mainWindow.Register(MainMsg::PollReceived,
                        [this](std::intptr_t key, std::intptr_t) { m_polls.ShowReceivedPoll(key); });
}

void TPollsModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::Rights, [this] { showPermitted(); });
}

void TPollsModule::showPermitted() {
    for (QAction* action : Actions())
        action->setEnabled(m_polls.MaySend());
}

std::vector<QAction*> TPollsModule::Actions() const {
    return {m_pollTool, m_checkItem, m_wakeUpItem, m_newPollItem};
}

} // namespace orv
