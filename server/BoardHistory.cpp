#include "BoardHistory.h"

namespace orv::server {

void BoardHistory::append(std::int32_t room, const TBoardDrawingBatch& batch) {
    m_batches[{room, batch.board}].push_back(batch);
}

const std::vector<TBoardDrawingBatch>& BoardHistory::batches(std::int32_t room, std::int32_t board) const {
    static const std::vector<TBoardDrawingBatch> none;
    const auto found = m_batches.find({room, board});
    return found == m_batches.end() ? none : found->second;
}

} // namespace orv::server
