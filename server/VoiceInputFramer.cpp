#include "VoiceInputFramer.h"

#include <algorithm>

namespace orv::server {

void VoiceInputFramer::feed(const char* data, qsizetype size) {
    if (m_stopped)
        return;
    if (!m_signedOn) {
        const qsizetype take = std::min<qsizetype>(size, qsizetype(TVoiceSignOn::kSize) - m_signOn.size());
        m_signOn.append(data, take);
        data += take;
        size -= take;
        if (m_signOn.size() < qsizetype(TVoiceSignOn::kSize))
            return;
        m_signedOn = true;
        TVoiceSignOn signOn;
        signOn.fromBytes(reinterpret_cast<const std::uint8_t*>(m_signOn.constData()));
        m_sink.onSignOn(signOn);
        if (m_stopped)
            return;
    }
    m_cutter.Append(data, std::size_t(size));
    QByteArray packet;
    for (;;) {
        switch (m_cutter.Next(packet)) {
        case TPacketCutter::TCut::NeedMore:
            return;
        case TPacketCutter::TCut::Refused:
            m_stopped = true;
            m_sink.onMalformed("voice frame beyond the size limit");
            return;
        case TPacketCutter::TCut::Packet:
            m_sink.onFrame(TPacketHeader::decode(packet), packet);
            if (m_stopped)
                return;
        }
    }
}

} // namespace orv::server
