#include "protocol/PacketHeader.h"

#include "protocol/Stamp.h"
#include "protocol/WireFormat.h"

#include <stdexcept>

namespace orv {

namespace {
constexpr std::size_t kCommandAt = 0, kUserIdAt = 2, kRoomIdAt = 4, kStampAt = 6, kDataSizeAt = 14,
                      kResultCodeAt = 18;
static_assert(kResultCodeAt + sizeof(std::uint16_t) == TPacketHeader::kSize);
} // namespace

void TPacketHeader::encode(std::uint8_t* out) const {
    wire::store(out + kCommandAt, Command);
    wire::store(out + kUserIdAt, UserId);
    wire::store(out + kRoomIdAt, RoomId);
    wire::store(out + kStampAt, Stamp);
    wire::store(out + kDataSizeAt, DataSize);
    wire::store(out + kResultCodeAt, ResultCode);
}

TPacketHeader TPacketHeader::decode(const std::uint8_t* in) {
    TPacketHeader h;
    h.Command = wire::load<std::uint16_t>(in + kCommandAt);
    h.UserId = wire::load<std::uint16_t>(in + kUserIdAt);
    h.RoomId = wire::load<std::uint16_t>(in + kRoomIdAt);
    h.Stamp = wire::load<double>(in + kStampAt);
    h.DataSize = wire::load<std::int32_t>(in + kDataSizeAt);
    h.ResultCode = wire::load<std::uint16_t>(in + kResultCodeAt);
    return h;
}

TPacketHeader TPacketHeader::decode(QByteArrayView stream) {
    if (stream.size() < qsizetype(kSize))
        throw std::out_of_range("a packet stream shorter than its header");
    return decode(reinterpret_cast<const std::uint8_t*>(stream.constData()));
}

QByteArray TPacketHeader::toByteArray() const {
    QByteArray out(kSize, Qt::Uninitialized);
    encode(reinterpret_cast<std::uint8_t*>(out.data()));
    return out;
}

void FillHeader(std::uint16_t command, std::uint16_t userId, std::uint16_t roomId, TPacketHeader& header) {
    header.Command = command;
    header.UserId = userId;
    header.RoomId = roomId;
    header.Stamp = stampNow();
    header.DataSize = 0;
    header.ResultCode = 0;
}

QByteArray PacketToStream(const TPacketHeader& header, const void* payload, std::size_t size) {
    QByteArray stream = header.toByteArray();
    if (size > 0)
        stream.append(static_cast<const char*>(payload), static_cast<qsizetype>(size));
    return stream;
}

QByteArray BuildPacket(std::uint16_t command, std::uint16_t userId, std::uint16_t roomId,
                       const QByteArray& payload, std::uint16_t resultCode) {
    TPacketHeader header;
    FillHeader(command, userId, roomId, header);
    header.DataSize = static_cast<std::int32_t>(payload.size());
    header.ResultCode = resultCode;
    return PacketToStream(header, payload.constData(), static_cast<std::size_t>(payload.size()));
}

} // namespace orv
