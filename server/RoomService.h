#pragma once
// The room list and room entry; a room's state starts with the entry reply.

#include "protocol/RoomMessages.h"
#include "protocol/RoomRecords.h"

#include "ServerConfig.h"
#include "Service.h"

namespace orv::server {

class ClientConnection;
class IServiceHost;

TRoomListEntry makeRoomListEntry(const RoomConfig& room);
TRoomRecord makeRoomRecord(const RoomConfig& room);

class RoomService final : public Service {
public:
    explicit RoomService(IServiceHost& host);

private:
    // ResultCode::Success when the client may enter, else the code that refuses it.
    std::uint16_t admission(const ClientConnection& client, const RoomConfig* room) const;
    void answerRoomList(ClientConnection& client);
    void answerEnterRoom(ClientConnection& client, std::int32_t number);
    // The reply that puts `account` into the room as the room is now.
    TRoomEntryReply entryReply(const RoomConfig& room, const TAccountRecord& account) const;

    IServiceHost& m_host;
};

} // namespace orv::server
