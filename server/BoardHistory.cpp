#include "BoardHistory.h"

#include "protocol/BoardSharingMessages.h"
#include "protocol/CommandCatalogue.h"

namespace orv::server {

namespace {

qsizetype EmbeddedSize(const BoardHistoryEntry& entry) {
    return qsizetype(TPacketHeader::kSize) + entry.payload.size();
}

} // namespace

bool BoardHistory::append(std::int32_t room, std::int32_t board, BoardHistoryEntry entry) {
    Board& kept = m_boards[{room, board}];
    if (kept.bytes + EmbeddedSize(entry) > kMaxBytes)
        return false;
    kept.bytes += EmbeddedSize(entry);
    kept.entries.push_back(std::move(entry));
    return true;
}

bool BoardHistory::append(std::int32_t room, std::uint16_t userId, const TBoardDrawingBatch& batch) {
    return append(room, batch.board, {cmBoardDrawing, userId, batch.encode()});
}

void BoardHistory::restart(std::int32_t room, std::int32_t board) {
    m_boards.erase({room, board});
}

void BoardHistory::restart(std::int32_t room, std::int32_t board, BoardHistoryEntry entry) {
    restart(room, board);
    append(room, board, std::move(entry));
}

const std::vector<BoardHistoryEntry>& BoardHistory::entries(std::int32_t room, std::int32_t board) const {
    static const std::vector<BoardHistoryEntry> none;
    const auto found = m_boards.find({room, board});
    return found == m_boards.end() ? none : found->second.entries;
}

std::vector<TBoardDrawingBatch> BoardHistory::batches(std::int32_t room, std::int32_t board) const {
    std::vector<TBoardDrawingBatch> batches;
    for (const BoardHistoryEntry& entry : entries(room, board))
        if (entry.command == cmBoardDrawing) {
            PayloadReader reader(entry.payload);
            batches.push_back(TBoardDrawingBatch::decode(reader));
        }
    return batches;
}

QByteArray BoardHistory::serve(std::int32_t room, std::int32_t board) const {
    QByteArray history;
    for (const BoardHistoryEntry& entry : entries(room, board))
        history += EmbedPacket(entry.command, entry.userId, entry.payload);
    return history;
}

} // namespace orv::server
