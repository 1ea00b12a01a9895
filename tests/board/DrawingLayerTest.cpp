// The drawing layer's rules: rounding, line stepping, half-open figures, pens, brushes, flood fill, the
// airbrush dab and the AND of marks.
#include "board/Airbrush.h"
#include "board/BoardCanvas.h"
#include "board/FloodFill.h"
#include "board/IntegerMath.h"
#include "board/LineDDA.h"
#include "board/MarkImages.h"
#include "board/ShapeSpans.h"
#include "support/BoardFixture.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>
#include <utility>

namespace orv {
namespace {

constexpr QRgb kWhitePixel = 0xFFFFFFFF;

// A canvas of the given size, white, with the given pen and brush.
BoardCanvas Canvas(QSize size, PenState pen = {}, BrushState brush = {kBoardWhite, BoardBrush::Clear}) {
    BoardCanvas canvas(size);
    canvas.SetPen(pen);
    canvas.SetBrush(brush);
    return canvas;
}

std::set<std::pair<int, int>> PixelsNot(const QImage& image, QRgb background) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                pixels.insert({x, y});
    return pixels;
}

TEST(BoardRounding, QuotientsRoundHalfToEven) {
    const struct {
        std::int64_t numerator, divisor, rounded;
    } cases[] = {
        {30, 20, 2}, {10, 20, 0}, {50, 20, 2}, {37, 25, 1},     {12, 25, 0},     {62, 25, 2},     {88, 25, 4},
        {-5, 2, -2}, {-3, 2, -2}, {-1, 2, 0},  {2550, 100, 26}, {2450, 100, 24}, {2551, 100, 26}, {0, 7, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.numerator, c.divisor), c.rounded) << c.numerator << " / " << c.divisor;
    EXPECT_EQ(FloorDiv(-7, 2), -4);
    EXPECT_EQ(FloorDiv(7, 2), 3);
    for (std::uint64_t n : {0ull, 1ull, 24ull, 25ull, 26ull, 4294836225ull, 8589672450ull})
        EXPECT_EQ(ISqrt(n), std::uint64_t(std::floor(std::sqrt(double(n))))) << n;
}

TEST(BoardLineDDA, WalksFromTheStartUpToButNotIncludingTheEnd) {
    QRandomGenerator random(13);
    std::vector<std::pair<QPoint, QPoint>> lines = {{{5, 5}, {5, 5}},  {{0, 0}, {10, 0}},   {{10, 0}, {0, 0}},
                                                    {{0, 0}, {0, -7}}, {{0, 0}, {7, 7}},    {{3, 9}, {-4, 2}},
                                                    {{0, 0}, {2, 1}},  {{0, 0}, {65535, 3}}};
    for (int i = 0; i < 200; ++i)
        lines.push_back({{random.bounded(-50, 50), random.bounded(-50, 50)},
                         {random.bounded(-50, 50), random.bounded(-50, 50)}});
    for (const auto& [from, to] : lines) {
        std::vector<QPoint> points;
        LineDDA(from, to, [&](int x, int y) { points.emplace_back(x, y); });
        const int dx = to.x() - from.x(), dy = to.y() - from.y();
        ASSERT_EQ(int(points.size()), std::max(std::abs(dx), std::abs(dy)));
        if (points.empty())
            continue;
        EXPECT_EQ(points.front(), from);
        QPoint expectedNext = to;
        for (std::size_t k = 0; k < points.size(); ++k) {
            const QPoint p = points[k];
            EXPECT_NE(p, to);
            if (k > 0) {
                const QPoint step = p - points[k - 1];
                EXPECT_LE(std::abs(step.x()), 1);
                EXPECT_LE(std::abs(step.y()), 1);
            }
            // Within half a pixel of the ideal line, measured along the shorter axis.
            const double t = double(k) / std::max(std::abs(dx), std::abs(dy));
            const double ideal = std::abs(dx) >= std::abs(dy) ? from.y() + t * dy : from.x() + t * dx;
            EXPECT_LE(std::abs((std::abs(dx) >= std::abs(dy) ? p.y() : p.x()) - ideal), 0.5);
        }
        // The end follows on from the last point, so consecutive segments join without gaps.
        const QPoint last = points.back();
        EXPECT_LE(std::abs(expectedNext.x() - last.x()), 1);
        EXPECT_LE(std::abs(expectedNext.y() - last.y()), 1);
    }
}

TEST(BoardLineDDA, AClippedWalkVisitsTheSamePointsInsideTheClip) {
    QRandomGenerator random(31);
    for (int i = 0; i < 400; ++i) {
        const QPoint from(random.bounded(-40, 40), random.bounded(-40, 40));
        const QPoint to = i % 10 == 0 ? QPoint(65535, random.bounded(-65535, 65535))
                                      : QPoint(random.bounded(-40, 40), random.bounded(-40, 40));
        const QRect clip(random.bounded(-20, 20), random.bounded(-20, 20), random.bounded(0, 30),
                         random.bounded(0, 30));
        std::vector<std::tuple<int, int, std::int64_t>> expected, clipped;
        std::int64_t step = 0;
        LineDDA(from, to, [&](int x, int y) {
            if (clip.contains(x, y))
                expected.emplace_back(x, y, step);
            ++step;
        });
        ClippedLineDDA(from, to, clip, [&](int x, int y, std::int64_t n) { clipped.emplace_back(x, y, n); });
        ASSERT_EQ(clipped, expected) << i;
    }
}

TEST(BoardCanvas, OnePixelLinesLeaveOutTheEndAndDottedOnesEveryOtherPixel) {
    BoardCanvas canvas = Canvas({20, 10});
    canvas.MoveTo({2, 3});
    canvas.LineTo({8, 3});
    EXPECT_EQ(canvas.PenPosition(), QPoint(8, 3));
    std::set<std::pair<int, int>> expected;
    for (int x = 2; x < 8; ++x)
        expected.insert({x, 3});
    EXPECT_EQ(PixelsNot(canvas.Image(), kWhitePixel), expected);

    BoardCanvas dotted = Canvas({20, 10}, {kBoardBlack, 1, PenStyle::Dotted});
    dotted.MoveTo({2, 3});
    dotted.LineTo({9, 3});
    EXPECT_EQ(PixelsNot(dotted.Image(), kWhitePixel),
              (std::set<std::pair<int, int>>{{2, 3}, {4, 3}, {6, 3}, {8, 3}}));

    BoardCanvas nothing = Canvas({20, 10}, {kBoardBlack, 9, PenStyle::Solid});
    nothing.MoveTo({5, 5});
    nothing.LineTo({5, 5});
    EXPECT_TRUE(PixelsNot(nothing.Image(), kWhitePixel).empty()) << "a line of no length draws nothing";
}

TEST(BoardCanvas, FiguresCoverTheHalfOpenAreaBetweenTheirCorners) {
    QRandomGenerator random(7);
    const QSize size{48, 40};
    for (int i = 0; i < 300; ++i) {
        const QPoint a(random.bounded(-6, 54), random.bounded(-6, 46));
        const QPoint b(random.bounded(-6, 54), random.bounded(-6, 46));
        const HalfOpenBox box = HalfOpenBox::FromCorners(a, b);
        const auto inBox = [&](int x, int y) {
            return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
        };
        const PenState pen{0x0000FF, 1, PenStyle::Solid};
        const BrushState solid{0x00FF00, BoardBrush::Solid};

        BoardCanvas rectangle = Canvas(size, pen, solid);
        rectangle.Rectangle(a, b);
        std::set<std::pair<int, int>> area;
        for (int y = std::max(box.top, 0); y < std::min(box.bottom, size.height()); ++y)
            for (int x = std::max(box.left, 0); x < std::min(box.right, size.width()); ++x)
                area.insert({x, y});
        ASSERT_EQ(PixelsNot(rectangle.Image(), kWhitePixel), area) << i;
        if (!box.empty() && box.left >= 0 && box.top >= 0 && box.right <= size.width() &&
            box.bottom <= size.height()) {
            EXPECT_EQ(rectangle.Image().pixel(box.left, box.top), ToPixel(pen.color)) << i;
            EXPECT_EQ(rectangle.Image().pixel(box.right - 1, box.bottom - 1), ToPixel(pen.color)) << i;
        }

        for (const bool round : {false, true}) {
            BoardCanvas figure = Canvas(size, pen, solid);
            if (round)
                figure.RoundRect(a, b, random.bounded(0, 30), random.bounded(0, 30));
            else
                figure.Ellipse(a, b);
            for (const auto& [x, y] : PixelsNot(figure.Image(), kWhitePixel)) {
                ASSERT_TRUE(inBox(x, y))
                    << i << (round ? " round rectangle" : " ellipse") << " at " << x << ", " << y;
                // Symmetric about the area's centre.
                const int mx = box.left + box.right - 1 - x, my = box.top + box.bottom - 1 - y;
                if (mx >= 0 && my >= 0 && mx < size.width() && my < size.height())
                    ASSERT_NE(figure.Image().pixel(mx, my), kWhitePixel) << i;
            }
        }
    }
}

TEST(BoardCanvas, OnePixelOutlinesCloseAroundTheFillAndTouchEverySide) {
    for (const QPoint corner : {QPoint(30, 20), QPoint(31, 17), QPoint(4, 40), QPoint(45, 3)}) {
        BoardCanvas outline = Canvas({50, 45}, {kBoardBlack, 1, PenStyle::Solid});
        outline.Ellipse({2, 2}, corner);
        BoardCanvas filled = Canvas({50, 45}, {0x0000FF, 1, PenStyle::Solid}, {0x0000FF, BoardBrush::Solid});
        filled.Ellipse({2, 2}, corner);
        const auto ring = PixelsNot(outline.Image(), kWhitePixel);
        const auto disc = PixelsNot(filled.Image(), kWhitePixel);
        const HalfOpenBox box = HalfOpenBox::FromCorners({2, 2}, corner);
        for (const auto& [x, y] : disc) {
            const bool edge = !disc.count({x - 1, y}) || !disc.count({x + 1, y}) || !disc.count({x, y - 1}) ||
                              !disc.count({x, y + 1});
            EXPECT_EQ(ring.count({x, y}) == 1, edge) << x << ", " << y;
        }
        int left = 1000, right = -1, top = 1000, bottom = -1;
        for (const auto& [x, y] : ring) {
            left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
            bottom = std::max(bottom, y);
        }
        EXPECT_EQ(left, box.left);
        EXPECT_EQ(right, box.right - 1);
        EXPECT_EQ(top, box.top);
        EXPECT_EQ(bottom, box.bottom - 1);
    }
}

TEST(BoardCanvas, HatchesPaintTheirLinesOverATransparentBackground) {
    const QRgb red = qRgb(255, 0, 0);
    for (std::uint8_t style = BoardBrush::Horizontal; style <= BoardBrush::DiagonalCross; ++style) {
        BoardCanvas canvas = Canvas({40, 40}, {kBoardBlack, 1, PenStyle::Solid}, {0x00FF0000, style});
        canvas.Pixels().fill(red);
        canvas.Rectangle({0, 0}, {40, 40});
        int painted = 0;
        for (int y = 1; y < 39; ++y)
            for (int x = 1; x < 39; ++x) {
                const QRgb pixel = canvas.Image().pixel(x, y);
                ASSERT_TRUE(pixel == red || pixel == ToPixel(0x00FF0000)) << int(style);
                painted += pixel != red;
                // An 8-pixel pattern.
                if (x + 8 < 39)
                    ASSERT_EQ(pixel, canvas.Image().pixel(x + 8, y)) << int(style);
                if (y + 8 < 39)
                    ASSERT_EQ(pixel, canvas.Image().pixel(x, y + 8)) << int(style);
            }
        EXPECT_GT(painted, 0) << int(style);
        EXPECT_LT(painted, 38 * 38 / 3) << int(style);
    }
}

TEST(BoardCanvas, WidePensHaveRoundCaps) {
    BoardCanvas canvas = Canvas({60, 40}, {kBoardBlack, 9, PenStyle::Solid});
    canvas.MoveTo({20, 20});
    canvas.LineTo({40, 20});
    const QImage& image = canvas.Image();
    EXPECT_NE(image.pixel(16, 20), kWhitePixel) << "the cap reaches half the width beyond the end";
    EXPECT_NE(image.pixel(44, 20), kWhitePixel);
    EXPECT_EQ(image.pixel(16, 16), kWhitePixel) << "a square cap would cover this corner";
    EXPECT_EQ(image.pixel(44, 24), kWhitePixel);
    EXPECT_NE(image.pixel(30, 16), kWhitePixel);
    EXPECT_EQ(image.pixel(30, 14), kWhitePixel);
}

TEST(BoardCanvas, NotXorFigureCombinesEachPixelOnceAndTwiceRestores) {
    BoardCanvas canvas = Canvas({40, 30}, {0x0000FF, 5, PenStyle::Solid}, {0x00FF00, BoardBrush::Solid});
    test::PaintBusyContent(canvas);
    const QImage before = canvas.Image().copy();
    {
        FigureScope figure(canvas, PenMode::NotXor);
        canvas.Rectangle({5, 5}, {30, 25}); // outline and fill overlap under the wide pen
    }
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb now = canvas.Image().pixel(x, y) & 0xFFFFFF, was = before.pixel(x, y) & 0xFFFFFF;
            const bool inner = x >= 8 && x < 27 && y >= 8 && y < 22;
            const bool outside = x < 2 || x >= 33 || y < 2 || y >= 28;
            if (inner) // the fill alone, once, although the pen's band was drawn over its edge
                ASSERT_EQ(now, ~(ToPixel(0x00FF00) ^ was) & 0xFFFFFF) << x << ", " << y;
            else if (outside)
                ASSERT_EQ(now, was) << x << ", " << y;
        }
    {
        FigureScope figure(canvas, PenMode::NotXor);
        canvas.Rectangle({5, 5}, {30, 25});
    }
    EXPECT_TRUE(test::SameImage(canvas.Image(), before));
}

