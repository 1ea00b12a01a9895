#pragma once
// Polls in the rooms: a poll, wake-up call or connectivity check (cmPoll) from a moderator goes to everyone
// else in the room, or to the one participant it names; an answer (cmPollAnswer) goes to the poll's
// sender, and an acknowledgement (cmAcknowledge) to the participant it names, each only within the room.

#include "Service.h"

#include "protocol/PollMessages.h"

#include <cstdint>

namespace orv::server {

class ClientConnection;
class IServiceHost;

class PollService final : public Service {
public:
    explicit PollService(IServiceHost& host);

private:
    void relayPoll(ClientConnection& sender, TPollRecord record);
    // Sends to `userId` when it is in the sender's room; false (and logged) otherwise.
    bool relayToMember(ClientConnection& sender, std::uint16_t userId, std::uint16_t command,
                       const QByteArray& payload);

    IServiceHost& m_host;
};

} // namespace orv::server
