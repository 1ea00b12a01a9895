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

qsizetype TPacketCutter::WholeAt(std::size_t at) {
    const std::size_t held = std::size_t(m_buffer.size()) - at;
    if (held < TPacketHeader::kSize)
        return 0;
    const TPacketHeader header =
        TPacketHeader::decode(reinterpret_cast<const std::uint8_t*>(m_buffer.constData()) + at);
    if (!m_headerChecked) {
        if (header.DataSize > m_maxPayload || (m_check && !m_check(header))) {
            m_refused = true;
            return -1;
        }
        m_headerChecked = true;
    }
    const std::size_t length = TPacketHeader::kSize + header.payloadSize();
    return held < length ? 0 : qsizetype(length);
}

TPacketCutter::TCut TPacketCutter::Next(QByteArray& packet) {
    if (m_refused)
        return TCut::Refused;
    const qsizetype length = WholeAt(m_read);
    if (length < 0) {
        m_buffer.clear();
        m_read = 0;
        return TCut::Refused;
    }
    if (length == 0)
        return TCut::NeedMore;
    packet = m_buffer.mid(qsizetype(m_read), length);
    m_read += std::size_t(length);
    m_headerChecked = false;
    return TCut::Packet;
}

TPacketCutter::TCut TPacketCutter::TakeAll(TPacketBatch& batch) {
    batch.clear();
    if (m_refused)
        return TCut::Refused;
    std::size_t end = m_read;
    qsizetype length = 0;
    while ((length = WholeAt(end)) > 0) {
        batch.m_spans.push_back({qsizetype(end), length});
        end += std::size_t(length);
        m_headerChecked = false;
    }
    if (!batch.m_spans.empty()) {
        // The batch keeps the buffer as it is; only the partial packet after it is copied to go on with.
        QByteArray rest = m_buffer.sliced(qsizetype(end));
        batch.m_bytes = std::exchange(m_buffer, std::move(rest));
        m_read = 0;
    }
    if (length < 0) {
        m_buffer.clear();
        m_read = 0;
        return TCut::Refused;
    }
    return batch.empty() ? TCut::NeedMore : TCut::Packet;
}

QByteArray TPacketCutter::TakePending() {
    QByteArray rest = m_buffer.mid(qsizetype(m_read));
    m_buffer.clear();
    m_read = 0;
    return rest;
}

} // namespace orv
