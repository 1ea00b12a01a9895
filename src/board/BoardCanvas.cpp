#include "board/BoardCanvas.h"

#include "board/BrushPattern.h"
#include "board/FloodFill.h"
#include "board/LineDDA.h"
#include "board/ShapeSpans.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace orv {

namespace {

QRgb* Row(QImage& image, int y) {
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}

QPointF Centre(QPoint p) {
    return {p.x() + 0.5, p.y() + 0.5};
}

} // namespace

// Tells the listener what a public operation changed when it returns, whichever way it returns.
class BoardCanvas::ChangeNotice {
public:
    explicit ChangeNotice(BoardCanvas& canvas) : m_canvas(canvas) {}
    ~ChangeNotice() { m_canvas.notifyChanges(); }
    ChangeNotice(const ChangeNotice&) = delete;
    ChangeNotice& operator=(const ChangeNotice&) = delete;

private:
    BoardCanvas& m_canvas;
};

BoardCanvas::BoardCanvas(QSize size) : m_image(size, QImage::Format_RGB32) {
    m_image.fill(ToPixel(kBoardWhite));
}

void BoardCanvas::MarkChanged(const QRect& area) {
    m_changed |= area;
    notifyChanges();
}

void BoardCanvas::notifyChanges() {
    // Inside a figure the whole figure is told once, when it ends.
    if (m_figureDepth > 0)
        return;
    const QRect area = m_changed & m_image.rect();
    m_changed = QRect();
    if (!area.isEmpty() && m_listener)
        m_listener(area);
}

void BoardCanvas::BeginFigure(PenMode mode) {
    if (m_figureDepth++ > 0)
        return;
    m_mode = mode;
    if (mode == PenMode::NotXor && m_overlay.size() != m_image.size()) {
        m_overlay = QImage(m_image.size(), QImage::Format_ARGB32_Premultiplied);
        m_overlay.fill(0);
    }
    m_dirty = QRect();
}

void BoardCanvas::EndFigure() {
    if (m_figureDepth == 0 || --m_figureDepth > 0)
        return;
    if (m_mode == PenMode::NotXor)
        combineNotXor();
    m_mode = PenMode::Copy;
    notifyChanges();
}

void BoardCanvas::combineNotXor() {
    const QRect area = m_dirty & m_image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* source = Row(m_overlay, y);
        QRgb* pixels = Row(m_image, y);
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAlpha(source[x]) == 0)
                continue;
            pixels[x] = 0xFF000000u | (~(source[x] ^ pixels[x]) & 0x00FFFFFFu);
            source[x] = 0;
        }
    }
    m_changed |= area;
    m_dirty = QRect();
}

void BoardCanvas::touch(int left, int top, int right, int bottom) {
    (m_mode == PenMode::NotXor ? m_dirty : m_changed) |= QRect(QPoint(left, top), QPoint(right, bottom));
}

void BoardCanvas::plot(int x, int y, QRgb colour) {
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    Row(target(), y)[x] = colour;
    touch(x, y, x, y);
}

void BoardCanvas::run(int y, int begin, int end, QRgb colour) {
    begin = std::max(begin, 0);
    end = std::min(end, m_image.width());
    if (y < 0 || y >= m_image.height() || end <= begin)
        return;
    QRgb* pixels = Row(target(), y);
    std::fill(pixels + begin, pixels + end, colour);
    touch(begin, y, end - 1, y);
}

void BoardCanvas::brushRun(int y, int begin, int end) {
    if (m_brush.style == BoardBrush::Solid) {
        run(y, begin, end, ToPixel(m_brush.color));
        return;
    }
    const int from = std::max(begin, 0), to = std::min(end, m_image.width());
    for (int x = from; x < to; ++x)
        if (BrushCovers(m_brush.style, x, y))
            plot(x, y, ToPixel(m_brush.color));
}

void BoardCanvas::stroke(const QPainterPath& path) {
    QPainter painter(&target());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.strokePath(path, QPen(QColor::fromRgb(ToPixel(m_pen.color)), m_pen.width, Qt::SolidLine,
                                  Qt::RoundCap, Qt::RoundJoin));
    const int reach = m_pen.width / 2 + 2;
    const QRect bounds = path.boundingRect().toAlignedRect().adjusted(-reach, -reach, reach, reach);
    touch(bounds.left(), bounds.top(), bounds.right(), bounds.bottom());
}

void BoardCanvas::LineTo(QPoint to) {
    const ChangeNotice notice(*this);
    const QPoint from = m_penPosition;
    m_penPosition = to;
    if (m_pen.width <= 1) {
        const QRgb colour = ToPixel(m_pen.color);
        const bool dotted = m_pen.style == PenStyle::Dotted;
        ClippedLineDDA(from, to, m_image.rect(), [&](int x, int y, std::int64_t step) {
            if (!dotted || step % 2 == 0)
                plot(x, y, colour);
        });
        return;
    }
    // A line of no length draws nothing, wide or not.
    if (from == to)
        return;
    QPainterPath path(Centre(from));
    path.lineTo(Centre(to));
    stroke(path);
}

