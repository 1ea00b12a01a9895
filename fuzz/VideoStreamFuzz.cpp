// Arbitrary bytes as a video connection's stream: cut into packets with the video limits, each read as the
// record its command names. A stream description that passes is set up as a decompressor and the frames
// that follow are drawn with it. Nothing may read or write out of bounds.
#include "protocol/CommandCatalogue.h"
#include "protocol/PacketCutter.h"
#include "protocol/VideoMessages.h"
#include "video/VideoCoDec.h"

#include <QImage>

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orv::TPacketCutter cutter(orv::kMaxVideoPayload);
    cutter.Append(reinterpret_cast<const char*>(data), size);
    orv::TPacketBatch batch;
    cutter.TakeAll(batch);
    std::unique_ptr<orv::TVideoCoDec> codec;
    QImage bitmap;
    for (std::size_t i = 0; i < batch.size(); ++i) {
        const auto header = orv::TPacketHeader::decode(batch[i]);
        orv::PayloadReader reader(batch[i]);
        reader.seek(orv::TPacketHeader::kSize);
        try {
            switch (header.Command) {
            case orv::cmVideoJoin:
                orv::TVideoJoin::decode(reader);
                break;
            case orv::cmVideoPort:
                orv::TVideoPortReply::decode(reader);
                break;
            case orv::cmVideo110: {
                orv::TVideoStreamDescription d;
                d.readFrom(reader);
                orv::TBitmapInfoHeader compressed = d.Header();
                orv::TBitmapInfoHeader output;
                codec = std::make_unique<orv::TVideoCoDec>();
                if (!codec->InitDecompressor(compressed, output, 1000, int(d.KeyFrameRate())) ||
                    !codec->DecompressBegin())
                    codec.reset();
                break;
            }
            case orv::cmVideo112: {
                const orv::TVideoFrame frame = orv::TVideoFrame::decode(reader);
                if (codec)
                    codec->DrawFrame(QByteArrayView(frame.data), frame.record.keyFrame, &bitmap);
                break;
            }
            default:
                break;
            }
        } catch (const orv::EPayloadError&) {
        }
    }
    return 0;
}
