#pragma once
// The messages of application sharing: screen updates (tile records each followed by their PNG bytes), the
// pointer's record and image, the viewer's tile versions, control given to a participant, and remote input.

#include "protocol/AppShareRecords.h"
#include "protocol/PayloadReader.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

namespace orv {

// One tile of a screen update; `png` is empty when the record's ByteCount is 0.
struct TScreenTile {
    TTileRecord record;
    QByteArray png;
};

// Appends a tile record and its image to an update stream; ByteCount is set from the image and the reserved
// field to 0.
void AppendScreenTile(QByteArray& stream, TTileRecord record, QByteArrayView png);

// Walks the tiles of a screen update. A record cut short, or a ByteCount that is negative or reaches past
// the end, stops the walk, since nothing after it can be found.
class TScreenTileWalker {
public:
    explicit TScreenTileWalker(QByteArrayView update) : m_update(update) {}
    std::optional<TScreenTile> next();
    bool broken() const { return m_broken; }

private:
    QByteArrayView m_update; // valid as long as the walker is used
    qsizetype m_position = 0;
    bool m_broken = false;
};

// A tile record's place lies inside a shared picture of the given size: width and height at least 1, the
// position not negative, and the whole rectangle within the picture.
bool TileFitsPicture(const TTileRecord& record, std::int32_t pictureWidth, std::int32_t pictureHeight);

// cmCursorPosition (out) and cmRefreshScreen (in): the pointer's record and its PNG image.
struct TCursorMessage {
    TCursorRecord record;
    QByteArray png;

    // ByteCount is set from the image.
    QByteArray encode() const;
    // A ByteCount beyond what the payload holds is refused; one below 1 leaves the image empty.
    static TCursorMessage decode(PayloadReader& reader);
};

// cmScreenImage from a viewer: the version of every tile in index order.
struct TTileVersions {
    static constexpr std::size_t kMaxCount = std::size_t(kMaxShareGridSide) * kMaxShareGridSide;
    std::vector<std::int32_t> versions;

    QByteArray encode() const;
    // The whole payload, four bytes a tile; a size that is no multiple of 4 or beyond kMaxCount is refused.
    static TTileVersions decode(PayloadReader& reader);
};

// cmGiveControl from the host: the viewer who gets control.
struct TGiveControlMessage {
    static constexpr std::size_t kSize = 2;
    std::uint16_t userId = 0;

    QByteArray encode() const;
    static TGiveControlMessage decode(PayloadReader& reader);
};

} // namespace orv
