#include "protocol/VideoMessages.h"

#include "protocol/WireFormat.h"

namespace orv {

TBitmapInfoHeader TBitmapInfoHeader::Rgb24(std::int32_t width, std::int32_t height) {
    TBitmapInfoHeader h;
    h.SetSize(40);
    h.SetWidth(width);
    h.SetHeight(height);
    h.SetPlanes(1);
    h.SetBitCount(24);
    h.SetSizeImage(std::uint32_t(RowBytes(width) * height));
    return h;
}

void TVideoStreamDescription::SetHeader(const TBitmapInfoHeader& h) {
    QByteArray all = toByteArray();
    std::memcpy(all.data(), h.bytes().data(), TBitmapInfoHeader::kSize);
    fromBytes(reinterpret_cast<const std::uint8_t*>(all.constData()));
}

QByteArray TVideoFrameRecord::encode() const {
    QByteArray out(kSize, '\0');
    auto* p = reinterpret_cast<std::uint8_t*>(out.data());
    p[0] = keyFrame ? 1 : 0;
    wire::store(p + 1, byteCount);
    wire::store(p + 9, sequence);
    return out;
}

TVideoFrameRecord TVideoFrameRecord::decode(PayloadReader& reader) {
    TVideoFrameRecord r;
    r.keyFrame = reader.u8() == 1;
    r.byteCount = reader.i32();
    reader.skip(4);
    r.sequence = reader.i32();
    return r;
}

QByteArray TVideoFrame::encode() const {
    TVideoFrameRecord r = record;
    r.byteCount = std::int32_t(data.size());
    return r.encode() + data;
}

TVideoFrame TVideoFrame::decode(PayloadReader& reader) {
    TVideoFrame f;
    f.record = TVideoFrameRecord::decode(reader);
    if (f.record.byteCount < 0 || std::size_t(f.record.byteCount) != reader.remaining())
        throw EPayloadError("frame byte count differs from the payload");
    f.data = reader.bytes(std::size_t(f.record.byteCount));
    return f;
}

QByteArray TVideoJoin::encode() const {
    return signOn.toByteArray() + wire::bytesOf(room) + wire::bytesOf(mode);
}

TVideoJoin TVideoJoin::decode(PayloadReader& reader) {
    TVideoJoin j;
    j.signOn.readFrom(reader);
    j.room = reader.u16();
    j.mode = reader.i32();
    return j;
}

QByteArray TVideoWatch::encode() const {
    return wire::bytesOf(userId);
}

TVideoWatch TVideoWatch::decode(PayloadReader& reader) {
    return {reader.u16()};
}

QByteArray TVideoPortReply::encode() const {
    return wire::bytesOf(port) + wire::bytesOf(second);
}

TVideoPortReply TVideoPortReply::decode(PayloadReader& reader) {
    TVideoPortReply r;
    r.port = reader.i32();
    r.second = reader.i32();
    return r;
}

} // namespace orv
