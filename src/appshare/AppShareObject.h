#pragma once
// The shared screen as a grid of tiles. The host takes a snapshot, reduces its colours, finds the tiles
// whose pixels differ from those last sent, encodes those as PNG and writes them into an update; viewers
// keep the same grid and paint each received tile into their full picture.

#include "protocol/AppShareMessages.h"

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <optional>
#include <vector>

namespace orv {

class IDesktopAccess;

// One tile of the grid.
struct TPane {
    std::int32_t index = 0, width = 0, height = 0;
    QByteArray current;       // the PNG last sent (host) or received (viewer)
    bool changed = false;     // set by the last encoding pass
    std::int32_t version = 0; // 0 before the first encoding, then one more for each change
    TTileRecord record;       // kept up to date
};

enum class TTilePaint { Painted, Skipped, Failed };

class TAppShareObject {
public:
    // The sides and the grid must hold together (TSharingRecord::GeometryValid); values beyond are clamped.
    TAppShareObject(std::int32_t width, std::int32_t height, std::int32_t columns, std::int32_t rows,
                    std::int32_t pixelFormat);

    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    std::int32_t Columns() const { return m_columns; }
    std::int32_t Rows() const { return m_rows; }
    std::int32_t TileWidth() const { return m_tileWidth; }
    std::int32_t TileHeight() const { return m_tileHeight; }
    std::int32_t LastColumnWidth() const { return m_lastColumnWidth; }
    std::int32_t LastRowHeight() const { return m_lastRowHeight; }
    std::int32_t TileCount() const { return m_columns * m_rows; }
    std::int32_t PixelFormat() const { return m_pixelFormat; }
    // Tiles go column by column, top to bottom: index = column x rows + row.
    QRect TileRect(std::int32_t index) const;

    const std::vector<TPane>& Panes() const { return m_panes; }
    // The host's snapshot, or the viewer's full picture.
    const QImage& Snapshot() const { return m_snapshot; }
    QImage& Snapshot() { return m_snapshot; }

    // The screen's (0, 0, width, height) into the snapshot, then EncodeTiles(false). False when the screen
    // could not be read (nothing is encoded then).
    bool CaptureDesktop(IDesktopAccess& desktop, std::int32_t width, std::int32_t height);
    // Grey, then the screen under the window's rectangle at the same place, then EncodeTiles(false). A window
    // whose rectangle is unknown leaves the snapshot grey.
    bool CaptureWindow(IDesktopAccess& desktop, const std::optional<QRect>& windowRect);
    // Reduces the snapshot's colours, then, for every tile whose reduced pixels differ from those last sent
    // (every tile when forced, or before its first encoding), encodes it, raises its version and marks it
    // changed; the others are unmarked.
    void EncodeTiles(bool force);
    // Clears the stream, writes each changed tile's record and PNG in index order; the count written.
    std::int32_t BuildUpdate(QByteArray& stream) const;

    // Viewer: stores the record in the pane of its index (no check).
    void ApplyTileRecord(std::int32_t index, const TTileRecord& record);
    // Viewer: a received tile into the full picture. Skipped: no image, an index outside the grid or a place
    // outside the picture. Failed: the PNG cannot be decoded at the record's size.
    TTilePaint PaintTile(const TScreenTile& tile);
    // Viewer: every pane's version in index order.
    std::vector<std::int32_t> Versions() const;

private:
    bool tileChanged(const QRect& rect) const;

    std::int32_t m_width, m_height, m_columns, m_rows, m_pixelFormat;
    std::int32_t m_tileWidth, m_tileHeight, m_lastColumnWidth, m_lastRowHeight;
    QImage m_snapshot;
    QImage m_sent; // the reduced pixels of the tiles as last encoded
    std::vector<TPane> m_panes;
};

} // namespace orv
