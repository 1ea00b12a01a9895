#include "BoardService.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "ServiceHost.h"

#include <algorithm>

namespace orv::server {

namespace {

// A batch another participant can draw: records, all of them on the public board the packet names.
// The private board is never shared, and a record on another board would reach boards whose history
// does not hold it.
bool IsSharedBatch(const TBoardDrawingBatch& batch) {
    return IsPublicBoard(batch.board) && !batch.items.empty() &&
           std::all_of(batch.items.begin(), batch.items.end(),
                       [&](const TBBItem& item) { return item.Board() == batch.board; });
}

} // namespace

BoardService::BoardService(IServiceHost& host) : m_host(host) {
    host.registerHandler({cmBoardDrawing}, IServiceHost::kAnySize,
                         [this](ClientConnection& from, const TIncomingPacket& packet) {
                             auto reader = packet.payload();
                             relay(from, TBoardDrawingBatch::decode(reader));
                         });
}

void BoardService::relay(ClientConnection& from, const TBoardDrawingBatch& batch) {
    const auto room = m_host.members().roomOf(from);
    if (!room)
        return;
    if (!IsSharedBatch(batch)) {
        m_host.log(QString("%1 drawing batch for board %2 not shared").arg(from.who()).arg(batch.board));
        return;
    }
    m_host.sendToOthersInRoom(from, {cmBoardDrawing, batch.encode()});
    m_history.append(*room, batch);
}

} // namespace orv::server
