#include "VoiceService.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "ServerConfig.h"
#include "VoiceFloor.h"

#include <algorithm>

namespace orv::server {

VoiceService::VoiceService(IServiceHost& host) : m_host(host) {
    host.registerHandler({cmTakeMicrophone}, 0,
                         [this](ClientConnection& from, const TIncomingPacket&) { take(from); });
    host.registerHandler({cmReleaseMicrophone}, 0,
                         [this](ClientConnection& from, const TIncomingPacket&) { release(from); });
    host.registerMembershipHandler([this](ClientConnection& member, std::int32_t room, MemberChange change) {
        if (change == MemberChange::Left && m_host.voiceFloor().release(room, member.account().UserId()))
            m_host.sendToRoom(room, member, {cmReleaseMicrophone, {}});
    });
}

int VoiceService::microphones(std::int32_t room) const {
    const auto& rooms = m_host.config().rooms;
    const auto it = rooms.find(room);
    return it == rooms.end() ? 1 : std::max(1, it->second.microphones);
}

void VoiceService::take(ClientConnection& from) {
    const auto room = m_host.members().roomOf(from);
    if (!room)
        return;
    if (m_host.voiceFloor().take(*room, from.account().UserId(), microphones(*room)))
        m_host.sendToRoom(*room, from, {cmTakeMicrophone, {}});
    else
        m_host.reply(from, {cmTakeMicrophone, {}, ResultCode::NoFreeMicrophone});
}

void VoiceService::release(ClientConnection& from) {
    const auto room = m_host.members().roomOf(from);
    if (room && m_host.voiceFloor().release(*room, from.account().UserId()))
        m_host.sendToRoom(*room, from, {cmReleaseMicrophone, {}});
    else
        m_host.reply(from, {cmReleaseMicrophone, {}}); // not talking: only the asker hears of it
}

} // namespace orv::server
