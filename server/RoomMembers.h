#pragma once
// Who is in which room: the one record the capacity checks and room sends read. A connection is in at most
// one room. The server updates it on room entry, when a newer sign-in replaces a connection and on
// disconnect.

#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

namespace orv::server {

class ClientConnection;

class RoomMembers {
public:
    // Puts the client in `room`, taking it out of the room it was in; entering the same room again keeps
    // its place.
    void enter(ClientConnection& client, std::int32_t room);
    // Takes the client out of its room, if it is in one.
    void leave(const ClientConnection& client);

    std::optional<std::int32_t> roomOf(const ClientConnection& client) const;
    std::size_t count(std::int32_t room) const;
    // In order of entry. A copy: sending to one member may drop it and so change the room.
    std::vector<ClientConnection*> in(std::int32_t room) const;

private:
    std::map<std::int32_t, std::vector<ClientConnection*>> m_byRoom;
    std::unordered_map<const ClientConnection*, std::int32_t> m_roomOf;
};

} // namespace orv::server
