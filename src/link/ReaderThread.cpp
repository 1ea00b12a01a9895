#include "link/ReaderThread.h"

#include "platform/AppMessageIds.h"

#include <QDebug>

namespace orv {

TReadResult ReadPacket(IByteChannel& channel, QByteArray& stream, std::int32_t maxPayload) {
    stream.resize(TPacketHeader::kSize);
    try {
        channel.readExact(stream.data(), TPacketHeader::kSize);
        const auto header = TPacketHeader::decode(stream);
        if (header.DataSize > maxPayload)
            return TReadResult::Oversized;
        if (header.DataSize > 0) {
            stream.resize(qsizetype(TPacketHeader::kSize) + header.DataSize);
            channel.readExact(stream.data() + TPacketHeader::kSize, std::size_t(header.DataSize));
        }
    } catch (const EChannelError&) {
        stream.clear();
        return TReadResult::ReadFailed;
    }
    return TReadResult::Packet;
}

TReaderThread::TReaderThread(IByteChannel& connection, MainThreadHandover& handover, Deliver deliver,
                             IMessageSink& window)
    : m_connection(connection), m_handover(handover),
      m_deliver(std::make_shared<const Deliver>(std::move(deliver))), m_window(window) {}

TReaderThread::~TReaderThread() {
    Stop();
}

void TReaderThread::Start() {
    if (m_thread.joinable())
        return;
    m_stop = false;
    m_thread = std::thread([this] { Execute(); });
}

void TReaderThread::Stop() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void TReaderThread::Execute() {
    auto stream = std::make_shared<QByteArray>();
    while (!m_stop && m_connection.isConnected()) {
        // Reuse the buffer unless a handler still holds the previous packet.
        if (stream.use_count() > 1)
            stream = std::make_shared<QByteArray>();
        const TReadResult result = ReadPacket(m_connection, *stream);
        if (result == TReadResult::Oversized) {
            qWarning() << "reader: packet size beyond limit, closing the connection";
            m_connection.disconnect();
            break;
        }
        if (result == TReadResult::ReadFailed)
            continue;
        const auto header = TPacketHeader::decode(*stream);
        const bool handled =
            m_handover.run([deliver = m_deliver, header, packet = stream] { (*deliver)(header, *packet); });
        if (!handled)
            break;
    }
    m_window.post(MainMsg::LinkState, LinkStateValue::ReaderEnded, 0);
}

} // namespace orv
