#pragma once
// Text chat in the rooms: public messages to everyone in the sender's room (the sender included, whose client
// shows its own line only when it comes back), private ones to the addressee in the same room and back to
// the sender, notes to their addressee. Each room's chat permission level is kept here and enforced:
// participants may chat only as far as the level allows; moderators always may, and they alone change it.

#include "Service.h"

#include "protocol/ChatMessages.h"

#include <map>

namespace orv::server {

class ClientConnection;
class IServiceHost;

class ChatService final : public Service {
public:
    explicit ChatService(IServiceHost& host);

private:
    void onMessage(ClientConnection& sender, std::uint16_t command, TChatMessage message);
    void relayPublic(ClientConnection& sender, std::int32_t room, const TChatMessage& message);
    void relayToAddressee(ClientConnection& sender, std::int32_t room, std::uint16_t command,
                          const TChatMessage& message, bool echo);
    void clearNotes(ClientConnection& sender);
    void answerLevel(ClientConnection& requester);
    void setLevel(ClientConnection& sender, std::int32_t level);
    // Whether the level of the sender's room lets it send a message of this kind.
    bool mayChat(const ClientConnection& sender, std::int32_t room, TChatKind kind) const;
    std::int32_t levelOf(std::int32_t room) const;

    IServiceHost& m_host;
    std::map<std::int32_t, std::int32_t> m_levels; // by room; a room not here allows all chat
};

} // namespace orv::server
