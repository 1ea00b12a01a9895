#include "app/MainViewsModule.h"

#include "app/MainWindow.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "session/SessionContext.h"

namespace orv {

TMainViewsModule::TMainViewsModule(TfMain& main, TSessionContext& context)
    : m_views([&context](std::uint16_t command,
                         const QByteArray& payload) { context.sender.Send(command, payload); },
              [&main](std::int32_t view) { main.ShowView(view); },
              // Moderators lead, and so does the holder of the board lock.
              [&context] {
                  return context.state.IsModerator() ||
                         (context.state.boardHolder != 0 &&
                          context.state.boardHolder == context.state.account.UserId());
              }) {
    QObject::connect(&main, &TfMain::viewSelected, &main,
                     [this](std::int32_t view) { m_views.SelectView(view); });
}

void TMainViewsModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    m_views.RegisterHandlers(dispatcher);
}

void TMainViewsModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::CurrentView, [this] { m_views.RequestCurrentView(); });
}

} // namespace orv
