#pragma once
// TACMOut: plays blocks of compressed voice on an output device, each block a whole received frame. At most
// NumBuffers blocks are queued at once; a block arriving at a full queue is dropped, so the queue length
// bounds the delay. Blocks are fed from any thread; the device is written and blocks complete on the thread
// that created the component, a block completing when its sound has had the time to play.

#include "platform/AudioDevices.h"
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "voice/CodecFormat.h"
#include "voice/CodecRegistry.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <vector>

namespace orv {

class FarEndSignal;

class TACMOut : public QObject {
public:
    // A queued block: its bytes, and once written to the device the tick it has played by.
    struct TBlock {
        std::vector<std::uint8_t> bytes;
        std::vector<std::int16_t> pcm;
        bool written = false;
        std::uint32_t playedBy = 0;
    };
    using TBufferPlayedEvent = std::function<void(TACMOut& sender, const TBlock& block)>;

    TACMOut(IAudioSystem& audio, IClock& clock, ITimerFactory& timers, QObject* owner = nullptr,
            const CodecRegistry& codecs = CodecRegistry::Installed());
    ~TACMOut() override;

    bool Active() const { return m_active.load(); }
    // The queue length, and the free slots in it. Safe from any thread.
    std::uint8_t NumBuffers() const;
    // Changes the free slots by the difference (never below 0); blocks already queued stay.
    void SetNumBuffers(std::uint8_t count);
    std::uint8_t NumBuffersLeft() const;
    void SetNumBuffersLeft(std::uint8_t count);
    // What the loudspeakers play goes here too, for the echo canceller.
    void SetFarEnd(FarEndSignal* farEnd) { m_farEnd = farEnd; }

    // Opens `device` (empty: the system default) for `format`; nothing when already Active. Raises EACMOut.
    void Open(const CodecFormat& format, const QByteArray& device);
    // Queues one block, from any thread; nothing for an empty block or when not Active; a block beyond the
    // queue's length is dropped.
    void Play(const std::uint8_t* bytes, int size);
    // Stops the device and frees every block. On the creating thread.
    void Close();

    TBufferPlayedEvent OnBufferPlayed;

private:
    void write(TBlock* block);
    void complete();
    void release(std::list<TBlock>::iterator block);
    void armTimer();

    IAudioSystem& m_audio;
    IClock& m_clock;
    const CodecRegistry& m_codecs;
    std::unique_ptr<ITimer> m_timer;
    FarEndSignal* m_farEnd = nullptr;
    std::atomic<bool> m_active{false};
    unsigned m_opened = 0; // counts opens, so a block queued before a close is never written after it

    mutable std::mutex m_mutex; // the counts and the block list
    std::uint8_t m_numBuffers = 4;
    std::uint8_t m_numBuffersLeft = 0;
    std::list<TBlock> m_blocks;

    std::mutex m_decodeMutex; // the decoder keeps state from block to block
    std::unique_ptr<IBlockDecoder> m_decoder;
    int m_sampleRate = 8000;
    std::unique_ptr<IAudioPlayback> m_device;
    // The play-out schedule: the sound written since `m_scheduleStart`, back to back.
    std::uint32_t m_scheduleStart = 0;
    std::uint64_t m_scheduledSamples = 0;
};

} // namespace orv
