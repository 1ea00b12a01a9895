#include "InputFramer.h"

#include "protocol/Constants.h"

namespace orv::server {

InputFramer::InputFramer(Sink& sink)
    : m_sink(sink), m_packets(kMaxControlPayload, [this](const TPacketHeader& header) {
          m_refusal = header.DataSize < 0 ? QString("packet size %1 refused").arg(header.DataSize)
                                          : m_sink.refusal(header);
          return m_refusal.isEmpty();
      }) {}

void InputFramer::feed(const QByteArray& bytes) {
    if (m_stage == Stage::Stopped)
        return;
    if (m_stage == Stage::Framed)
        m_packets.Append(bytes);
    else
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
        // What came after the sign-in record is the start of the packets.
        m_packets.Append(m_input);
        m_input.clear();
        m_sink.onSignIn(signIn);
        return true;
    }
    case Stage::Framed: {
        QByteArray stream;
        switch (m_packets.Next(stream)) {
        case TPacketCutter::TCut::NeedMore:
            return false;
        case TPacketCutter::TCut::Refused:
            m_stage = Stage::Stopped;
            m_sink.onMalformed(m_refusal.isEmpty() ? QString("packet size beyond the limit") : m_refusal);
            return false;
        case TPacketCutter::TCut::Packet:
            m_sink.onPacket(TPacketHeader::decode(stream), stream);
            return true;
        }
        return false;
    }
    case Stage::Stopped:
        return false;
    }
    return false;
}

} // namespace orv::server
