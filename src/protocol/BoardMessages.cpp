#include "protocol/BoardMessages.h"

#include "protocol/WireFormat.h"

namespace orv {

QByteArray TBoardDrawingBatch::encode() const {
    QByteArray bytes = wire::bytesOf(board);
    bytes.reserve(qsizetype(4 + items.size() * TBBItem::kSize));
    for (const TBBItem& item : items)
        bytes += item.toByteArray();
    return bytes;
}

TBoardDrawingBatch TBoardDrawingBatch::decode(PayloadReader& reader) {
    TBoardDrawingBatch batch;
    batch.board = reader.i32();
    batch.items.reserve(reader.remaining() / TBBItem::kSize);
    while (reader.remaining() >= TBBItem::kSize) {
        TBBItem item;
        item.readFrom(reader);
        batch.items.push_back(item);
    }
    return batch;
}

} // namespace orv
