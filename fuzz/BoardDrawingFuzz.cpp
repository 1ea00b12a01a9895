// Arbitrary bytes as the payload of a received drawing packet: decoded and replayed on the boards, as the
// board module does. Records that name no board, mark or pen width in range must be skipped, and nothing
// drawn may leave the images.
#include "board/Whiteboard.h"

#include <QtGlobal>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Small boards keep a run fast; one set for the whole run, so batches also meet earlier drawing.
    static orv::Whiteboard boards([](std::uint16_t, const QByteArray&) { return true; }, {200, 150});
    orv::PayloadReader reader(data, size);
    try {
        boards.ReceiveBatch(orv::TBoardDrawingBatch::decode(reader));
    } catch (const orv::EPayloadError&) {
    }
    return 0;
}
