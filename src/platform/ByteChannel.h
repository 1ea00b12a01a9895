#pragma once
// A connected byte stream as the session link's threads see it: exact-length blocking reads and writes.

#include <cstddef>
#include <stdexcept>

namespace orv {

class EChannelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IByteChannel {
public:
    virtual ~IByteChannel() = default;
    virtual bool isConnected() const = 0;
    // Both throw EChannelError on failure; a failed read or write leaves the channel disconnected
    // when the peer has gone.
    virtual void readExact(void* buffer, std::size_t size) = 0;
    // Waits for at least one byte and returns what is there, up to `size`; never 0.
    virtual std::size_t readSome(void* buffer, std::size_t size) = 0;
    virtual void writeAll(const void* buffer, std::size_t size) = 0;
    // Unblocks a blocked reader and marks the channel disconnected.
    virtual void disconnect() = 0;
};

} // namespace orv
