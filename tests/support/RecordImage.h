#pragma once
// Writing a record's bytes by hand, as the layouts give them, to check a reader and a writer against.

#include "protocol/WireFormat.h"

#include <QByteArray>

namespace orv::test {

// A short string at an offset: its length byte, then its characters.
inline void put(QByteArray& image, int offset, const QByteArray& text) {
    image[offset] = char(text.size());
    image.replace(offset + 1, text.size(), text);
}

// A little-endian value at an offset.
template <typename T> void putValue(QByteArray& image, int offset, T value) {
    image.replace(offset, int(sizeof(T)), wire::bytesOf(value));
}

} // namespace orv::test
