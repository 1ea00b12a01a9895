#pragma once
// The whiteboard's drawing: each batch goes to the rest of the sender's room and into the history of its
// public board.

#include "BoardHistory.h"
#include "Service.h"

namespace orv::server {

class ClientConnection;
class IServiceHost;

class BoardService final : public Service {
public:
    explicit BoardService(IServiceHost& host);

    const BoardHistory& history() const { return m_history; }

private:
    void relay(ClientConnection& from, const TBoardDrawingBatch& batch);

    IServiceHost& m_host;
    BoardHistory m_history;
};

} // namespace orv::server
