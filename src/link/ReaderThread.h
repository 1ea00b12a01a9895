#pragma once
// The control connection's reader: reads whole packets and hands each to the main thread, waiting until its
// handler has finished.

#include "platform/AppMessage.h"
#include "platform/ByteChannel.h"
#include "platform/MainThreadHandover.h"
#include "protocol/Constants.h"
#include "protocol/PacketHeader.h"

#include <QByteArray>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace orv {

enum class TReadResult { Packet, ReadFailed, Oversized };

// Reads one packet (header, then DataSize payload bytes) into `stream`, which holds exactly that packet after
// a successful read. A DataSize above `maxPayload` is refused before anything is allocated.
TReadResult ReadPacket(IByteChannel& channel, QByteArray& stream,
                       std::int32_t maxPayload = kMaxControlPayload);

class TReaderThread {
public:
    // Called on the main thread for every packet; the stream is shared so that it outlives a handler that
    // stops the reader from inside.
    using Deliver = std::function<void(const TPacketHeader&, const QByteArray&)>;

    TReaderThread(IByteChannel& connection, MainThreadHandover& handover, Deliver deliver,
                  IMessageSink& window);
    ~TReaderThread();
    TReaderThread(const TReaderThread&) = delete;
    TReaderThread& operator=(const TReaderThread&) = delete;

    void Start();
    // Ends the loop and waits for it. The owner disconnects the connection and abandons the hand-over first,
    // so that neither a blocked read nor a pending hand-over holds the thread.
    void Stop();

private:
    void Execute();

    IByteChannel& m_connection;
    MainThreadHandover& m_handover;
    std::shared_ptr<const Deliver> m_deliver; // shared: a running handler may outlive this object
    IMessageSink& m_window;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace orv
