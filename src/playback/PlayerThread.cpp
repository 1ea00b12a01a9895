#include "playback/PlayerThread.h"

#include "playback/PlaybackMessageIds.h"
#include "protocol/CommandCatalogue.h"
#include "session/RecordedVoice.h"

#include <QDebug>

#include <algorithm>

namespace orv {
namespace {

constexpr std::uint32_t kWaitStepMs = 20;

} // namespace

TPlayerThread::TPlayerThread(TPlayerParts parts, const QString& file, bool hasHeader, std::int64_t endOffset)
    : m_parts(std::move(parts)), m_handover(m_parts.mainThread),
      m_deliver(
          std::make_shared<const std::function<void(const TPacketHeader&, QByteArrayView)>>(m_parts.deliver)),
      m_reader(file, hasHeader), m_endOffset(endOffset), m_pacer(m_parts.clock) {}

TPlayerThread::~TPlayerThread() {
    Stop();
}

std::int32_t TPlayerThread::ReadRoomCodec() {
    std::int32_t codec = 0;
    if (m_reader.Next(m_parts.available.Bytes(), m_endOffset) == TNextPacket::Packet)
        codec = RoomCodecOf(m_reader.Header(), m_reader.Packet());
    m_reader.Rewind();
    return codec;
}

void TPlayerThread::Start() {
    if (m_thread.joinable())
        return;
    m_running = true;
    m_thread = std::thread([this] { Execute(); });
}

void TPlayerThread::Stop() {
    *m_stop = true;
    m_handover.abandon(); // a hand-over the main thread will not get to releases the player now
    {
        std::lock_guard lock(m_pauseMutex);
        m_paused = false;
    }
    m_pauseChanged.notify_all();
    m_parts.available.Wake();
    if (m_thread.joinable())
        m_thread.join();
    m_running = false;
}

void TPlayerThread::Pause() {
    std::lock_guard lock(m_pauseMutex);
    m_paused = true;
}

void TPlayerThread::Resume() {
    {
        std::lock_guard lock(m_pauseMutex);
        m_paused = false;
    }
    m_pauseChanged.notify_all();
}

bool TPlayerThread::Paused() const {
    std::lock_guard lock(m_pauseMutex);
    return m_paused;
}

void TPlayerThread::RequestSeek(std::int32_t target) {
    m_seekTarget = std::max(0, target);
    m_seekRequested = true;
    m_parts.available.Wake();
}

bool TPlayerThread::holdWhilePaused() {
    std::unique_lock lock(m_pauseMutex);
    if (!m_paused)
        return false;
    m_pauseChanged.wait(lock, [this] { return !m_paused || *m_stop; });
    return true;
}

void TPlayerThread::waitPaced(std::uint32_t ms) {
    std::uint32_t last = m_parts.clock.tickCount();
    while (ms > 0 && !stopping() && !m_seekRequested) {
        if (holdWhilePaused()) {
            last = m_parts.clock.tickCount(); // the pause does not count against the wait
            continue;
        }
        m_parts.clock.sleepMs(std::min(ms, kWaitStepMs));
        const std::uint32_t now = m_parts.clock.tickCount();
        ms -= std::min(ms, std::max<std::uint32_t>(1, ticksBetween(last, now)));
        last = now;
    }
}

bool TPlayerThread::handOver(std::vector<QByteArray> packets) {
    if (packets.empty())
        return true;
    // The packets travel by value: a hand-over abandoned while its work runs keeps them alive.
    return m_handover.run([deliver = m_deliver, packets = std::move(packets), stop = m_stop] {
        for (const QByteArray& packet : packets) {
            if (*stop)
                return;
            (*deliver)(TPacketHeader::decode(QByteArrayView(packet)), packet);
        }
    });
}

void TPlayerThread::played(const TPacketHeader& header) {
    const std::int32_t count = ++m_played;
    if (count == 1)
        m_firstStamp = header.Stamp;
    m_elapsedMs = std::max<std::int64_t>(0, TPlaybackPacer::GapMs(m_firstStamp, header.Stamp));
}

void TPlayerThread::seek(std::int32_t target) {
    if (target < m_played) {
        if (m_parts.voice)
            m_parts.voice->End();
        if (!m_handover.run([reset = m_parts.resetRoom] {
                if (reset)
                    reset();
            }))
            return;
        m_reader.Rewind();
        m_played = 0;
    }
    std::vector<QByteArray> batch;
    while (!stopping() && !m_seekRequested && m_played < target) {
        const TNextPacket next = m_reader.Next(m_parts.available.Bytes(), m_endOffset);
        if (next != TNextPacket::Packet)
            break; // the seek ends at the last packet there is
        played(m_reader.Header());
        if (m_reader.Header().Command == cmVoiceIn)
            continue; // no voice while seeking
        batch.push_back(m_reader.Packet());
        if (batch.size() >= kSeekBatch) {
            m_parts.window.post(PlayerMsg::PlayingOrFast, 1, 0);
            if (!handOver(std::exchange(batch, {})))
                return;
            m_parts.window.post(PlayerMsg::Position, m_played, 1);
        }
    }
    m_parts.window.post(PlayerMsg::PlayingOrFast, 1, 0);
    if (handOver(std::move(batch)))
        m_parts.window.post(PlayerMsg::Position, m_played, 1);
}

void TPlayerThread::Execute() {
    m_parts.mainWindow.post(MainMsg::PlaybackLayout, 0, 0);
    m_reader.Rewind();
    m_played = 0;
    m_pacer.Rebase();
    while (!stopping()) {
        if (holdWhilePaused()) {
            m_pacer.Rebase();
            continue;
        }
        if (m_seekRequested.exchange(false)) {
            seek(m_seekTarget);
            m_pacer.Rebase();
            continue;
        }
        const std::int64_t available = m_parts.available.Bytes();
        const bool complete = m_parts.available.Complete();
        const TNextPacket next = m_reader.Next(available, m_endOffset);
        if (next == TNextPacket::End)
            break;
        if (next == TNextPacket::NotYet) {
            // What a finished download or a local file lacks will never come: a truncated recording ends
            // with its last whole packet.
            if (complete)
                break;
            m_parts.window.post(PlayerMsg::Buffering, 0, 0);
            m_parts.available.WaitBeyond(available, kBufferingWaitMs);
            m_pacer.Rebase();
            continue;
        }
        const TPacketHeader header = m_reader.Header();
        played(header);
        m_parts.window.post(PlayerMsg::PlayingOrFast, 0, 0);
        waitPaced(m_pacer.Schedule(header.Stamp));
        if (stopping())
            break;
        if (header.Command == cmVoiceIn) {
            if (m_parts.voice) // no voice player: the frame is dropped
                m_parts.voice->PlayFrame(header.UserId,
                                         QByteArrayView(m_reader.Packet()).sliced(TPacketHeader::kSize));
        } else if (!handOver({m_reader.Packet()})) {
            break;
        }
        m_parts.window.post(PlayerMsg::Position, m_played, 0);
    }
    if (m_parts.voice)
        m_parts.voice->End();
    m_running = false;
    m_parts.window.post(PlayerMsg::Stopped, 0, 0);
}

} // namespace orv
