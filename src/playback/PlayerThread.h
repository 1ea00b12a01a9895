#pragma once
// Plays a recording file: reads its packets at the recorded pace and hands each to the main thread, where
// the live session's handlers take it; voice frames go to the recorded-voice player on this thread. Pause,
// seek and stop are asked for from the main thread; stopping never waits on a pending hand-over.

#include "platform/AppMessage.h"
#include "platform/Clock.h"
#include "platform/MainThreadHandover.h"
#include "playback/AvailableBytes.h"
#include "playback/PlaybackPacer.h"
#include "playback/RecordingReader.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace orv {

class IRecordedVoice;

struct TPlayerParts {
    QObject* mainThread;      // where handlers run
    IMessageSink& window;     // the player window's progress reports
    IMessageSink& mainWindow; // the playback layout
    IClock& clock;
    TAvailableBytes& available;
    // Runs one recorded packet's handler; main thread.
    std::function<void(const TPacketHeader&, QByteArrayView)> deliver;
    // Drops the room's state before the recording replays from its start; main thread.
    std::function<void()> resetRoom;
    IRecordedVoice* voice = nullptr; // none: recorded voice is dropped
};

class TPlayerThread {
public:
    // Packets handed over at once while seeking.
    static constexpr std::size_t kSeekBatch = 256;
    static constexpr int kBufferingWaitMs = 3000;

    // `endOffset`: the file offset after the last packet (from the recording header), 0 when unknown.
    TPlayerThread(TPlayerParts parts, const QString& file, bool hasHeader, std::int64_t endOffset);
    ~TPlayerThread();
    TPlayerThread(const TPlayerThread&) = delete;
    TPlayerThread& operator=(const TPlayerThread&) = delete;

    // The room's codec from the first packet, if its bytes are there; read before starting.
    std::int32_t ReadRoomCodec();
    void Start();
    // Ends the thread and waits for it; callable from the main thread even while the player waits there.
    void Stop();
    bool Running() const { return m_running; }

    void Pause();
    void Resume();
    bool Paused() const;
    // Jumps to packet `target`, from the first packet when it lies behind the current one.
    void RequestSeek(std::int32_t target);

    std::int32_t Played() const { return m_played; }
    // Milliseconds of the recording between its first packet and the last one played.
    std::int64_t ElapsedMs() const { return m_elapsedMs; }

private:
    void Execute();
    // Waits `ms` on the clock in short steps; returns early on stop or a seek. A pause holds the wait.
    void waitPaced(std::uint32_t ms);
    // Blocks while paused; true when it did.
    bool holdWhilePaused();
    void seek(std::int32_t target);
    bool handOver(std::vector<QByteArray> packets);
    void played(const TPacketHeader& header);
    bool stopping() const { return *m_stop; }

    TPlayerParts m_parts;
    MainThreadHandover m_handover;
    std::shared_ptr<const std::function<void(const TPacketHeader&, QByteArrayView)>> m_deliver;
    TRecordingReader m_reader;
    std::int64_t m_endOffset;
    TPlaybackPacer m_pacer;

    // Shared with hand-overs in flight, which may outlive the thread.
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_seekRequested{false};
    std::atomic<std::int32_t> m_seekTarget{0};
    std::atomic<std::int32_t> m_played{0};
    std::atomic<std::int64_t> m_elapsedMs{0};
    double m_firstStamp = 0;

    mutable std::mutex m_pauseMutex;
    std::condition_variable m_pauseChanged;
    bool m_paused = false;
    std::thread m_thread;
};

} // namespace orv
