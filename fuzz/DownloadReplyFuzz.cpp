// Arbitrary bytes as the reply to a download: the client reads the header, the record and the file into a
// buffer, and never writes more than the record's FileSize, nor anything when the sizes do not hold together.
#include "platform/MemoryChannel.h"
#include "protocol/TransferMessages.h"
#include "resources/DownloadReply.h"
#include "resources/TransferThread.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orv::MemoryChannel channel(data, size);
    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    try {
        const orv::TDownloadReply reply = orv::ReadDownloadReply(channel, out);
        const orv::TPacketHeader header = orv::TPacketHeader::decode(data);
        if (reply.resultCode != 0
                ? !written.isEmpty()
                : (written.size() != reply.record.FileSize() || !orv::ContentSize(header, reply.record)))
            __builtin_trap();
    } catch (const orv::EChannelError&) {
        // A short or inconsistent reply: nothing more to check than that it was refused.
    }
    if (written.size() > qsizetype(size))
        __builtin_trap();
    return 0;
}
