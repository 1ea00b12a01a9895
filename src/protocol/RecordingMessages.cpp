#include "protocol/RecordingMessages.h"

namespace orv {

QByteArray TRecordingList::encode() const {
    QByteArray out;
    out.reserve(qsizetype(recordings.size() * TRecordedSessionHeader::kSize));
    for (const TRecordedSessionHeader& h : recordings)
        out += h.toByteArray();
    return out;
}

TRecordingList TRecordingList::decode(PayloadReader& reader) {
    TRecordingList list;
    while (reader.remaining() >= TRecordedSessionHeader::kSize)
        list.recordings.push_back(TRecordedSessionHeader::decode(reader));
    return list;
}

TRecordedSessionHeader OpenRecordingRequest(std::int32_t sessionId, double now) {
    TRecordedSessionHeader h;
    h.SetSessionId(sessionId);
    h.SetRecorded(now);
    h.SetSecondDate(now);
    return h;
}

QByteArray TRecordedPacket::encode() const {
    TPacketHeader h = header;
    h.DataSize = std::int32_t(payload.size());
    return PacketToStream(h, payload.constData(), std::size_t(payload.size()));
}

TRecordedPacket TRecordedPacket::decode(PayloadReader& reader) {
    TRecordedPacket packet;
    std::uint8_t bytes[TPacketHeader::kSize];
    reader.copyTo(bytes, sizeof bytes);
    packet.header = TPacketHeader::decode(bytes);
    if (packet.header.DataSize < 0)
        throw EPayloadError("recorded packet with a negative size");
    packet.payload = reader.bytes(std::size_t(packet.header.DataSize));
    return packet;
}

} // namespace orv
