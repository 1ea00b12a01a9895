#pragma once
// A byte channel whose reads and writes each keep to a byte rate: a video connection's throttling layer.
// Bytes pass in pieces of at most a quarter second's worth; a rate of 0 lets everything through at once.
// Time comes from the injectable clock.

#include "platform/ByteChannel.h"
#include "platform/Clock.h"

#include <cstdint>
#include <mutex>

namespace orv {

// Credit for a byte rate, refilled as time passes and capped at a quarter second's worth.
class TByteRateLimiter {
public:
    TByteRateLimiter(IClock& clock, std::int32_t bytesPerSecond);
    // Waits until at least one byte may pass and takes credit for up to `want`; returns how many.
    std::size_t Acquire(std::size_t want);
    // Gives back credit taken but not used.
    void Refund(std::size_t unused);

private:
    void refill();

    IClock& m_clock;
    std::int64_t m_rate;       // bytes per second
    std::int64_t m_burstMilli; // the cap, in byte-milliseconds
    std::int64_t m_creditMilli;
    std::uint32_t m_last;
    std::mutex m_mutex;
};

class TThrottledChannel final : public IByteChannel {
public:
    TThrottledChannel(IByteChannel& inner, IClock& clock, std::int32_t bytesPerSecond);

    bool isConnected() const override { return m_inner.isConnected(); }
    void readExact(void* buffer, std::size_t size) override;
    std::size_t readSome(void* buffer, std::size_t size) override;
    void writeAll(const void* buffer, std::size_t size) override;
    void disconnect() override { m_inner.disconnect(); }

private:
    IByteChannel& m_inner;
    TByteRateLimiter m_reads;
    TByteRateLimiter m_writes;
};

} // namespace orv
