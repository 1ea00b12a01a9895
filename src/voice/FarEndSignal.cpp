#include "voice/FarEndSignal.h"

#include <algorithm>

namespace orv {

void FarEndSignal::Played(std::span<const std::int16_t> samples) {
    const std::lock_guard lock(m_mutex);
    m_samples.insert(m_samples.end(), samples.begin(), samples.end());
    if (m_samples.size() > m_capacity)
        m_samples.erase(m_samples.begin(), m_samples.begin() + std::ptrdiff_t(m_samples.size() - m_capacity));
}

void FarEndSignal::Take(std::span<std::int16_t> frame) {
    const std::lock_guard lock(m_mutex);
    const std::size_t n = std::min(frame.size(), m_samples.size());
    std::copy_n(m_samples.begin(), n, frame.begin());
    std::fill(frame.begin() + std::ptrdiff_t(n), frame.end(), std::int16_t(0));
    m_samples.erase(m_samples.begin(), m_samples.begin() + std::ptrdiff_t(n));
}

void FarEndSignal::Clear() {
    const std::lock_guard lock(m_mutex);
    m_samples.clear();
}

} // namespace orv
