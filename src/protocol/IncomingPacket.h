#pragma once
// A received packet as its handler sees it, on either end of the connection.

#include "protocol/PacketHeader.h"
#include "protocol/PayloadReader.h"

#include <QByteArrayView>

namespace orv {

// Header fields and the stream holding header and payload. Valid only while the handler runs; a handler
// copies what it keeps.
struct TIncomingPacket {
    const TPacketHeader& header;
    QByteArrayView stream;

    // A reader over the whole stream, positioned at the payload's start (offset 20).
    PayloadReader payload() const {
        PayloadReader reader(stream);
        reader.seek(TPacketHeader::kSize);
        return reader;
    }
};

} // namespace orv
