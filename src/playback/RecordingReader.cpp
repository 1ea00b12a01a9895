#include "playback/RecordingReader.h"

#include "protocol/CommandCatalogue.h"
#include "protocol/RoomRecords.h"

#include <algorithm>
#include <cstring>

namespace orv {

TRecordingReader::TRecordingReader(const QString& path, bool hasHeader)
    : m_file(path), m_dataStart(hasHeader ? std::int64_t(TRecordedSessionHeader::kSize) : 0),
      m_position(m_dataStart) {
    // Unbuffered: the file grows behind our back, and a buffer would keep its old end.
    (void)m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

namespace {

// One system call brings in what many packets need: reading each header and payload on its own costs far
// more than the bytes.
constexpr std::int64_t kWindowBytes = 256 * 1024;

} // namespace

bool TRecordingReader::readFully(char* out, std::int64_t size) {
    std::int64_t done = 0;
    while (done < size) {
        const qint64 n = m_file.read(out + done, size - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The window only ever takes bytes below `available`: the download has written and flushed those for good,
// so the window never holds bytes the file has changed since.
bool TRecordingReader::readAt(std::int64_t offset, char* out, std::int64_t size, std::int64_t available) {
    if (offset < m_windowStart || offset + size > m_windowStart + m_window.size()) {
        const std::int64_t want = std::max(size, std::min(kWindowBytes, available - offset));
        m_window.resize(qsizetype(want));
        if (!m_file.isOpen() || !m_file.seek(offset) || !readFully(m_window.data(), want)) {
            m_window.clear();
            return false;
        }
        m_windowStart = offset;
    }
    std::memcpy(out, m_window.constData() + (offset - m_windowStart), std::size_t(size));
    return true;
}

TNextPacket TRecordingReader::Next(std::int64_t available, std::int64_t endOffset) {
    if (endOffset > 0 && m_position >= endOffset)
        return TNextPacket::End;
    if (available < m_position + std::int64_t(TPacketHeader::kSize))
        return TNextPacket::NotYet;
    std::uint8_t head[TPacketHeader::kSize];
    if (!readAt(m_position, reinterpret_cast<char*>(head), sizeof head, available))
        return TNextPacket::NotYet;
    const TPacketHeader header = TPacketHeader::decode(head);
    // A size no packet can have would move the position backwards or past any real file: the recording is
    // damaged from here on.
    if (header.DataSize < 0 || header.DataSize > kMaxPayload)
        return TNextPacket::End;
    // A zero command marks bytes the download has reserved but not written yet.
    if (header.Command == 0)
        return TNextPacket::NotYet;
    const std::int64_t end = m_position + std::int64_t(TPacketHeader::kSize) + header.DataSize;
    if (available < end)
        return TNextPacket::NotYet;
    m_packet.resize(qsizetype(TPacketHeader::kSize) + header.DataSize);
    std::memcpy(m_packet.data(), head, sizeof head);
    if (header.DataSize > 0 && !readAt(m_position + std::int64_t(TPacketHeader::kSize),
                                       m_packet.data() + TPacketHeader::kSize, header.DataSize, available))
        return TNextPacket::NotYet;
    m_header = header;
    m_position = end;
    return TNextPacket::Packet;
}

std::optional<TRecordedSessionHeader> TRecordingReader::ReadHeader(std::int64_t available) {
    if (m_dataStart == 0 || available < std::int64_t(TRecordedSessionHeader::kSize))
        return std::nullopt;
    QByteArray bytes(qsizetype(TRecordedSessionHeader::kSize), '\0');
    if (!readAt(0, bytes.data(), bytes.size(), available))
        return std::nullopt;
    PayloadReader reader(bytes);
    return TRecordedSessionHeader::decode(reader);
}

std::int32_t RoomCodecOf(const TPacketHeader& first, const QByteArray& stream) {
    if (first.Command != cmEnterRoom)
        return 0;
    try {
        PayloadReader reader(stream);
        reader.seek(TPacketHeader::kSize);
        if (first.DataSize != std::int32_t(TRoomRecord::kSize))
            reader.skip(TRoomConnection::kSize);
        TRoomRecord room;
        room.readFrom(reader);
        const std::int32_t codec = room.AudioCodec();
        return codec >= 0 && codec <= 7 ? codec : 0; // the catalogue's indexes
    } catch (const EPayloadError&) {
        return 0;
    }
}

} // namespace orv
