#include "appshare/AppShareObject.h"

#include "appshare/PixelReduction.h"
#include "appshare/PngTiles.h"
#include "platform/DesktopAccess.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace orv {

namespace {

constexpr QRgb kWindowBackground = 0xFF808080;

} // namespace

TAppShareObject::TAppShareObject(std::int32_t width, std::int32_t height, std::int32_t columns,
                                 std::int32_t rows, std::int32_t pixelFormat)
    : m_width(std::clamp(width, 1, kMaxShareSide)), m_height(std::clamp(height, 1, kMaxShareSide)),
      m_columns(std::clamp(columns, 1, std::min(kMaxShareGridSide, m_width))),
      m_rows(std::clamp(rows, 1, std::min(kMaxShareGridSide, m_height))), m_pixelFormat(pixelFormat) {
    m_tileWidth = m_width / m_columns;
    m_tileHeight = m_height / m_rows;
    m_lastColumnWidth = m_width - m_tileWidth * (m_columns - 1);
    m_lastRowHeight = m_height - m_tileHeight * (m_rows - 1);
    if (m_lastColumnWidth == 0)
        m_lastColumnWidth = m_tileWidth;
    if (m_lastRowHeight == 0)
        m_lastRowHeight = m_tileHeight;
    m_snapshot = QImage(m_width, m_height, QImage::Format_RGB32);
    m_snapshot.fill(Qt::black);
    m_panes.resize(std::size_t(TileCount()));
    for (std::int32_t i = 0; i < TileCount(); ++i) {
        const QRect r = TileRect(i);
        TPane& pane = m_panes[std::size_t(i)];
        pane.index = i;
        pane.width = r.width();
        pane.height = r.height();
        pane.record.SetIndex(i);
        pane.record.SetWidth(r.width());
        pane.record.SetHeight(r.height());
        pane.record.SetX(r.x());
        pane.record.SetY(r.y());
    }
}

QRect TAppShareObject::TileRect(std::int32_t index) const {
    const std::int32_t column = index / m_rows, row = index % m_rows;
    return QRect(column * m_tileWidth, row * m_tileHeight,
                 column == m_columns - 1 ? m_lastColumnWidth : m_tileWidth,
                 row == m_rows - 1 ? m_lastRowHeight : m_tileHeight);
}

bool TAppShareObject::CaptureDesktop(IDesktopAccess& desktop, std::int32_t width, std::int32_t height) {
    if (!desktop.CaptureArea(QRect(0, 0, width, height), m_snapshot))
        return false;
    EncodeTiles(false);
    return true;
}

bool TAppShareObject::CaptureWindow(IDesktopAccess& desktop, const std::optional<QRect>& windowRect) {
    m_snapshot.fill(kWindowBackground);
    if (windowRect)
        desktop.CaptureArea(*windowRect, m_snapshot);
    EncodeTiles(false);
    return true;
}

bool TAppShareObject::tileChanged(const QRect& r) const {
    const std::size_t bytes = std::size_t(r.width()) * 4;
    for (int y = r.top(); y <= r.bottom(); ++y)
        if (std::memcmp(m_snapshot.constScanLine(y) + 4 * r.x(), m_sent.constScanLine(y) + 4 * r.x(),
                        bytes) != 0)
            return true;
    return false;
}

void TAppShareObject::EncodeTiles(bool force) {
    ReduceColors(m_snapshot, m_snapshot.rect(), m_pixelFormat);
    if (m_sent.isNull()) {
        m_sent = QImage(m_width, m_height, QImage::Format_RGB32);
        m_sent.fill(Qt::black);
    }
    for (TPane& pane : m_panes) {
        pane.changed = false;
        const QRect r = TileRect(pane.index);
        // Equal reduced pixels give equal PNG bytes (one encoder setting throughout), so only a tile whose
        // pixels differ is encoded again.
        if (force || pane.version == 0 || tileChanged(r)) {
            pane.current = EncodeTilePng(m_snapshot, r);
            for (int y = r.top(); y <= r.bottom(); ++y)
                std::memcpy(m_sent.scanLine(y) + 4 * r.x(), m_snapshot.constScanLine(y) + 4 * r.x(),
                            std::size_t(r.width()) * 4);
            ++pane.version;
            pane.changed = true;
        }
        pane.record.SetIndex(pane.index);
        pane.record.SetVersion(pane.version);
        pane.record.SetByteCount(std::int32_t(pane.current.size()));
    }
}

std::int32_t TAppShareObject::BuildUpdate(QByteArray& stream) const {
    stream.clear();
    std::int32_t count = 0;
    for (const TPane& pane : m_panes)
        if (pane.changed) {
            AppendScreenTile(stream, pane.record, pane.current);
            ++count;
        }
    return count;
}

void TAppShareObject::ApplyTileRecord(std::int32_t index, const TTileRecord& record) {
    TPane& pane = m_panes[std::size_t(index)];
    pane.record = record;
    pane.version = record.Version();
    pane.width = record.Width();
    pane.height = record.Height();
}

TTilePaint TAppShareObject::PaintTile(const TScreenTile& tile) {
    const TTileRecord& r = tile.record;
    if (r.ByteCount() == 0 || r.Index() < 0 || r.Index() >= TileCount() ||
        !TileFitsPicture(r, m_width, m_height))
        return TTilePaint::Skipped;
    const QImage image = DecodeTilePng(tile.png, r.Width(), r.Height());
    if (image.isNull())
        return TTilePaint::Failed;
    ApplyTileRecord(r.Index(), r);
    m_panes[std::size_t(r.Index())].current = tile.png;
    QPainter painter(&m_snapshot);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(r.X(), r.Y()), image);
    return TTilePaint::Painted;
}

std::vector<std::int32_t> TAppShareObject::Versions() const {
    std::vector<std::int32_t> versions;
    versions.reserve(m_panes.size());
    for (const TPane& pane : m_panes)
        versions.push_back(pane.version);
    return versions;
}

} // namespace orv
