#pragma once
// The control connection's reader: reads what the socket has, cuts whole packets from it and hands them to
// the main thread in one go, waiting until their handlers have finished.

#include "platform/AppMessage.h"
#include "platform/ByteChannel.h"
#include "platform/MainThreadHandover.h"
#include "protocol/Constants.h"
#include "protocol/PacketCutter.h"
#include "protocol/PacketHeader.h"

#include <QByteArray>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace orv {

enum class TReadResult { Packet, ReadFailed, Oversized };

// A channel's packets, read in blocks of up to 64 KiB: one read may give several packets, and a packet may
// take several reads. A DataSize above `maxPayload` is refused before its payload arrives; nothing is
// allocated for bytes that have not arrived.
class TPacketSource {
public:
    static constexpr std::size_t kReadBlock = 64 * 1024;

    explicit TPacketSource(IByteChannel& channel, std::int32_t maxPayload = kMaxControlPayload);

    // Reads once, waiting for data, and puts every packet now complete into `batch` (replacing what it held).
    // Packet means the read succeeded (it may have completed no packet yet).
    TReadResult ReadBatch(TPacketBatch& batch);

private:
    IByteChannel& m_channel;
    TPacketCutter m_cutter;
    std::vector<char> m_block;
};

class TReaderThread {
public:
    // Called on the main thread for every packet, in order. A batch lives until its last handler has
    // returned, so a handler that stops the reader from inside keeps a valid packet; the rest of its batch is
    // dropped.
    using Deliver = std::function<void(const TPacketHeader&, QByteArrayView)>;

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
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    std::thread m_thread;
};

} // namespace orv
