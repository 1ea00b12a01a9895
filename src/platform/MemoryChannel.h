#pragma once
// A channel that reads from bytes already in memory and discards what is written; for replaying packets
// kept in a buffer.

#include "platform/ByteChannel.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orv {

class MemoryChannel final : public IByteChannel {
public:
    MemoryChannel(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool isConnected() const override { return m_connected; }
    void readExact(void* buffer, std::size_t size) override {
        if (!m_connected || size > m_size - m_pos) {
            m_connected = false;
            throw EChannelError("end of data");
        }
        std::memcpy(buffer, m_data + m_pos, size);
        m_pos += size;
    }
    std::size_t readSome(void* buffer, std::size_t size) override {
        if (!m_connected || m_pos == m_size) {
            m_connected = false;
            throw EChannelError("end of data");
        }
        const std::size_t n = std::min(size, std::min(m_size - m_pos, m_chunk));
        std::memcpy(buffer, m_data + m_pos, n);
        m_pos += n;
        return n;
    }
    // Hands out at most this many bytes a read, to replay a stream that arrives in pieces.
    void setChunk(std::size_t bytes) { m_chunk = bytes ? bytes : 1; }
    void writeAll(const void*, std::size_t) override {}
    void disconnect() override { m_connected = false; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    std::size_t m_chunk = std::size_t(-1);
    bool m_connected = true;
};

} // namespace orv
