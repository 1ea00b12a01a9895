#include "protocol/VoiceMessages.h"

namespace orv {

QByteArray VoiceFrame(std::uint16_t command, std::uint16_t userId, std::uint16_t roomId, const void* payload,
                      std::size_t size) {
    TPacketHeader header;
    header.Command = command;
    header.UserId = userId;
    header.RoomId = roomId;
    header.DataSize = std::int32_t(size);
    return PacketToStream(header, payload, size);
}

} // namespace orv
