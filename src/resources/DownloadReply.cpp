#include "resources/DownloadReply.h"

#include "protocol/TransferMessages.h"
#include "resources/TransferThread.h"

#include <QByteArray>

namespace orv {
namespace {
constexpr qint64 kDownloadBlock = 256 * 1024;
}

TDownloadReply ReadDownloadReply(IByteChannel& channel, QIODevice& out) {
    std::uint8_t headerBytes[TPacketHeader::kSize];
    channel.readExact(headerBytes, sizeof headerBytes);
    const TPacketHeader header = TPacketHeader::decode(headerBytes);
    TDownloadReply reply;
    reply.resultCode = header.ResultCode;
    if (reply.resultCode != 0)
        return reply;

    if (header.DataSize < std::int32_t(TResourceRecord::kSize))
        throw EChannelError("a reply without the resource record");
    std::uint8_t recordBytes[TResourceRecord::kSize];
    channel.readExact(recordBytes, sizeof recordBytes);
    reply.record.fromBytes(recordBytes);
    const std::optional<std::int32_t> size = ContentSize(header, reply.record);
    if (!size)
        throw EChannelError("a reply whose file does not fit its size");

    QByteArray block(qsizetype(std::min<qint64>(kDownloadBlock, *size)), Qt::Uninitialized);
    for (qint64 left = *size; left > 0;) {
        const qint64 n = std::min<qint64>(left, block.size());
        channel.readExact(block.data(), std::size_t(n));
        if (out.write(block.constData(), n) != n)
            throw ELocalFileError("cannot write the downloaded file: " + out.errorString().toStdString());
        left -= n;
    }
    return reply;
}

} // namespace orv
