#pragma once
// One board: a raster image (white, 1024 x 768 at first) with its own drawing state, and the drawing
// operations the records need. Drawing is aliased. Rectangles and ellipses cover the half-open area between
// their corners; a 1-pixel line leaves out its end pixel; wide pens have round caps and joins; hatches leave
// the pixels between their lines alone; the dotted pen applies to 1-pixel lines and rectangle outlines.

#include "board/BoardColor.h"
#include "protocol/BoardRecords.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>

class QPainterPath;

namespace orv {

class ShapeSpans;
struct HalfOpenBox;

// How a figure meets the image: copy, or not-xor (each channel becomes NOT (source XOR image)), the
// rubber-band mode in which drawing the same figure twice restores the pixels.
enum class PenMode { Copy, NotXor };

enum class PenStyle : std::uint8_t { Solid = 0, Dotted = 2 };

struct PenState {
    TColor color = kBoardBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const PenState&, const PenState&) = default;
};

struct BrushState {
    TColor color = kBoardWhite;
    std::uint8_t style = BoardBrush::Solid;
    friend bool operator==(const BrushState&, const BrushState&) = default;
};

class BoardCanvas {
public:
    static constexpr int kDefaultWidth = 1024, kDefaultHeight = 768;

    explicit BoardCanvas(QSize size = {kDefaultWidth, kDefaultHeight});

    const QImage& Image() const { return m_image; }
    // For drawing helpers that work on the pixels themselves (pictures, text, the airbrush): they report
    // what they changed with MarkChanged.
    QImage& Pixels() { return m_image; }
    void MarkChanged(const QRect& area);

    // Told the area (in board pixels) each operation changed, once the operation or the outermost figure
    // ends, so a view repaints only that.
    using ChangeListener = std::function<void(const QRect& area)>;
    void SetChangeListener(ChangeListener listener) { m_listener = std::move(listener); }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }

    const PenState& Pen() const { return m_pen; }
    void SetPen(const PenState& pen) { m_pen = pen; }
    const BrushState& Brush() const { return m_brush; }
    void SetBrush(const BrushState& brush) { m_brush = brush; }
    QPoint PenPosition() const { return m_penPosition; }
    void MoveTo(QPoint point) { m_penPosition = point; }

    // What is drawn between BeginFigure(NotXor) and EndFigure is collected first and then combined with
    // each pixel once, so overlapping parts of one figure do not cancel out. Outside a figure, and in a
    // copy figure, drawing goes straight to the image. Figures may nest; the outermost one's mode holds.
    void BeginFigure(PenMode mode);
    void EndFigure();

    // From the pen position, which moves to `to`.
    void LineTo(QPoint to);
    // Outline with the pen, inside with the brush.
    void Rectangle(QPoint a, QPoint b);
    void Ellipse(QPoint a, QPoint b);
    // Corners are quarters of an ellipse cornerWidth wide and cornerHeight high.
    void RoundRect(QPoint a, QPoint b, int cornerWidth, int cornerHeight);
    // The half-open area in one colour, without outline.
    void FillRect(QPoint a, QPoint b, TColor colour);
    // The 4-connected area of the seed pixel's colour, painted with the brush; nothing outside the image.
    void FloodFill(QPoint seed);
    // Each pixel of the picture ANDed into the image, top-left corner at `topLeft`.
    void AndImage(QPoint topLeft, const QImage& picture);
    // Keeps the top-left content; new area is white.
    void Resize(QSize size);

private:
    class ChangeNotice;

    QImage& target() { return m_mode == PenMode::NotXor ? m_overlay : m_image; }
    void touch(int left, int top, int right, int bottom);
    void plot(int x, int y, QRgb colour);
    void run(int y, int begin, int end, QRgb colour);
    void brushRun(int y, int begin, int end);
    void stroke(const QPainterPath& path);
    int outsideReach() const;
    int insideReach() const;
    // The area with the brush, then its outline with the pen: with a 1-pixel pen the area's border
    // pixels, with a wider one the band between the area's shape grown by half the width and shrunk by
    // the other half (`outer` and `inner`).
    void figure(const HalfOpenBox& box, const ShapeSpans& area, const ShapeSpans& outer,
                const ShapeSpans& inner, bool rectangle);
    void dottedBorder(const HalfOpenBox& box);
    void combineNotXor();
    void notifyChanges();

    QImage m_image;
    QImage m_overlay; // not-xor figures collect here; transparent where nothing was drawn
    QRect m_dirty;    // the overlay's area in use
    QRect m_changed;  // the image's area changed and not yet told
    ChangeListener m_listener;
    PenMode m_mode = PenMode::Copy;
    int m_figureDepth = 0;
    PenState m_pen;
    BrushState m_brush;
    QPoint m_penPosition;
};

// Begins a figure and ends it when leaving the scope.
class FigureScope {
public:
    FigureScope(BoardCanvas& canvas, PenMode mode) : m_canvas(canvas) { m_canvas.BeginFigure(mode); }
    ~FigureScope() { m_canvas.EndFigure(); }
    FigureScope(const FigureScope&) = delete;
    FigureScope& operator=(const FigureScope&) = delete;

private:
    BoardCanvas& m_canvas;
};

} // namespace orv
