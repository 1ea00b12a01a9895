#pragma once
// A packed fixed-size wire record kept as its exact byte image, with typed fields at fixed offsets.
// Bytes the client does not interpret survive a read and a write unchanged. Offsets are checked at compile
// time.

#include "protocol/PayloadReader.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace orv {

template <std::size_t N> class TFixedRecord {
public:
    static constexpr std::size_t kSize = N;

    template <typename T, std::size_t Offset> T get() const {
        static_assert(Offset + sizeof(T) <= N, "field outside the record");
        return wire::load<T>(m_bytes.data() + Offset);
    }
    template <typename T, std::size_t Offset> void set(T value) {
        static_assert(Offset + sizeof(T) <= N, "field outside the record");
        wire::store<T>(m_bytes.data() + Offset, value);
    }
    template <std::size_t Offset, std::size_t Capacity> QString text() const {
        static_assert(Offset + Capacity + 1 <= N, "field outside the record");
        return wire::loadShortString(m_bytes.data() + Offset, Capacity);
    }
    template <std::size_t Offset, std::size_t Capacity> void setText(const QString& value) {
        static_assert(Offset + Capacity + 1 <= N, "field outside the record");
        wire::storeShortString(m_bytes.data() + Offset, Capacity, value);
    }

    const std::array<std::uint8_t, N>& bytes() const { return m_bytes; }
    QByteArray toByteArray() const { return QByteArray(reinterpret_cast<const char*>(m_bytes.data()), N); }
    void readFrom(PayloadReader& reader) { reader.copyTo(m_bytes.data(), N); }
    void fromBytes(const std::uint8_t* data) { std::memcpy(m_bytes.data(), data, N); }

    friend bool operator==(const TFixedRecord&, const TFixedRecord&) = default;

private:
    std::array<std::uint8_t, N> m_bytes{};
};

} // namespace orv
