#pragma once
// The 20-byte header that starts every packet on every connection and in recorded-session files.

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

namespace orv {

struct TPacketHeader {
    static constexpr std::size_t kSize = 20;

    std::uint16_t Command = 0;
    std::uint16_t UserId = 0;
    std::uint16_t RoomId = 0;
    double Stamp = 0.0;
    std::int32_t DataSize = 0; // payload bytes that follow; 0 or less means none
    std::uint16_t ResultCode = 0;

    void encode(std::uint8_t* out) const;
    static TPacketHeader decode(const std::uint8_t* in);
    // The header at the start of a packet stream; the stream must hold at least its 20 bytes.
    static TPacketHeader decode(QByteArrayView stream);
    QByteArray toByteArray() const;
    // The payload size a reader should consume: DataSize when positive, else 0.
    std::size_t payloadSize() const { return DataSize > 0 ? static_cast<std::size_t>(DataSize) : 0; }

    friend bool operator==(const TPacketHeader&, const TPacketHeader&) = default;
};

// Stores the identifiers, stamps the current local time and clears DataSize and ResultCode.
void FillHeader(std::uint16_t command, std::uint16_t userId, std::uint16_t roomId, TPacketHeader& header);

// The header's bytes followed by the payload's. The caller has set DataSize to `size`.
QByteArray PacketToStream(const TPacketHeader& header, const void* payload, std::size_t size);

// A whole packet built in one step: header filled, DataSize set to the payload's size.
QByteArray BuildPacket(std::uint16_t command, std::uint16_t userId, std::uint16_t roomId,
                       const QByteArray& payload = {}, std::uint16_t resultCode = 0);

} // namespace orv
