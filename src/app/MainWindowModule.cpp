#include "app/MainWindowModule.h"

#include "app/MainWindow.h"
#include "link/LinkMessageIds.h"
#include "link/SessionLink.h"
#include "session/RoomEvents.h"

namespace orv {

TMainWindowModule::TMainWindowModule(TfMain& main, TSessionLink& link, TRoomEvents& events)
    : m_main(main), m_link(link), m_events(events) {}

void TMainWindowModule::RegisterMessages(TMessageRouter& router) {
    router.Register(MainMsg::UplinkProgress, [this](std::intptr_t bytes, std::intptr_t) {
        m_main.ShowUplink(bytes, m_link.OverflowSize());
    });
}

void TMainWindowModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::ShowChatPane, [this] { m_events.conversationWanted.Raise(ckPublic, 0); });
    // Delivered at once, not posted: a loss the reader posted while the room was being entered then comes
    // after the link's up state, and is handled as a loss, instead of being overtaken by it and forgotten.
    steps.Add(TRoomEntryStep::LinkUp,
              [this] { m_main.Router().Deliver(MainMsg::LinkState, LinkStateValue::Up, 0); });
    steps.Add(TRoomEntryStep::BringToFront, [this] {
        m_main.raise();
        m_main.activateWindow();
    });
}

} // namespace orv
