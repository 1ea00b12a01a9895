#pragma once
// Application sharing: one session per room, started by a moderator of a room that allows sharing (a second
// host is refused with 43). The host's screen updates (90) go to everyone else as 91 and its pointer (94)
// as 93; the server keeps the current tiles and pointer so that a participant who comes later, or asks
// again, gets the whole picture. Control goes from the host to one viewer (103, 104), whose input (105)
// alone reaches the host.

#include "Service.h"
#include "ServiceHost.h"

#include "protocol/AppShareMessages.h"

#include <map>
#include <vector>

namespace orv::server {

class AppShareService final : public Service {
public:
    explicit AppShareService(IServiceHost& host);

private:
    struct Session {
        ClientConnection* host = nullptr;
        TSharingRecord record;
        std::map<std::int32_t, TScreenTile> tiles; // the current tile of each index that has one
        QByteArray pointer;                        // the last pointer message, as sent on
        std::uint16_t controller = 0;              // the viewer in control, 0 for none
    };

    void addState(std::int32_t room, std::vector<RoomStatePacket>& state) const;
    Session* sessionOf(const ClientConnection& member);
    Session* hostedBy(const ClientConnection& host);
    void start(ClientConnection& host, const TIncomingPacket& p);
    void end(std::int32_t room);
    void screenUpdate(ClientConnection& host, const TIncomingPacket& p);
    void pointer(ClientConnection& host, const TIncomingPacket& p);
    void sharingState(ClientConnection& requester);
    void sendTiles(ClientConnection& viewer, const Session& session,
                   const std::vector<std::int32_t>* versions);
    void giveControl(ClientConnection& host, const TIncomingPacket& p);
    void takeControl(ClientConnection& host);
    void remoteInput(ClientConnection& viewer, const TIncomingPacket& p);

    IServiceHost& m_host;
    std::map<std::int32_t, Session> m_sessions; // by room
};

} // namespace orv::server
