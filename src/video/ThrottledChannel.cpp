#include "video/ThrottledChannel.h"

#include <algorithm>

namespace orv {

TByteRateLimiter::TByteRateLimiter(IClock& clock, std::int32_t bytesPerSecond)
    : m_clock(clock), m_rate(std::max<std::int32_t>(bytesPerSecond, 0)),
      m_burstMilli(std::max<std::int64_t>(m_rate * 250, 1000)), m_creditMilli(m_burstMilli),
      m_last(clock.tickCount()) {}

void TByteRateLimiter::refill() {
    const std::uint32_t now = m_clock.tickCount();
    m_creditMilli = std::min(m_burstMilli, m_creditMilli + std::int64_t(ticksBetween(m_last, now)) * m_rate);
    m_last = now;
}

std::size_t TByteRateLimiter::Acquire(std::size_t want) {
    if (m_rate == 0 || want == 0)
        return want;
    std::unique_lock lock(m_mutex);
    for (;;) {
        refill();
        const std::int64_t bytes = m_creditMilli / 1000;
        if (bytes > 0) {
            const std::size_t take = std::min<std::size_t>(want, std::size_t(bytes));
            m_creditMilli -= std::int64_t(take) * 1000;
            return take;
        }
        // Sleep until one more byte is due.
        const std::int64_t missing = 1000 - m_creditMilli;
        const auto ms = std::uint32_t((missing + m_rate - 1) / m_rate);
        lock.unlock();
        m_clock.sleepMs(std::max<std::uint32_t>(ms, 1));
        lock.lock();
    }
}

void TByteRateLimiter::Refund(std::size_t unused) {
    if (m_rate == 0)
        return;
    std::lock_guard lock(m_mutex);
    m_creditMilli = std::min(m_burstMilli, m_creditMilli + std::int64_t(unused) * 1000);
}

TThrottledChannel::TThrottledChannel(IByteChannel& inner, IClock& clock, std::int32_t bytesPerSecond)
    : m_inner(inner), m_reads(clock, bytesPerSecond), m_writes(clock, bytesPerSecond) {}

std::size_t TThrottledChannel::readSome(void* buffer, std::size_t size) {
    const std::size_t allowed = m_reads.Acquire(size);
    const std::size_t got = m_inner.readSome(buffer, allowed);
    m_reads.Refund(allowed - got);
    return got;
}

void TThrottledChannel::readExact(void* buffer, std::size_t size) {
    auto* p = static_cast<char*>(buffer);
    while (size > 0) {
        const std::size_t got = readSome(p, size);
        p += got;
        size -= got;
    }
}

void TThrottledChannel::writeAll(const void* buffer, std::size_t size) {
    const auto* p = static_cast<const char*>(buffer);
    while (size > 0) {
        if (!m_inner.isConnected())
            throw EChannelError("the connection is closed");
        const std::size_t piece = m_writes.Acquire(size);
        m_inner.writeAll(p, piece);
        p += piece;
        size -= piece;
    }
}

} // namespace orv
