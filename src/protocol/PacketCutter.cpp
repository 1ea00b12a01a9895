#include "protocol/PacketCutter.h"

namespace orv {

void TPacketCutter::Append(const char* data, std::size_t size) {
    if (m_refused || size == 0)
        return;
    // Drop what was cut before the buffer grows, so it holds at most one partial packet and one read.
    if (m_read > 0 &&
        (m_read == std::size_t(m_buffer.size()) || m_read >= std::size_t(m_buffer.size()) / 2)) {
        m_buffer.remove(0, qsizetype(m_read));
        m_read = 0;
    }
    m_buffer.append(data, qsizetype(size));
}

TPacketCutter::TCut TPacketCutter::Next(QByteArray& packet) {
    if (m_refused)
        return TCut::Refused;
    if (Pending() < TPacketHeader::kSize)
        return TCut::NeedMore;
    const auto* start = reinterpret_cast<const std::uint8_t*>(m_buffer.constData()) + m_read;
    const TPacketHeader header = TPacketHeader::decode(start);
    if (!m_headerChecked) {
        if (header.DataSize > m_maxPayload || (m_check && !m_check(header))) {
            m_refused = true;
            m_buffer.clear();
            m_read = 0;
            return TCut::Refused;
        }
        m_headerChecked = true;
    }
    const std::size_t length = TPacketHeader::kSize + header.payloadSize();
    if (Pending() < length)
        return TCut::NeedMore;
    packet = m_buffer.mid(qsizetype(m_read), qsizetype(length));
    m_read += length;
    m_headerChecked = false;
    return TCut::Packet;
}

QByteArray TPacketCutter::TakePending() {
    QByteArray rest = m_buffer.mid(qsizetype(m_read));
    m_buffer.clear();
    m_read = 0;
    return rest;
}

} // namespace orv
