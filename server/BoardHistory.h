#pragma once
// What each room's public boards have received, kept for participants who join later: per board the packets
// that changed it (drawing batches, text, images, slides, library images) in the order they arrived, served
// as one history of embedded packets. A clear wipes a board's history, and a slide or library image, which
// paints the whole board, starts it afresh. A board's history stays within what one control packet may carry;
// what would not fit is still relayed, but not kept.

#include "protocol/BoardMessages.h"

#include <QByteArray>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace orv::server {

struct BoardHistoryEntry {
    std::uint16_t command = 0;
    std::uint16_t userId = 0; // who acted
    QByteArray payload;
};

class BoardHistory {
public:
    // The most a board's history may hold, its packets' headers included.
    static constexpr qsizetype kMaxBytes = 30 * 1024 * 1024;

    // Keeps a packet under its board; false when the board's history is full. The caller has checked that
    // it names a public board.
    bool append(std::int32_t room, std::int32_t board, BoardHistoryEntry entry);
    // Kept as a drawing batch of its own board.
    bool append(std::int32_t room, std::uint16_t userId, const TBoardDrawingBatch& batch);
    // The board starts again from nothing, or from one packet that paints all of it.
    void restart(std::int32_t room, std::int32_t board);
    void restart(std::int32_t room, std::int32_t board, BoardHistoryEntry entry);

    const std::vector<BoardHistoryEntry>& entries(std::int32_t room, std::int32_t board) const;
    // The drawing batches among them, oldest first.
    std::vector<TBoardDrawingBatch> batches(std::int32_t room, std::int32_t board) const;
    // The answer to a history request: every kept packet as a header and its payload.
    QByteArray serve(std::int32_t room, std::int32_t board) const;

private:
    struct Board {
        std::vector<BoardHistoryEntry> entries;
        qsizetype bytes = 0;
    };
    std::map<std::pair<std::int32_t, std::int32_t>, Board> m_boards;
};

} // namespace orv::server
