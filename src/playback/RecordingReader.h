#pragma once
// Reads a recording file packet by packet: the 740-byte header (local files and web downloads) or none
// (server downloads), then packets, each a 20-byte header and DataSize payload bytes. The file may still be
// growing: only the bytes the download has published are read.

#include "protocol/Constants.h"
#include "protocol/PacketHeader.h"
#include "protocol/RecordingMessages.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

namespace orv {

enum class TNextPacket {
    Packet, // read whole into the buffer
    NotYet, // its bytes have not all arrived (or are still zero); the position is unchanged
    End,    // nothing more to play: the recording's end, or a packet size no recording can hold
};

class TRecordingReader {
public:
    static constexpr std::int32_t kMaxPayload = kMaxControlPayload;

    // `hasHeader`: the packets start after the recording header; otherwise at offset 0.
    TRecordingReader(const QString& path, bool hasHeader);

    bool IsOpen() const { return m_file.isOpen(); }
    std::int64_t DataStart() const { return m_dataStart; }
    std::int64_t Position() const { return m_position; }
    // Back to the first packet.
    void Rewind() { m_position = m_dataStart; }

    // The next packet, reading no byte at or beyond `available`. The recording ends where `endOffset` says
    // (the file offset after its last packet, from the header's total size; 0 or less when unknown).
    TNextPacket Next(std::int64_t available, std::int64_t endOffset);

    // The packet last read: its header, and header and payload as one stream, as the dispatcher takes them.
    const TPacketHeader& Header() const { return m_header; }
    const QByteArray& Packet() const { return m_packet; }

    // The recording header at offset 0, when the file has one and its bytes are available.
    std::optional<TRecordedSessionHeader> ReadHeader(std::int64_t available);

private:
    // Bytes [offset, offset + size) through a window of the file, filled only from below `available`.
    bool readAt(std::int64_t offset, char* out, std::int64_t size, std::int64_t available);
    bool readFully(char* out, std::int64_t size);

    QFile m_file;
    std::int64_t m_dataStart;
    std::int64_t m_position;
    TPacketHeader m_header;
    QByteArray m_packet;
    QByteArray m_window;
    std::int64_t m_windowStart = 0;
};

// The room's codec index from a recording's first packet: the room entry reply's room record (after a
// 54-byte block unless the payload is the room record alone); 0 for any other first packet.
std::int32_t RoomCodecOf(const TPacketHeader& first, const QByteArray& stream);

} // namespace orv