TEST(BoardCanvas, FloodFillTakesTheFourConnectedAreaOfTheSeedColour) {
    // A diagonal wall of 8-connected pixels closes the corner below it off from a 4-connected fill.
    BoardCanvas canvas = Canvas({12, 12}, {kBoardBlack, 1, PenStyle::Solid}, {0x0000FF, BoardBrush::Solid});
    canvas.MoveTo({0, 8});
    canvas.LineTo({9, -1}); // (0, 8) .. (8, 0)
    canvas.FloodFill({0, 0});
    const QRgb red = ToPixel(0x0000FF);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const QRgb pixel = canvas.Image().pixel(x, y);
            if (x + y < 8)
                EXPECT_EQ(pixel, red) << x << ", " << y;
            else if (x + y == 8)
                EXPECT_EQ(pixel & 0xFFFFFF, 0u) << x << ", " << y;
            else
                EXPECT_EQ(pixel, kWhitePixel) << x << ", " << y;
        }

    // Filling an area with a hatch of its own colour ends; a seed off the image fills nothing.
    BoardCanvas same = Canvas({64, 64}, {}, {kBoardWhite, BoardBrush::Cross});
    same.FloodFill({3, 3});
    same.FloodFill({64, 10});
    same.FloodFill({-1, 0});
    EXPECT_TRUE(PixelsNot(same.Image(), kWhitePixel).empty());
    EXPECT_TRUE(FloodArea(same.Image(), {0, 64}).empty());
}

