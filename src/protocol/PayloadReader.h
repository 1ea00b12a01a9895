#pragma once
// The one bounds-checked reader every handler and record decoder uses. Reading past the end throws
// EPayloadError, and the caller drops the packet.

#include "protocol/WireFormat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <stdexcept>

namespace orv {

class EPayloadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PayloadReader {
public:
    PayloadReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    explicit PayloadReader(QByteArrayView bytes)
        : PayloadReader(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                        static_cast<std::size_t>(bytes.size())) {}

    std::size_t position() const { return m_pos; }
    std::size_t size() const { return m_size; }
    std::size_t remaining() const { return m_size - m_pos; }
    bool atEnd() const { return m_pos == m_size; }

    void seek(std::size_t position) {
        if (position > m_size)
            throw EPayloadError("seek past the end of the payload");
        m_pos = position;
    }
    void skip(std::size_t count) { take(count); }

    std::uint8_t u8() { return *take(1); }
    std::uint16_t u16() { return wire::load<std::uint16_t>(take(2)); }
    std::int16_t i16() { return wire::load<std::int16_t>(take(2)); }
    std::uint32_t u32() { return wire::load<std::uint32_t>(take(4)); }
    std::int32_t i32() { return wire::load<std::int32_t>(take(4)); }
    double f64() { return wire::load<double>(take(8)); }
    bool flag() { return u8() != 0; }

    // A short string field of the given capacity: always consumes capacity + 1 bytes.
    QString shortString(std::size_t capacity) { return wire::loadShortString(take(capacity + 1), capacity); }
    // UTF-16LE text of an explicit byte count (an odd last byte is consumed and ignored).
    QString wideText(std::size_t byteCount) {
        const std::uint8_t* p = take(byteCount);
        QString text(static_cast<qsizetype>(byteCount / 2), Qt::Uninitialized);
        for (std::size_t i = 0; i < byteCount / 2; ++i)
            text[static_cast<qsizetype>(i)] = QChar(wire::load<std::uint16_t>(p + 2 * i));
        return text;
    }
    QByteArray bytes(std::size_t count) {
        const std::uint8_t* p = take(count);
        return QByteArray(reinterpret_cast<const char*>(p), static_cast<qsizetype>(count));
    }
    // Copies exactly `count` bytes into `out`.
    void copyTo(void* out, std::size_t count) {
        const std::uint8_t* p = take(count);
        if (count > 0) // an empty payload's data pointer may be null, which memcpy may not be given
            std::memcpy(out, p, count);
    }

private:
    const std::uint8_t* take(std::size_t count) {
        if (count > m_size - m_pos)
            throw EPayloadError("read past the end of the payload");
        const std::uint8_t* p = m_data + m_pos;
        m_pos += count;
        return p;
    }

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace orv
