#include "link/ReaderThread.h"

#include "link/LinkMessageIds.h"

#include <QDebug>

namespace orv {

TPacketSource::TPacketSource(IByteChannel& channel, std::int32_t maxPayload)
    : m_channel(channel), m_cutter(maxPayload), m_block(kReadBlock) {}

TReadResult TPacketSource::ReadBatch(TPacketBatch& batch) {
    batch.clear();
    try {
        const std::size_t n = m_channel.readSome(m_block.data(), m_block.size());
        m_cutter.Append(m_block.data(), n);
    } catch (const EChannelError&) {
        return TReadResult::ReadFailed;
    }
    return m_cutter.TakeAll(batch) == TPacketCutter::TCut::Refused ? TReadResult::Oversized
                                                                   : TReadResult::Packet;
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
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_thread = std::thread([this] { Execute(); });
}

void TReaderThread::Stop() {
    *m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void TReaderThread::Execute() {
    TPacketSource source(m_connection);
    const auto stop = m_stop;
    while (!*stop && m_connection.isConnected()) {
        auto batch = std::make_shared<TPacketBatch>();
        const TReadResult result = source.ReadBatch(*batch);
        if (result == TReadResult::Oversized) {
            qWarning() << "reader: packet size beyond limit, closing the connection";
            m_connection.disconnect();
            break;
        }
        if (batch->empty())
            continue;
        // One hand-over for the whole batch: the main thread runs each handler in turn, and stops at once
        // when one of them stopped the reader.
        const bool handled = m_handover.run([deliver = m_deliver, stop, batch] {
            for (std::size_t i = 0; i < batch->size() && !*stop; ++i) {
                const QByteArrayView packet = (*batch)[i];
                (*deliver)(TPacketHeader::decode(packet), packet);
            }
        });
        if (!handled)
            break;
    }
    m_window.post(MainMsg::LinkState, LinkStateValue::ReaderEnded, 0);
}

} // namespace orv
