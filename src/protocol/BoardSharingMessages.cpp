#include "protocol/BoardSharingMessages.h"

#include "protocol/WireFormat.h"

namespace orv {

namespace {

// A count read from the wire that the rest of the payload must hold.
std::size_t BoundedCount(std::int32_t count, const PayloadReader& reader, const char* what) {
    if (count < 0 || std::size_t(count) > reader.remaining())
        throw EPayloadError(what);
    return std::size_t(count);
}

} // namespace

QByteArray TBoardIndexMessage::encode() const {
    return wire::bytesOf(board);
}

TBoardIndexMessage TBoardIndexMessage::decode(PayloadReader& reader) {
    return {reader.i32()};
}

QByteArray TBoardAccessMessage::encode() const {
    return wire::bytesOf(userId);
}

TBoardAccessMessage TBoardAccessMessage::decode(PayloadReader& reader) {
    return {reader.u16()};
}

QByteArray TPointerMessage::encode() const {
    return wire::bytesOf(x) + wire::bytesOf(y) + wire::bytesOf(board) + wire::bytesOf(kind);
}

TPointerMessage TPointerMessage::decode(PayloadReader& reader) {
    TPointerMessage m;
    m.x = reader.u16();
    m.y = reader.u16();
    m.board = reader.u16();
    m.kind = reader.u16();
    return m;
}

QByteArray TBoardTextMessage::encode() const {
    QByteArray block(text.size() * 2 + 3, '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        wire::store(reinterpret_cast<std::uint8_t*>(block.data()) + 2 * i, text[i].unicode());
    TBoardTextRecord r = record;
    r.SetByteCount(std::int32_t(block.size()));
    return wire::bytesOf(board) + r.toByteArray() + block;
}

TBoardTextMessage TBoardTextMessage::decode(PayloadReader& reader) {
    TBoardTextMessage m;
    m.board = reader.i32();
    m.record.readFrom(reader);
    m.text = reader.wideText(BoundedCount(m.record.ByteCount(), reader, "text beyond the payload"));
    if (const qsizetype end = m.text.indexOf(QChar(0)); end >= 0)
        m.text.truncate(end);
    return m;
}

TBoardTextAnsiMessage TBoardTextAnsiMessage::decode(PayloadReader& reader) {
    TBoardTextAnsiMessage m;
    m.board = reader.i32();
    m.record.readFrom(reader);
    return m;
}

QByteArray TBoardImageMessage::encode() const {
    TBoardImageRecord r = record;
    r.SetJpegSize(std::int32_t(jpeg.size()));
    return wire::bytesOf(board) + r.toByteArray() + jpeg;
}

TBoardImageMessage TBoardImageMessage::decode(PayloadReader& reader) {
    TBoardImageMessage m;
    m.board = reader.i32();
    m.record.readFrom(reader);
    m.jpeg = reader.bytes(BoundedCount(m.record.JpegSize(), reader, "image beyond the payload"));
    return m;
}

QByteArray TBoardPictureMessage::encode() const {
    return wire::bytesOf(board) + record.toByteArray() + jpeg;
}

TBoardPictureMessage TBoardPictureMessage::decode(PayloadReader& reader) {
    TBoardPictureMessage m;
    m.board = reader.i32();
    m.record.readFrom(reader);
    if (m.record.FileSize() > 0)
        m.jpeg = reader.bytes(BoundedCount(m.record.FileSize(), reader, "picture beyond the payload"));
    return m;
}

TBoardPictureMessage TBoardPictureMessage::decodeRequest(PayloadReader& reader) {
    TBoardPictureMessage m;
    m.board = reader.i32();
    m.record.readFrom(reader);
    return m;
}

QByteArray EmbedPacket(std::uint16_t command, std::uint16_t userId, const QByteArray& payload) {
    TPacketHeader header;
    header.Command = command;
    header.UserId = userId;
    header.DataSize = std::int32_t(payload.size());
    return header.toByteArray() + payload;
}

std::optional<TEmbeddedPacket> TBoardHistoryWalker::next() {
    const qsizetype left = m_history.size() - m_position;
    if (left <= 0 || m_broken)
        return std::nullopt;
    if (left < qsizetype(TPacketHeader::kSize)) {
        m_broken = true;
        return std::nullopt;
    }
    TEmbeddedPacket packet;
    packet.header =
        TPacketHeader::decode(reinterpret_cast<const std::uint8_t*>(m_history.data()) + m_position);
    const qsizetype size = packet.header.DataSize;
    if (size < 0 || size > left - qsizetype(TPacketHeader::kSize)) {
        m_broken = true;
        return std::nullopt;
    }
    packet.payload = m_history.sliced(m_position + qsizetype(TPacketHeader::kSize), size).toByteArray();
    m_position += qsizetype(TPacketHeader::kSize) + size;
    return packet;
}

} // namespace orv
