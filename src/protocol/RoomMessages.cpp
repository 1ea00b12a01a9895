#include "protocol/RoomMessages.h"

#include "protocol/WireFormat.h"

namespace orv {

QByteArray TRoomListReply::encode() const {
    QByteArray bytes;
    bytes.reserve(qsizetype(entries.size() * TRoomListEntry::kSize));
    for (const TRoomListEntry& entry : entries)
        bytes += entry.toByteArray();
    return bytes;
}

TRoomListReply TRoomListReply::decode(PayloadReader& reader) {
    TRoomListReply reply;
    reply.entries.reserve(reader.remaining() / TRoomListEntry::kSize);
    while (reader.remaining() >= TRoomListEntry::kSize) {
        TRoomListEntry entry;
        entry.readFrom(reader);
        reply.entries.push_back(entry);
    }
    return reply;
}

QByteArray TEnterRoomRequest::encode() const {
    return wire::bytesOf(room);
}

TEnterRoomRequest TEnterRoomRequest::decode(PayloadReader& reader) {
    return {reader.i32()};
}

QByteArray TRoomEntryReply::encode() const {
    return ports.toByteArray() + room.toByteArray() + account.toByteArray();
}

TRoomEntryReply TRoomEntryReply::decode(PayloadReader& reader) {
    TRoomEntryReply reply;
    reply.ports.readFrom(reader);
    reply.room.readFrom(reader);
    reply.account.readFrom(reader);
    return reply;
}

TRoomInfo TRoomInfo::decode(PayloadReader& reader) {
    TRoomInfo info;
    info.room.readFrom(reader);
    return info;
}

} // namespace orv
