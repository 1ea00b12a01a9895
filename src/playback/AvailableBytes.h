#pragma once
// How much of a recording file may be read: the download thread publishes what it has written, the player
// reads it and waits for more. A local file is complete from the start.

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace orv {

class TAvailableBytes {
public:
    void Publish(std::int64_t bytes);
    // The download has ended; nothing more will come.
    void Finish(std::int64_t bytes);
    std::int64_t Bytes() const;
    bool Complete() const;

    // Waits until more than `known` bytes are there, the download has finished, Wake() was called or
    // `timeoutMs` passed. True when there is something new to look at.
    bool WaitBeyond(std::int64_t known, int timeoutMs);
    // Releases a waiting player (stop, pause, seek).
    void Wake();

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::int64_t m_bytes = 0;
    bool m_complete = false;
    std::uint64_t m_wakes = 0;
};

} // namespace orv
