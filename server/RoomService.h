#pragma once
// The room list and room entry.

#include "protocol/RoomRecords.h"

#include "ServerConfig.h"

namespace orv::server {

class ClientConnection;
class SessionServer;

TRoomListEntry makeRoomListEntry(const RoomConfig& room);
TRoomRecord makeRoomRecord(const RoomConfig& room);

class RoomService {
public:
    explicit RoomService(SessionServer& server);

    // 0 when the client may enter, else the result code that refuses it.
    std::uint16_t admission(const ClientConnection& client, const RoomConfig* room) const;

private:
    void answerRoomList(ClientConnection& client);
    void answerEnterRoom(ClientConnection& client, std::int32_t number);

    SessionServer& m_server;
};

} // namespace orv::server
