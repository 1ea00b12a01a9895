#pragma once
// What each room's public boards have received, kept for participants who join later: the drawing batches
// of each board in the order they arrived.

#include "protocol/BoardMessages.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace orv::server {

class BoardHistory {
public:
    // Keeps a batch under its own board; the caller has checked that it names a public board.
    void append(std::int32_t room, const TBoardDrawingBatch& batch);
    // The batches one board of one room received, oldest first; empty for a board nothing was drawn on.
    const std::vector<TBoardDrawingBatch>& batches(std::int32_t room, std::int32_t board) const;

private:
    std::map<std::pair<std::int32_t, std::int32_t>, std::vector<TBoardDrawingBatch>> m_batches;
};

} // namespace orv::server
