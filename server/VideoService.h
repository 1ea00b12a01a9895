#pragma once
// Webcam video on the control connection: the video port request (113), and the notices that a participant
// started (107) or stopped (108) broadcasting, sent to the room. Owns the video port. Broadcasting needs
// moderator rights in a room that allows video; watching, a place in the room.

#include "Service.h"
#include "ServiceHost.h"
#include "VideoRelay.h"

#include <map>

namespace orv::server {

class VideoService final : public Service, private VideoHost {
public:
    explicit VideoService(IServiceHost& host);
    ~VideoService() override;

    std::uint16_t port() const { return m_relay.port(); }

private:
    std::uint16_t admit(const TVideoJoin& join) const override;
    void broadcastChanged(std::uint16_t user, bool started) override;
    void log(const QString& line) const override { m_host.log(line); }

    IServiceHost& m_host;
    std::map<std::uint16_t, ClientConnection*> m_members; // control connections of the users in rooms
    VideoRelay m_relay{*this};
};

} // namespace orv::server
