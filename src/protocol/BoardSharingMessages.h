#pragma once
// The messages that keep the public boards alike besides the drawing batches: board switches, the lock,
// access, clearing, the pointer, text, images, slides and library images, and the board history a joining
// participant loads. Every payload starts with the board it concerns, a signed 32-bit index, except the
// pointer's and the access notices'.

#include "protocol/BoardSharingRecords.h"
#include "protocol/PacketHeader.h"
#include "protocol/PayloadReader.h"
#include "protocol/ResourceRecords.h"

#include <QByteArray>

#include <optional>

namespace orv {

// cmLoadBoard (request), cmClearBoard, cmShowBoard, cmShowBoardHolder: the board alone.
struct TBoardIndexMessage {
    static constexpr std::size_t kSize = 4;
    std::int32_t board = 0;

    QByteArray encode() const;
    static TBoardIndexMessage decode(PayloadReader& reader);
};

// cmGiveBoard, cmBanBoard: the participant whose public-board access changes.
struct TBoardAccessMessage {
    static constexpr std::size_t kSize = 2;
    std::uint16_t userId = 0;

    QByteArray encode() const;
    static TBoardAccessMessage decode(PayloadReader& reader);
};

enum TPointerKind : std::uint16_t { pkHidden = 0, pkLeft = 1, pkRight = 2 };

// cmPointer: where the pointer is shown on which board, and which arrow (TPointerKind).
struct TPointerMessage {
    static constexpr std::size_t kSize = 8;
    std::uint16_t x = 0, y = 0, board = 0, kind = pkHidden;

    QByteArray encode() const;
    static TPointerMessage decode(PayloadReader& reader);
};

// cmBoardText: the board, the record and the text block, UTF-16LE with a two-byte terminator and one more
// zero byte (ByteCount = 2 × length + 3).
struct TBoardTextMessage {
    std::int32_t board = 0;
    TBoardTextRecord record;
    QString text;

    // ByteCount is set from the text.
    QByteArray encode() const;
    // ByteCount must be within what the payload holds; the text ends at its first zero character.
    static TBoardTextMessage decode(PayloadReader& reader);
};

// cmBoardTextAnsi, received only.
struct TBoardTextAnsiMessage {
    std::int32_t board = 0;
    TBoardTextRecordA record;

    static TBoardTextAnsiMessage decode(PayloadReader& reader);
};

// cmBoardImage: the board, the record and the JPEG bytes.
struct TBoardImageMessage {
    std::int32_t board = 0;
    TBoardImageRecord record;
    QByteArray jpeg;

    // JpegSize is set from the bytes.
    QByteArray encode() const;
    // JpegSize must be within what the payload holds.
    static TBoardImageMessage decode(PayloadReader& reader);
};

// cmShowSlide, cmShowLibraryImage: the request is the board and the resource's record; the server's answer
// adds the record's FileSize bytes of JPEG.
struct TBoardPictureMessage {
    std::int32_t board = 0;
    TResourceRecord record;
    QByteArray jpeg; // empty in a request

    QByteArray encode() const;
    // A FileSize of 0 or less leaves the JPEG empty; one beyond what the payload holds is refused.
    static TBoardPictureMessage decode(PayloadReader& reader);
    // A request: the board and the record only, whatever the record's FileSize says (a library's record
    // carries the size of its file).
    static TBoardPictureMessage decodeRequest(PayloadReader& reader);
};

// One packet inside a board history (the answer to cmLoadBoard): its header and payload.
struct TEmbeddedPacket {
    TPacketHeader header;
    QByteArray payload;
};

// The bytes of one embedded packet: a header whose DataSize is the payload's, then the payload.
QByteArray EmbedPacket(std::uint16_t command, std::uint16_t userId, const QByteArray& payload);

// Walks the embedded packets of a board history by their own DataSize. A header whose DataSize is negative
// or reaches past the end stops the walk, since nothing after it can be found.
class TBoardHistoryWalker {
public:
    // The history starts at `start` (a received packet's stream: after its header).
    explicit TBoardHistoryWalker(QByteArrayView history, qsizetype start = 0)
        : m_history(history), m_position(start) {}
    std::optional<TEmbeddedPacket> next();
    // The walk stopped on bytes that were not a whole packet.
    bool broken() const { return m_broken; }

private:
    QByteArrayView m_history; // valid as long as the walker is used
    qsizetype m_position;
    bool m_broken = false;
};

} // namespace orv
