// Arbitrary bytes as what a viewer receives of a sharing session: the first byte picks the message, the rest
// is its payload. Screen images are painted into a 1024 x 768 picture through the tile walker and the PNG
// decoder, pointer messages decoded into the pointer image; tile versions and the sharing record are read
// as the server reads them. Nothing may read or write out of bounds.
#include "appshare/AppShareObject.h"
#include "appshare/CursorRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const QByteArrayView payload(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    static orv::TAppShareObject viewer(1024, 768, 3, 20, 7);
    try {
        switch (data[0] % 4) {
        case 0: {
            orv::TScreenTileWalker walker(payload);
            while (const auto tile = walker.next())
                if (viewer.PaintTile(*tile) == orv::TTilePaint::Failed)
                    break;
            break;
        }
        case 1: {
            orv::PayloadReader reader(payload);
            const orv::TCursorMessage message = orv::TCursorMessage::decode(reader);
            orv::DecodeCursorImage(message.png);
            break;
        }
        case 2: {
            orv::PayloadReader reader(payload);
            orv::TTileVersions::decode(reader);
            break;
        }
        default: {
            orv::PayloadReader reader(payload);
            orv::TSharingRecord record;
            record.readFrom(reader);
            if (record.GeometryValid() && record.Width() <= 256 && record.Height() <= 256)
                orv::TAppShareObject(record.Width(), record.Height(), record.Columns(), record.Rows(),
                                     record.PixelFormat());
            break;
        }
        }
    } catch (const orv::EPayloadError&) {
    }
    return 0;
}
