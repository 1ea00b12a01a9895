#pragma once
// Cuts whole packets out of a byte stream that arrives in pieces of any size: several packets in one piece,
// or one packet over many. Memory grows only with the bytes that arrived, never with what a header claims; a
// size beyond the limit is refused as soon as its header is complete. Every stream reader of the program uses
// it.

#include "protocol/PacketHeader.h"

#include <QByteArray>

#include <cstdint>
#include <functional>

namespace orv {

class TPacketCutter {
public:
    enum class TCut { NeedMore, Packet, Refused };
    // Asked once a header is complete, before its payload arrives; false refuses the packet.
    using THeaderCheck = std::function<bool(const TPacketHeader&)>;

    // Refuses a payload above `maxPayload`, and a header `check` turns down.
    explicit TPacketCutter(std::int32_t maxPayload, THeaderCheck check = {})
        : m_maxPayload(maxPayload), m_check(std::move(check)) {}

    void Append(const char* data, std::size_t size);
    void Append(const QByteArray& bytes) { Append(bytes.constData(), std::size_t(bytes.size())); }

    // The next whole packet (header and payload) into `packet`. After Refused the cutter takes no more.
    TCut Next(QByteArray& packet);

    // The bytes held that are not cut yet.
    std::size_t Pending() const { return std::size_t(m_buffer.size()) - m_read; }
    // Takes the bytes not cut yet, for a reader that goes on reading another way.
    QByteArray TakePending();

private:
    std::int32_t m_maxPayload;
    THeaderCheck m_check;
    bool m_headerChecked = false; // the header at m_read passed the check
    QByteArray m_buffer;
    std::size_t m_read = 0; // where the uncut bytes start
    bool m_refused = false;
};

} // namespace orv
