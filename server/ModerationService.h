#pragma once
// Moderation in the rooms: moderators give and take microphones, remove participants and change account
// types, and clear everybody's motions and requests; anyone else asking is refused (NoPermission). Every
// member's signals and requests go to the whole room, the sender included; the status list follows them. A
// removed participant is told who removed them and why, then disconnected.

#include "Service.h"

#include "protocol/IncomingPacket.h"

#include <cstdint>
#include <optional>

namespace orv::server {

class ClientConnection;
class IParticipantStates;
class IServiceHost;

class ModerationService final : public Service {
public:
    // `states` are the ones the status list reports, which follow what takes effect here.
    ModerationService(IServiceHost& host, IParticipantStates& states);

private:
    // The room of a moderator asking for `command`; none, with the refusal told, for anyone else or outside
    // a room.
    ClientConnection* memberOf(std::int32_t room, std::uint16_t userId) const;

    void setMicrophone(ClientConnection& from, const TIncomingPacket& packet);
    void remove(ClientConnection& from, const TIncomingPacket& packet);
    void setAccountType(ClientConnection& from, const TIncomingPacket& packet);
    void relaySignal(ClientConnection& from, const TIncomingPacket& packet);
    void relayRequest(ClientConnection& from, const TIncomingPacket& packet);
    void clearMotions(ClientConnection& from);

    IServiceHost& m_host;
    IParticipantStates& m_states;
};

} // namespace orv::server
