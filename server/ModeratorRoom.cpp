#include "ModeratorRoom.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServiceHost.h"

#include "protocol/ResultCodes.h"

namespace orv::server {

std::optional<std::int32_t> ModeratorRoom(IServiceHost& host, ClientConnection& from, std::uint16_t command) {
    const std::optional<std::int32_t> room = host.members().roomOf(from);
    if (!room)
        return std::nullopt;
    if (!host.rights().isModerator(from)) {
        host.log(QString("%1 may not send command %2").arg(from.who()).arg(command));
        host.reply(from, {command, {}, ResultCode::NoPermission});
        return std::nullopt;
    }
    return room;
}

} // namespace orv::server