TEST(BoardCanvas, ResizeKeepsTheTopLeftAndAddsWhite) {
    BoardCanvas canvas = Canvas({10, 10}, {}, {0x000000, BoardBrush::Solid});
    canvas.FillRect({0, 0}, {10, 10}, 0x0000FF);
    canvas.Resize({14, 6});
    EXPECT_EQ(canvas.Image().size(), QSize(14, 6));
    EXPECT_EQ(canvas.Image().pixel(9, 5), ToPixel(0x0000FF));
    EXPECT_EQ(canvas.Image().pixel(10, 0), kWhitePixel);
}

TEST(BoardMarks, MarksAreAndedIntoTheBoard) {
    BoardCanvas canvas = Canvas({40, 40});
    canvas.FillRect({0, 0}, {40, 40}, 0x00FFFF00); // cyan: blue and green
    canvas.AndImage({30, 30}, MarkImage(MarkPicture::RedX));
    const QImage& mark = MarkImage(MarkPicture::RedX);
    ASSERT_EQ(mark.size(), QSize(kMarkImageSize, kMarkImageSize));
    for (int y = 30; y < 40; ++y)
        for (int x = 30; x < 40; ++x)
            EXPECT_EQ(canvas.Image().pixel(x, y),
                      0xFF000000u | (ToPixel(0x00FFFF00) & mark.pixel(x - 30, y - 30)));
    EXPECT_EQ(canvas.Image().pixel(29, 29), ToPixel(0x00FFFF00));
    for (int n = 0; n < kMarkImageCount; ++n) {
        EXPECT_EQ(MarkImage(n).pixel(0, 0), kWhitePixel) << "on white: " << n;
        EXPECT_GT(PixelsNot(MarkImage(n), kWhitePixel).size(), 20u) << n;
    }
    EXPECT_FALSE(IsMarkImage(12));
    EXPECT_FALSE(IsMarkImage(-1));
}

