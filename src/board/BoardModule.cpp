#include "board/BoardModule.h"

#include "link/Dispatcher.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "session/SessionContext.h"
#include "session/Settings.h"

namespace orv {

TBoardModule::TBoardModule(TSessionContext& context)
    : m_context(context), m_boards([&context](std::uint16_t command, const QByteArray& payload) {
          return context.sender.Send(command, payload);
      }),
      m_gesture(m_boards) {}

void TBoardModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmBoardDrawing}, [this](const TIncomingPacket& packet) {
        auto reader = packet.payload();
        m_boards.ReceiveBatch(TBoardDrawingBatch::decode(reader));
    });
}

void TBoardModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    // Moderators may draw on the public boards from the start; others are given it by a moderator.
    steps.Add(TRoomEntryStep::Rights,
              [this] { m_boards.SetPublicBoardAccess(m_context.state.IsModerator()); });
}

void TBoardModule::ApplySettings(const TSettings& settings) {
    m_gesture.SetGridSize(settings.BoardGridSize);
    if (m_boardsPrepared)
        return;
    m_boards.InitBoards(settings.DefPenWidth, settings.DefPenColor);
    m_boardsPrepared = true;
}

} // namespace orv
