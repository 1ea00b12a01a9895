#pragma once
// A broadcaster's queue of compressed frames between the capture side and the writer: bounded, numbering
// frames as they are accepted, so sequence numbers on the wire stay consecutive. Any thread.

#include <QByteArray>

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

namespace orv {

struct TQueuedFrame {
    bool keyFrame = false;
    QByteArray data;
    std::int32_t sequence = 0; // set by Add
};

class TeVideoBuffer {
public:
    explicit TeVideoBuffer(std::size_t capacity) : m_capacity(capacity) {}

    // False, leaving the counter as it was, when the queue is full: the caller drops the frame.
    bool Add(TQueuedFrame frame);
    std::optional<TQueuedFrame> Take();
    void Clear();
    std::size_t Count() const;
    bool Full() const { return Count() >= m_capacity; }

private:
    mutable std::mutex m_mutex;
    std::size_t m_capacity;
    std::deque<TQueuedFrame> m_frames;
    std::int32_t m_counter = 0;
};

} // namespace orv
