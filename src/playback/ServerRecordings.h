#pragma once
// Recorded sessions from the session server, on the signed-in control connection: the recordings list, the
// opening of one, and the thread that downloads its packets one by one into a temporary file.

#include "platform/AppMessage.h"
#include "platform/ByteChannel.h"
#include "playback/AvailableBytes.h"
#include "protocol/RecordingMessages.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace orv {

struct TRecordingListResult {
    std::uint16_t code = 0;
    std::vector<TRecordedSessionHeader> recordings;
};
// cmRecordingList, written and answered on the connection. Throws EChannelError when the exchange breaks.
TRecordingListResult ListRecordings(IByteChannel& connection, std::uint16_t ownUserId);

struct TOpenResult {
    std::uint16_t code = 0;
    std::optional<TRecordedSessionHeader> header;
};
// cmOpenRecording, written and answered on the connection. Throws EChannelError when the exchange breaks.
TOpenResult OpenRecording(IByteChannel& connection, std::int32_t sessionId);

// Asks for the packets of the opened recording until the server has no more, appending each whole packet
// to the file and publishing the bytes there. A packet that does not arrive whole stops the download with
// the file holding every whole packet before it.
class TSessionReaderThread {
public:
    TSessionReaderThread(IByteChannel& connection, QString file, TAvailableBytes& available,
                         IMessageSink& window, std::int32_t totalSize);
    ~TSessionReaderThread();
    TSessionReaderThread(const TSessionReaderThread&) = delete;
    TSessionReaderThread& operator=(const TSessionReaderThread&) = delete;

    void Start();
    // Disconnects the connection, which releases a blocked read, and waits for the thread.
    void Stop();
    std::int32_t Packets() const { return m_packets; }
    // A paused download asks for no more packets until it is resumed or stopped; meanwhile it sends a
    // heartbeat every `keepAliveMs`, since the server drops a connection that stays silent.
    void SetPaused(bool paused);
    void SetKeepAlive(std::uint32_t keepAliveMs) { m_keepAliveMs = keepAliveMs; }

private:
    void Execute();

    IByteChannel& m_connection;
    QString m_file;
    TAvailableBytes& m_available;
    IMessageSink& m_window;
    std::int32_t m_totalSize;
    std::atomic<bool> m_stop{false};
    std::mutex m_pauseMutex;
    std::condition_variable m_pauseChanged;
    bool m_paused = false;
    std::uint32_t m_keepAliveMs = 30000;
    std::atomic<std::int32_t> m_packets{0};
    std::thread m_thread;
};

} // namespace orv
