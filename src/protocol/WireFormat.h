#pragma once
// Little-endian fields and short strings, the forms data takes inside packets and fixed-size records.

#include "protocol/Windows1252.h"

#include <QByteArray>
#include <QString>

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace orv::wire {

static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big);

template <typename T>
requires std::is_arithmetic_v<T> T load(const std::uint8_t* p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::big && sizeof(T) > 1) {
        auto* b = reinterpret_cast<std::uint8_t*>(&value);
        for (std::size_t i = 0; i < sizeof(T) / 2; ++i)
            std::swap(b[i], b[sizeof(T) - 1 - i]);
    }
    return value;
}

template <typename T>
requires std::is_arithmetic_v<T>
void store(std::uint8_t* p, T value) {
    if constexpr (std::endian::native == std::endian::big && sizeof(T) > 1) {
        auto* b = reinterpret_cast<std::uint8_t*>(&value);
        for (std::size_t i = 0; i < sizeof(T) / 2; ++i)
            std::swap(b[i], b[sizeof(T) - 1 - i]);
    }
    std::memcpy(p, &value, sizeof value);
}

// A field's little-endian bytes, as a payload of its own.
template <typename T>
requires std::is_arithmetic_v<T> QByteArray bytesOf(T value) {
    QByteArray out(qsizetype(sizeof(T)), Qt::Uninitialized);
    store(reinterpret_cast<std::uint8_t*>(out.data()), value);
    return out;
}

// A short string of capacity N occupies N+1 bytes: a length byte, then the characters. Text longer than N is
// cut to its first N characters; the unused tail is zeroed.
inline void storeShortString(std::uint8_t* field, std::size_t capacity, const QString& text) {
    const QByteArray bytes = toWindows1252(text);
    const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()), capacity);
    field[0] = static_cast<std::uint8_t>(length);
    std::memcpy(field + 1, bytes.constData(), length);
    std::memset(field + 1 + length, 0, capacity - length);
}

// A length byte above the capacity is clamped to it, so a read never leaves the field.
inline QString loadShortString(const std::uint8_t* field, std::size_t capacity) {
    const std::size_t length = std::min<std::size_t>(field[0], capacity);
    return fromWindows1252(reinterpret_cast<const char*>(field + 1), static_cast<qsizetype>(length));
}

} // namespace orv::wire
