#include "InputFramer.h"

#include "protocol/Constants.h"

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

template <typename Record> bool InputFramer::takeRecord(Record& record) {
    if (m_input.size() < qsizetype(Record::kSize))
        return false;
    record.fromBytes(reinterpret_cast<const std::uint8_t*>(m_input.constData()));
    m_input.remove(0, Record::kSize);
    return true;
}

bool InputFramer::consumeOne() {
    switch (m_stage) {
    case Stage::Version: {
        TVersionRecord version;
        if (!takeRecord(version))
            return false;
        m_stage = Stage::SignIn;
        m_sink.onVersion(version);
        return true;
    }
    case Stage::SignIn: {
        TSignInRecord signIn;
        if (!takeRecord(signIn))
            return false;
        m_stage = Stage::Framed;
        m_sink.onSignIn(signIn);
        return true;
    }
    case Stage::Framed: {
        if (m_input.size() < qsizetype(TPacketHeader::kSize))
            return false;
        const TPacketHeader header = TPacketHeader::decode(m_input);
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
