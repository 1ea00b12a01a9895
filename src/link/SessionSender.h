#pragma once
// How a subsystem sends: a packet from this user in the current room, queued for the writer.

#include <QByteArray>

#include <cstdint>

namespace orv {

class TSessionLink;
struct TSessionState;

class ISessionSender {
public:
    virtual ~ISessionSender() = default;
    // Queues the packet; false (and dropped) while the connection is down.
    virtual bool Send(std::uint16_t command, const QByteArray& payload = {}) = 0;
};

// Fills UserId and RoomId from the session's account record at the moment of sending.
class TSessionSender final : public ISessionSender {
public:
    TSessionSender(TSessionLink& link, const TSessionState& state) : m_link(link), m_state(state) {}
    bool Send(std::uint16_t command, const QByteArray& payload = {}) override;

private:
    TSessionLink& m_link;
    const TSessionState& m_state;
};

} // namespace orv
