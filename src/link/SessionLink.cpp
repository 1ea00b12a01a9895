#include "link/SessionLink.h"

#include "link/KeepAlive.h"

namespace orv {

TSessionLink::TSessionLink(IByteChannel& connection, TPacketDispatcher& dispatcher, IMessageSink& window,
                           QObject* mainContext, IClock& clock)
    : m_connection(connection), m_dispatcher(dispatcher), m_window(window), m_clock(clock),
      m_handover(mainContext) {}

TSessionLink::~TSessionLink() {
    StopReader();
    StopWriter();
}

void TSessionLink::StartReader() {
    if (m_reader)
        return;
    m_handover.rearm();
    m_reader = std::make_unique<TReaderThread>(
        m_connection, m_handover,
        [this](const TPacketHeader& header, QByteArrayView stream) {
            m_dispatcher.DispatchPacket(header, stream);
        },
        m_window);
    m_reader->Start();
    if (m_keepAlive)
        m_keepAlive->Start();
}

void TSessionLink::StopReader() {
    if (m_keepAlive)
        m_keepAlive->Stop();
    if (!m_reader)
        return;
    m_connection.disconnect();
    m_handover.abandon();
    m_reader->Stop();
    m_reader.reset();
}

void TSessionLink::StartWriter() {
    if (!m_writer) {
        m_writer = std::make_unique<TVCRWriterThread>(m_connection, m_window, m_clock);
        m_writer->SetRate(m_connectionSpeed);
        m_writer->Start();
    }
    SetConnectionSpeed(m_connectionSpeed);
}

void TSessionLink::StopWriter() {
    if (!m_writer)
        return;
    m_writer->Stop();
    m_writer.reset();
}

void TSessionLink::SetConnectionSpeed(std::int32_t bytesPerSecond) {
    const std::int32_t third = ThirdOfSpeed(bytesPerSecond);
    if (m_writer)
        m_writer->SetRate(third);
    m_connectionSpeed = bytesPerSecond;
    m_overflowSize = third;
}

bool TSessionLink::Send(const QByteArray& packet) {
    if (!m_writer || !m_connection.isConnected())
        return false;
    m_writer->QueuePacket(packet);
    return true;
}

} // namespace orv
