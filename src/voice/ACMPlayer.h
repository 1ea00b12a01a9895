#pragma once
// TACMPlayer: one playback component for one talker at a time. A player whose device did not open stays
// usable and plays nothing.

#include "voice/ACMOut.h"

#include <cstdint>
#include <memory>

namespace orv {

struct TPlaybackDevice {
    IAudioSystem& audio;
    IClock& clock;
    ITimerFactory& timers;
    QByteArray device; // empty: the system default
};

class TACMPlayer {
public:
    // Opens the output for `format` with `queueLength` blocks of queue.
    TACMPlayer(const TPlaybackDevice& output, const CodecFormat& format, std::uint8_t queueLength,
               FarEndSignal* farEnd = nullptr);

    bool Ok() const { return m_ok; }
    TACMOut& Out() { return *m_out; }
    const TACMOut& Out() const { return *m_out; }
    // Blocks waiting to play: NumBuffers - NumBuffersLeft.
    int Queued() const;
    void Play(const std::uint8_t* bytes, int size);

    // The participant it plays, 0 when free.
    std::uint16_t speaker = 0;

private:
    std::unique_ptr<TACMOut> m_out;
    bool m_ok = false;
};

} // namespace orv
