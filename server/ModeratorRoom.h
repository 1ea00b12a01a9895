#pragma once
// The room of a member who sends a moderator's command; none when the member is in no room or is no
// moderator, who is then told NoPermission.

#include <cstdint>
#include <optional>

namespace orv::server {

class ClientConnection;
class IServiceHost;

std::optional<std::int32_t> ModeratorRoom(IServiceHost& host, ClientConnection& from, std::uint16_t command);

} // namespace orv::server
