#include "playback/AvailableBytes.h"

#include <chrono>

namespace orv {

void TAvailableBytes::Publish(std::int64_t bytes) {
    {
        std::lock_guard lock(m_mutex);
        m_bytes = bytes;
    }
    m_changed.notify_all();
}

void TAvailableBytes::Finish(std::int64_t bytes) {
    {
        std::lock_guard lock(m_mutex);
        m_bytes = bytes;
        m_complete = true;
    }
    m_changed.notify_all();
}

std::int64_t TAvailableBytes::Bytes() const {
    std::lock_guard lock(m_mutex);
    return m_bytes;
}

bool TAvailableBytes::Complete() const {
    std::lock_guard lock(m_mutex);
    return m_complete;
}

bool TAvailableBytes::WaitBeyond(std::int64_t known, int timeoutMs) {
    std::unique_lock lock(m_mutex);
    const std::uint64_t wakes = m_wakes;
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_bytes > known || m_complete || m_wakes != wakes; });
}

void TAvailableBytes::Wake() {
    {
        std::lock_guard lock(m_mutex);
        ++m_wakes;
    }
    m_changed.notify_all();
}

} // namespace orv
