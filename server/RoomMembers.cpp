#include "RoomMembers.h"

#include <algorithm>

namespace orv::server {

void RoomMembers::enter(ClientConnection& client, std::int32_t room) {
    if (roomOf(client) == room)
        return;
    leave(client);
    m_byRoom[room].push_back(&client);
    m_roomOf[&client] = room;
}

void RoomMembers::leave(const ClientConnection& client) {
    const auto it = m_roomOf.find(&client);
    if (it == m_roomOf.end())
        return;
    auto members = m_byRoom.find(it->second);
    std::erase(members->second, &client);
    if (members->second.empty())
        m_byRoom.erase(members);
    m_roomOf.erase(it);
}

std::optional<std::int32_t> RoomMembers::roomOf(const ClientConnection& client) const {
    const auto it = m_roomOf.find(&client);
    if (it == m_roomOf.end())
        return std::nullopt;
    return it->second;
}

std::size_t RoomMembers::count(std::int32_t room) const {
    const auto it = m_byRoom.find(room);
    return it == m_byRoom.end() ? 0 : it->second.size();
}

std::vector<ClientConnection*> RoomMembers::in(std::int32_t room) const {
    const auto it = m_byRoom.find(room);
    return it == m_byRoom.end() ? std::vector<ClientConnection*>{} : it->second;
}

} // namespace orv::server