void BoardCanvas::figure(const HalfOpenBox& box, const ShapeSpans& area, const ShapeSpans& outer,
                         const ShapeSpans& inner, bool rectangle) {
    const int firstRow = std::max(box.top, 0), endRow = std::min(box.bottom, m_image.height());
    if (!BrushIsEmpty(m_brush.style))
        for (int y = firstRow; y < endRow; ++y) {
            const RowRun r = area.at(y);
            brushRun(y, r.begin, r.end);
        }
    const QRgb colour = ToPixel(m_pen.color);
    if (m_pen.width > 1) {
        const int outerFirst = std::max(outer.firstRow(), 0),
                  outerEnd = std::min(outer.endRow(), m_image.height());
        for (int y = outerFirst; y < outerEnd; ++y)
            for (const RowRun& r : RunsBetween(outer.at(y), inner.at(y)))
                run(y, r.begin, r.end, colour);
        return;
    }
    if (rectangle && m_pen.style == PenStyle::Dotted) {
        dottedBorder(box);
        return;
    }
    for (int y = firstRow; y < endRow; ++y)
        for (const RowRun& r : area.outline(y))
            run(y, r.begin, r.end, colour);
}

// Clockwise from the top-left corner, every other border pixel.
void BoardCanvas::dottedBorder(const HalfOpenBox& box) {
    const QRgb colour = ToPixel(m_pen.color);
    int step = 0;
    const auto dot = [&](int x, int y) {
        if (step++ % 2 == 0)
            plot(x, y, colour);
    };
    const int right = box.right - 1, bottom = box.bottom - 1;
    for (int x = box.left; x <= right; ++x)
        dot(x, box.top);
    for (int y = box.top + 1; y <= bottom; ++y)
        dot(right, y);
    if (bottom > box.top)
        for (int x = right - 1; x >= box.left; --x)
            dot(x, bottom);
    if (right > box.left)
        for (int y = bottom - 1; y > box.top; --y)
            dot(box.left, y);
}

// A wide pen's band reaches width / 2 pixels (rounded down) beyond the area's border pixels and covers the
// rest of its width from them inwards, so it is centred on them; its corners are round.
int BoardCanvas::outsideReach() const {
    return m_pen.width / 2;
}

int BoardCanvas::insideReach() const {
    return (m_pen.width + 1) / 2;
}

void BoardCanvas::Rectangle(QPoint a, QPoint b) {
    const ChangeNotice notice(*this);
    const HalfOpenBox box = HalfOpenBox::FromCorners(a, b);
    if (box.empty())
        return;
    const int rows = m_image.height() + 1;
    figure(box, ShapeSpans::Rectangle(box, -1, rows),
           ShapeSpans::RoundRect(box.grown(outsideReach()), m_pen.width, m_pen.width, -1, rows),
           ShapeSpans::Rectangle(box.grown(-insideReach()), -1, rows), true);
}

void BoardCanvas::Ellipse(QPoint a, QPoint b) {
    const ChangeNotice notice(*this);
    const HalfOpenBox box = HalfOpenBox::FromCorners(a, b);
    if (box.empty())
        return;
    const int rows = m_image.height() + 1;
    figure(box, ShapeSpans::Ellipse(box, -1, rows), ShapeSpans::Ellipse(box.grown(outsideReach()), -1, rows),
           ShapeSpans::Ellipse(box.grown(-insideReach()), -1, rows), false);
}

void BoardCanvas::RoundRect(QPoint a, QPoint b, int cornerWidth, int cornerHeight) {
    const ChangeNotice notice(*this);
    const HalfOpenBox box = HalfOpenBox::FromCorners(a, b);
    if (box.empty())
        return;
    const int cw = std::min(std::abs(cornerWidth), box.width());
    const int ch = std::min(std::abs(cornerHeight), box.height());
    const int rows = m_image.height() + 1;
    const int grow = 2 * outsideReach(), shrink = 2 * insideReach();
    figure(box, ShapeSpans::RoundRect(box, cw, ch, -1, rows),
           ShapeSpans::RoundRect(box.grown(outsideReach()), cw + grow, ch + grow, -1, rows),
           ShapeSpans::RoundRect(box.grown(-insideReach()), std::max(cw - shrink, 0),
                                 std::max(ch - shrink, 0), -1, rows),
           false);
}

void BoardCanvas::FillRect(QPoint a, QPoint b, TColor colour) {
    const ChangeNotice notice(*this);
    const HalfOpenBox box = HalfOpenBox::FromCorners(a, b);
    const int firstRow = std::max(box.top, 0), endRow = std::min(box.bottom, m_image.height());
    for (int y = firstRow; y < endRow; ++y)
        run(y, box.left, box.right, ToPixel(colour));
}

void BoardCanvas::FloodFill(QPoint seed) {
    const ChangeNotice notice(*this);
    if (BrushIsEmpty(m_brush.style))
        return;
    for (const FillRun& r : FloodArea(m_image, seed))
        brushRun(r.y, r.begin, r.end);
}

void BoardCanvas::AndImage(QPoint topLeft, const QImage& picture) {
    const QRect area = QRect(topLeft, picture.size()) & m_image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* pixels = Row(m_image, y);
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y - topLeft.y()));
        for (int x = area.left(); x <= area.right(); ++x)
            pixels[x] = 0xFF000000u | (pixels[x] & source[x - topLeft.x()]);
    }
    MarkChanged(area);
}

void BoardCanvas::Resize(QSize size) {
    if (size == m_image.size() || size.isEmpty())
        return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(ToPixel(kBoardWhite));
    const int width = std::min(size.width(), m_image.width());
    const int height = std::min(size.height(), m_image.height());
    for (int y = 0; y < height; ++y)
        std::memcpy(resized.scanLine(y), m_image.constScanLine(y), std::size_t(width) * sizeof(QRgb));
    m_image = std::move(resized);
    m_overlay = QImage();
    MarkChanged(m_image.rect());
}

} // namespace orv
