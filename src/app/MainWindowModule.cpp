#include "app/MainWindowModule.h"

#include "app/MainWindow.h"
#include "link/SessionLink.h"
#include "platform/AppMessageIds.h"

namespace orv {

TMainWindowModule::TMainWindowModule(TfMain& main, TSessionLink& link, IMessageSink& mainWindow)
    : m_main(main), m_link(link), m_mainWindow(mainWindow) {}

void TMainWindowModule::RegisterMessages(TMessageRouter& router) {
    router.Register(MainMsg::UplinkProgress, [this](std::intptr_t bytes, std::intptr_t) {
        m_main.ShowUplink(bytes, m_link.OverflowSize());
    });
}

void TMainWindowModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::ShowChatPane, [this] { m_mainWindow.post(MainMsg::ShowChatPane, 0, 0); });
    steps.Add(TRoomEntryStep::LinkUp,
              [this] { m_mainWindow.post(MainMsg::LinkState, LinkStateValue::Up, 0); });
    steps.Add(TRoomEntryStep::BringToFront, [this] {
        m_main.raise();
        m_main.activateWindow();
    });
}

} // namespace orv
