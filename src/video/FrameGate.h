#pragma once
// Which captured frames a broadcast compresses: frames at the stream's own rate, whatever the camera
// delivers, and none while the queue to the server is full, so no frame is compressed only to be thrown
// away. After a frame is lost, the next one compressed must be a key frame: a viewer would otherwise decode
// the following frames against a picture it never got. Used on the capture thread only.

#include <cstdint>
#include <optional>

namespace orv {

class TFrameGate {
public:
    explicit TFrameGate(int framesPerSecond = 15);

    // Whether the frame captured at `nowMs` (a wrapping tick count) is compressed. A frame that comes
    // before its time is skipped; one that finds the queue full is lost.
    bool Admit(std::uint32_t nowMs, bool queueFull);
    // A compressed frame could not be queued after all.
    void Lost() { m_keyFrameNeeded = true; }
    // True once after a loss: the frame about to be compressed is to be a key frame.
    bool TakeKeyFrameNeed();

private:
    std::int64_t m_intervalUs;
    std::optional<std::uint32_t> m_lastMs;
    std::int64_t m_dueUs = 0; // when the next frame is due, in microseconds after the last admitted one
    bool m_keyFrameNeeded = false;
};

} // namespace orv
