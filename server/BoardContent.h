#pragma once
// What another service may ask of the rooms' boards: whether a participant may put something on a board for
// everybody, and keeping what was put there for those who join later.

#include "BoardHistory.h"

#include <cstdint>

namespace orv::server {

class ClientConnection;

class IBoardContent {
public:
    virtual ~IBoardContent() = default;
    // A public board of the member's room, and the member the lock holder.
    virtual bool mayShowOnBoard(const ClientConnection& member, std::int32_t board) = 0;
    // Kept in the board's history after what it holds; false when the history is full.
    virtual bool keep(std::int32_t room, std::int32_t board, BoardHistoryEntry entry) = 0;
};

} // namespace orv::server
