#pragma once
// The room list, room entry and room information messages of the control connection.

#include "protocol/PayloadReader.h"
#include "protocol/RoomRecords.h"
#include "protocol/SignInRecords.h"

#include <QByteArray>

#include <vector>

namespace orv {

// cmRoomList reply: the entries back to back; bytes short of a whole entry at the end are ignored.
struct TRoomListReply {
    std::vector<TRoomListEntry> entries;

    QByteArray encode() const;
    static TRoomListReply decode(PayloadReader& reader);
};

// cmEnterRoom request: the room number, whose low 16 bits also go into the header's RoomId.
struct TEnterRoomRequest {
    static constexpr std::size_t kSize = 4;

    std::int32_t room = 0;

    QByteArray encode() const;
    static TEnterRoomRequest decode(PayloadReader& reader);
};

// cmEnterRoom reply with ResultCode 0; a refusal carries no payload.
struct TRoomEntryReply {
    static constexpr std::size_t kSize = TRoomConnection::kSize + TRoomRecord::kSize + TAccountRecord::kSize;

    TRoomConnection ports;
    TRoomRecord room;
    TAccountRecord account;

    QByteArray encode() const;
    // Reads all three records or throws EPayloadError; nothing is half-filled for the caller to keep.
    static TRoomEntryReply decode(PayloadReader& reader);
};

// cmRoomInfo: the room record alone.
struct TRoomInfo {
    TRoomRecord room;

    QByteArray encode() const { return room.toByteArray(); }
    static TRoomInfo decode(PayloadReader& reader);
};

} // namespace orv
