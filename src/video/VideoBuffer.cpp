#include "video/VideoBuffer.h"

namespace orv {

bool TeVideoBuffer::Add(TQueuedFrame frame) {
    std::lock_guard lock(m_mutex);
    if (m_frames.size() >= m_capacity)
        return false;
    frame.sequence = m_counter++;
    m_frames.push_back(std::move(frame));
    return true;
}

std::optional<TQueuedFrame> TeVideoBuffer::Take() {
    std::lock_guard lock(m_mutex);
    if (m_frames.empty())
        return std::nullopt;
    TQueuedFrame frame = std::move(m_frames.front());
    m_frames.pop_front();
    return frame;
}

void TeVideoBuffer::Clear() {
    std::lock_guard lock(m_mutex);
    m_frames.clear();
}

std::size_t TeVideoBuffer::Count() const {
    std::lock_guard lock(m_mutex);
    return m_frames.size();
}

} // namespace orv
