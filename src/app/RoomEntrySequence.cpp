#include "app/RoomEntrySequence.h"

#include "link/ErrorMessages.h"
#include "link/LinkMessageIds.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/Dialogs.h"
#include "platform/Progress.h"

#include <QCoreApplication>
#include <QDebug>

namespace orv {

TRoomEntrySequence::TRoomEntrySequence(TSessionState& state, IRoomEntryShell& shell,
                                       const TRoomEntrySteps& steps, IMessageSink& mainWindow,
                                       bool joinLinkStarted)
    : m_state(state), m_shell(shell), m_steps(steps), m_mainWindow(mainWindow),
      m_joinLinkStarted(joinLinkStarted) {}

void TRoomEntrySequence::Run(int resultCode) {
    m_shell.ShowMainWindow();
    if (resultCode != 0)
        refused(resultCode);
    else
        entered();
}

void TRoomEntrySequence::refused(int resultCode) {
    m_shell.Dialogs().Error(AccessDeniedMessage(resultCode));
    if (m_joinLinkStarted) {
        m_shell.CloseMainWindow();
        return;
    }
    m_state.inRoom = false;
    m_shell.RequestRoomList();
    m_mainWindow.post(MainMsg::LinkState, LinkStateValue::RoomEntryRefused, 0);
}

void TRoomEntrySequence::entered() {
    m_state.MarkEntered(QDateTime::currentDateTime());
    m_shell.StartSessionClock();
    m_shell.Progress().Step(9,
                            QCoreApplication::translate("orv::TRoomEntrySequence", "Account validated..."));
    m_shell.SetRoomPanel(QCoreApplication::translate("orv::TRoomEntrySequence", " Room %1: %2")
                             .arg(m_state.room.Number())
                             .arg(m_state.room.Name()));

    for (const TRoomEntryStepInfo& info : RoomEntryStepTable()) {
        const auto run = [&] {
            if (info.progress >= 0)
                m_shell.Progress().Step(
                    info.progress, QCoreApplication::translate("orv::TRoomEntrySequence", info.activity));
            for (const TRoomEntrySteps::Action& action : m_steps.ActionsOf(info.step))
                action();
        };
        if (!info.guarded) {
            run();
            continue;
        }
        try {
            run();
        } catch (const std::exception& e) {
            // A failing step skips the rest; the user is in the room all the same.
            qWarning() << "room entry sequence stopped:" << e.what();
            return;
        }
    }
}

} // namespace orv
