#pragma once
// The whiteboard's messages of the control connection.

#include "protocol/BoardRecords.h"
#include "protocol/PayloadReader.h"

#include <QByteArray>

namespace orv {

// cmBoardDrawing, both directions: the sender's current board, then the records of one gesture in drawing
// order. Bytes short of a whole record at the end are ignored.
struct TBoardDrawingBatch {
    std::int32_t board = 0;
    TBBPackage items;

    QByteArray encode() const;
    static TBoardDrawingBatch decode(PayloadReader& reader);
};

} // namespace orv
