#include "ConnectionOpening.h"

#include <cstdint>

namespace orv::server {

OpeningKind classifyOpening(QByteArrayView peeked) {
    const auto byte = [&](qsizetype i) { return std::uint8_t(peeked[i]); };
    const qsizetype n = peeked.size();
    if (n > 0 && byte(0) != 0x16)
        return OpeningKind::Plain;
    if (n > 1 && byte(1) != 0x03)
        return OpeningKind::Plain;
    if (n > 2 && (byte(2) < 0x01 || byte(2) > 0x03))
        return OpeningKind::Plain;
    // Bytes 3 and 4 are the record's length: anything goes.
    if (n > 5)
        return byte(5) == 0x01 ? OpeningKind::Tls : OpeningKind::Plain;
    return OpeningKind::Undecided;
}

} // namespace orv::server
