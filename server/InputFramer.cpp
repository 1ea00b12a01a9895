#include "InputFramer.h"

#include "link/ReaderThread.h"

namespace orv::server {

void InputFramer::feed(const QByteArray& bytes) {
    if (m_stage == Stage::Stopped)
        return;
    m_input.append(bytes);
    while (m_stage != Stage::Stopped && consumeOne()) {
    }
    if (m_stage == Stage::Stopped)
        m_input.clear();
}

void InputFramer::stop() {
    m_stage = Stage::Stopped;
}

bool InputFramer::consumeOne() {
    const auto* data = reinterpret_cast<const std::uint8_t*>(m_input.constData());
    switch (m_stage) {
    case Stage::Version: {
        if (m_input.size() < qsizetype(TVersionRecord::kSize))
            return false;
        TVersionRecord version;
        version.fromBytes(data);
        m_input.remove(0, TVersionRecord::kSize);
        m_stage = Stage::SignIn;
        m_sink.onVersion(version);
        return true;
    }
    case Stage::SignIn: {
        if (m_input.size() < qsizetype(TSignInRecord::kSize))
            return false;
        TSignInRecord signIn;
        signIn.fromBytes(data);
        m_input.remove(0, TSignInRecord::kSize);
        m_stage = Stage::Framed;
        m_sink.onSignIn(signIn);
        return true;
    }
    case Stage::Framed: {
        if (m_input.size() < qsizetype(TPacketHeader::kSize))
            return false;
        const TPacketHeader header = TPacketHeader::decode(data);
        if (header.DataSize < 0 || header.DataSize > kMaxControlPayload) {
            m_stage = Stage::Stopped;
            m_sink.onMalformed(QString("packet size %1 refused").arg(header.DataSize));
            return false;
        }
        const qsizetype length = qsizetype(TPacketHeader::kSize) + header.DataSize;
        if (m_input.size() < length)
            return false;
        const QByteArray stream = m_input.left(length);
        m_input.remove(0, length);
        m_sink.onPacket(header, stream);
        return true;
    }
    case Stage::Stopped:
        return false;
    }
    return false;
}

} // namespace orv::server