TEST(BoardAirbrush, DabsBlendInIntegersWithTiesToEven) {
    QImage white(9, 9, QImage::Format_RGB32);
    white.fill(kWhitePixel);
    QImage image = white.copy();
    AirbrushStamp(image, 4, 4, 5, kBoardBlack, 90);
    // 255 * 10 / 100 = 25.5 goes to 26; the 5 x 5 circle's corners stay white.
    EXPECT_EQ(image.pixel(4, 4), qRgb(26, 26, 26));
    EXPECT_EQ(image.pixel(2, 4), qRgb(26, 26, 26));
    EXPECT_EQ(image.pixel(2, 2), kWhitePixel);
    EXPECT_EQ(image.pixel(1, 4), kWhitePixel);
    AirbrushStamp(image, 4, 4, 5, kBoardBlack, 90);
    EXPECT_EQ(image.pixel(4, 4), qRgb(3, 3, 3)) << "26 * 10 / 100 = 2.6";

    // The highlighter over black text: 6 % of yellow leaves the text dark.
    QImage text(3, 3, QImage::Format_RGB32);
    text.fill(qRgb(0, 0, 0));
    AirbrushStamp(text, 1, 1, 1, 0x0000FFFF, 6);
    EXPECT_EQ(text.pixel(1, 1), qRgb(15, 15, 0)) << "255 * 6 / 100 = 15.3";
    EXPECT_EQ(text.pixel(0, 1), qRgb(0, 0, 0)) << "a dab of size 1 is one pixel";

    const struct {
        int size, intensity;
        TColor colour;
    } nothing[] = {{0, 50, 0}, {201, 50, 0}, {5, 0, 0}, {5, 101, 0}, {5, 50, kBoardWhite}};
    for (const auto& c : nothing) {
        QImage same = white.copy();
        same.setPixel(4, 4, qRgb(9, 9, 9));
        const QImage before = same.copy();
        AirbrushStamp(same, 4, 4, c.size, c.colour, c.intensity);
        EXPECT_EQ(same, before) << c.size << " " << c.intensity;
    }
    // A dab across the edges is cut off.
    QImage edge = white.copy();
    AirbrushStamp(edge, 0, 8, 200, kBoardBlack, 50);
    AirbrushStamp(edge, -500, 4, 200, kBoardBlack, 50);
    EXPECT_EQ(edge.pixel(0, 8), qRgb(128, 128, 128)) << "127.5 goes to 128";
}

} // namespace
} // namespace orv
