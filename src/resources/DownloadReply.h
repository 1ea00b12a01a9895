#pragma once
// Reads a download's reply from its connection: the header, then on success the resource record and the
// file, which goes straight to `out` in blocks, so memory stays small whatever the size. The sizes are
// checked before anything is written: DataSize must hold the record, and FileSize lie between 0 and what
// follows the record.

#include "platform/ByteChannel.h"
#include "protocol/ResourceRecords.h"

#include <QIODevice>

namespace orv {

struct TDownloadReply {
    std::uint16_t resultCode = 0; // the server's; on anything but 0 no record was read
    TResourceRecord record;
};

// Throws EChannelError when the reply breaks off or its sizes do not hold together, ELocalFileError when
// `out` takes no more.
TDownloadReply ReadDownloadReply(IByteChannel& channel, QIODevice& out);

} // namespace orv
