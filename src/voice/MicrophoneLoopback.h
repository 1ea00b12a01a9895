#pragma once
// The audio wizard's microphone test: what the microphone records through the room's codec is played back at
// once. Capture hands each buffer to a thread of its own through one slot; the thread always plays the newest
// block, and a block replaced before the thread took it is dropped. The thread waits on a condition with a
// predicate, so a block handed over while it is busy playing is still found when it looks again.

#include "voice/ACMIn.h"
#include "voice/ACMOut.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace orv {

class TMicrophoneLoopback {
public:
    // The longest the thread waits before it looks whether it should end.
    static constexpr int kWaitMs = 2000;

    TMicrophoneLoopback(IAudioSystem& audio, IClock& clock, ITimerFactory& timers,
                        const CodecRegistry& codecs = CodecRegistry::Installed());
    ~TMicrophoneLoopback();

    TMicrophoneLoopback(const TMicrophoneLoopback&) = delete;
    TMicrophoneLoopback& operator=(const TMicrophoneLoopback&) = delete;

    // Builds the format of `codec`, opens playback on `output` and capture on `input` and starts the thread.
    // False, with everything closed again, when the codec is missing; raises EACMIn or EACMOut when a device
    // does not open.
    bool Start(std::uint8_t codec, const QByteArray& input, const QByteArray& output);
    // Closes capture, ends the thread and closes playback; nothing when not running.
    void Stop();
    bool Running() const { return m_running; }

    // Blocks played by the thread so far.
    int BlocksPlayed() const;

    // The microphone's level (0..100) while the test runs, from the capture path; set before Start.
    std::function<void(int level)> onLevel;

    // The capture's buffer-full event; public for tests.
    void HandOver(const std::uint8_t* data, int size);

private:
    void run();

    IAudioSystem& m_audio;
    IClock& m_clock;
    ITimerFactory& m_timers;
    const CodecRegistry& m_codecs;
    std::unique_ptr<TACMIn> m_in;
    std::unique_ptr<TACMOut> m_out;
    std::thread m_thread;
    bool m_running = false;

    mutable std::mutex m_mutex; // the slot, the stop request and the count
    std::condition_variable m_wake;
    std::optional<std::vector<std::uint8_t>> m_slot;
    bool m_stop = false;
    int m_played = 0;
};

} // namespace orv
