#pragma once
// Moderation in the rooms: moderators give and take microphones, remove participants and change account
// types, and clear everybody's motions and requests; anyone else asking is refused (NoPermission). Every
// member's signals go to the whole room, the sender included; requests go to the room's moderators, with
// the text of the menu item that sent them. The room's rights follow them all. A withdrawn microphone ends
// its holder's turn to speak. A removed participant is told who removed them and why, then disconnected.

#include "Service.h"

#include "protocol/IncomingPacket.h"

#include <cstdint>
#include <optional>

namespace orv::server {

class ClientConnection;
class IServiceHost;

class ModerationService final : public Service {
public:
    explicit ModerationService(IServiceHost& host);

private:
    ClientConnection* memberOf(std::int32_t room, std::uint16_t userId) const;

    void setMicrophone(ClientConnection& from, const TIncomingPacket& packet);
    void remove(ClientConnection& from, const TIncomingPacket& packet);
    void setAccountType(ClientConnection& from, const TIncomingPacket& packet);
    void relaySignal(ClientConnection& from, const TIncomingPacket& packet);
    void relayRequest(ClientConnection& from, const TIncomingPacket& packet);
    void clearMotions(ClientConnection& from);

    // Ends the speaking of a member who may no longer talk, told to the room as if it had stopped.
    void endSpeaking(std::int32_t room, ClientConnection& member);

    IServiceHost& m_host;
};

} // namespace orv::server
