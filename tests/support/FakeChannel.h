#pragma once
// An in-memory channel: records every write as one piece, can fail chosen writes, and can charge virtual
// time per write.

#include "platform/ByteChannel.h"
#include "support/FakeClock.h"

#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <vector>

namespace orv::test {

class FakeChannel final : public IByteChannel {
public:
    bool isConnected() const override { return m_connected; }
    void readExact(void*, std::size_t) override { throw EChannelError("fake channel has nothing to read"); }
    std::size_t readSome(void*, std::size_t) override {
        throw EChannelError("fake channel has nothing to read");
    }
    void writeAll(const void* buffer, std::size_t size) override {
        std::lock_guard lock(m_mutex);
        const int index = m_attempts++;
        if (m_clock && m_writeCostMs)
            m_clock->advance(m_writeCostMs);
        if (m_failing.count(index)) {
            m_changed.notify_all();
            throw EChannelError("injected write failure");
        }
        m_pieces.emplace_back(static_cast<const char*>(buffer), qsizetype(size));
        m_written += size;
        m_changed.notify_all();
    }
    void disconnect() override { m_connected = false; }

    void setConnected(bool connected) { m_connected = connected; }
    void failWrite(int index) { m_failing.insert(index); }
    void chargeWrites(FakeClock& clock, std::uint32_t ms) {
        m_clock = &clock;
        m_writeCostMs = ms;
    }
    // Waits (bounded) until at least `attempts` writes were tried.
    bool waitForAttempts(int attempts, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, limit, [&] { return m_attempts >= attempts; });
    }
    bool waitForBytes(std::size_t bytes, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, limit, [&] { return m_written >= bytes; });
    }
    std::vector<QByteArray> pieces() {
        std::lock_guard lock(m_mutex);
        return m_pieces;
    }
    std::vector<qsizetype> pieceSizes() {
        std::vector<qsizetype> sizes;
        for (const auto& p : pieces())
            sizes.push_back(p.size());
        return sizes;
    }
    QByteArray written() {
        QByteArray all;
        for (const auto& p : pieces())
            all += p;
        return all;
    }

private:
    std::atomic<bool> m_connected{true};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<QByteArray> m_pieces;
    std::set<int> m_failing;
    int m_attempts = 0;
    std::size_t m_written = 0;
    FakeClock* m_clock = nullptr;
    std::uint32_t m_writeCostMs = 0;
};

} // namespace orv::test
