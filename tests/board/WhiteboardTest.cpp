// Rendering and replaying records on the six boards: the rubber-band property of every kind and pen width,
// the changed areas the model reports to its views, records that name what does not exist, and a replay that
// leaves the local user's state alone.
#include "board/Axes.h"
#include "board/BoardColor.h"
#include "board/MarkImages.h"
#include "support/BoardFixture.h"

#include <QRegion>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::BoardFixture;
using test::Item;
using test::SameImage;

constexpr std::uint8_t kEveryKind[] = {0,  1,  2,  3,  4,  5,  6,  7,   8,  9,  10,
                                       11, 12, 13, 14, 15, 16, 17, 100, 18, 255};
constexpr int kPenWidths[] = {1, 2, 3, 4, 5, 8, 17, 50};
constexpr std::uint8_t kBrushes[] = {BoardBrush::Solid, BoardBrush::Clear, BoardBrush::DiagonalCross};

TEST(WhiteboardRendering, DrawingAnyFigureTwiceInNotXorRestoresTheBoard) {
    BoardFixture f;
    Whiteboard& boards = *f.boards;
    test::PaintBusyContent(boards.Board(2));
    const QImage before = boards.Board(2).Image().copy();
    const std::pair<QPoint, QPoint> drags[] = {{{20, 30}, {90, 75}},
                                               {{150, 110}, {3, 2}},
                                               {{40, 40}, {41, 140}},
                                               {{-30, 60}, {60, 60}},
                                               {{80, 60}, {80, 60}}};
    for (const std::uint8_t kind : kEveryKind)
        for (const int width : kPenWidths)
            for (const std::uint8_t brush : kBrushes)
                for (const auto& [p1, p2] : drags) {
                    boards.SetDrawTool(kind);
                    boards.Board(2).SetPen({0x00336699, width, PenStyle::Solid});
                    boards.Board(2).SetBrush({0x0000AA00, brush});
                    boards.RenderItem(2, p1, p2, PenMode::NotXor, false);
                    boards.RenderItem(2, p1, p2, PenMode::NotXor, false);
                    ASSERT_TRUE(SameImage(boards.Board(2).Image(), before))
                        << "kind " << int(kind) << " width " << width << " brush " << int(brush) << " from "
                        << p1.x() << "," << p1.y() << " to " << p2.x() << "," << p2.y();
                }
    EXPECT_TRUE(boards.OutgoingBatch().empty()) << "nothing is recorded in not-xor";
}

// Views repaint only what the model reports, so every pixel a figure changes must lie in a reported area,
// and a small figure must not report the whole board. Rubber bands report both their showing and hiding.
TEST(WhiteboardRendering, EveryChangedPixelLiesInAnAreaTheModelReports) {
    BoardFixture f;
    Whiteboard& boards = *f.boards;
    test::PaintBusyContent(boards.Board(2));
    QRegion reported;
    int notices = 0;
    QObject::connect(&boards, &Whiteboard::BoardChanged, [&](int board, const QRect& area) {
        EXPECT_EQ(board, 2);
        reported += area;
        ++notices;
    });
    const auto check = [&](const QImage& before, const std::string& what) {
        const QImage& after = boards.Board(2).Image();
        bool changed = false;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y)) {
                    changed = true;
                    ASSERT_TRUE(reported.contains(QPoint(x, y))) << what << ": (" << x << ", " << y << ")";
                }
        if (changed)
            EXPECT_GE(notices, 1) << what;
    };
    const std::pair<QPoint, QPoint> drags[] = {
        {{20, 30}, {50, 55}}, {{150, 110}, {130, 2}}, {{-30, 60}, {6, 60}}};
    for (const std::uint8_t kind : kEveryKind)
        for (const int width : {1, 5, 17})
            for (const std::uint8_t brush : {BoardBrush::Solid, BoardBrush::Cross})
                for (const auto& [p1, p2] : drags)
                    for (const PenMode mode : {PenMode::Copy, PenMode::NotXor}) {
                        boards.SetDrawTool(kind);
                        boards.Board(2).SetPen({0x00336699, width, PenStyle::Solid});
                        boards.Board(2).SetBrush({0x0000AA00, brush});
                        const QImage before = boards.Board(2).Image().copy();
                        reported = QRegion();
                        notices = 0;
                        boards.RenderItem(2, p1, p2, mode, false);
                        check(before, "kind " + std::to_string(kind) + " width " + std::to_string(width));
                    }

    const QImage beforePicture = boards.Board(2).Image().copy();
    reported = QRegion();
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    boards.PlaceImage(2, {40, 50}, picture);
    boards.PlaceText(2, QRect(5, 5, 80, 30), "Ag", "Sans Serif", 14, 0x00000080);
    check(beforePicture, "a placed picture and text");

    // A line a few pixels long tells only about its own neighbourhood.
    reported = QRegion();
    boards.SetDrawTool(BoardKind::Line);
    boards.Board(2).SetPen({0x00336699, 3, PenStyle::Solid});
    boards.RenderItem(2, {60, 60}, {66, 62}, PenMode::Copy, false);
    EXPECT_TRUE(QRect(50, 50, 30, 30).contains(reported.boundingRect()))
        << "reported " << reported.boundingRect().x();

    // Growing the board reports all of it.
    reported = QRegion();
    QImage wide(400, 10, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    boards.PlaceImage(2, {0, 0}, wide);
    EXPECT_EQ(reported.boundingRect(), boards.Board(2).Image().rect());
}

TEST(WhiteboardRendering, TheRubberBandShowsWhatTheFigureCovers) {
    // Over white, not-xor shows the figure's own colours; a fill is not previewed at all.
    BoardFixture f;
    Whiteboard& boards = *f.boards;
    boards.Board(1).SetPen({0x000000FF, 1, PenStyle::Solid});
    boards.Board(1).SetBrush({0x00FF0000, BoardBrush::Solid});
    boards.SetDrawTool(BoardKind::Rectangle);
    boards.RenderItem(1, {10, 10}, {20, 20}, PenMode::NotXor, false);
    EXPECT_EQ(boards.Board(1).Image().pixel(10, 10), ToPixel(0x000000FF));
    EXPECT_EQ(boards.Board(1).Image().pixel(15, 15), ToPixel(0x00FF0000));
    BoardFixture blank;
    blank.boards->SetDrawTool(BoardKind::Fill);
    blank.boards->Board(1).SetBrush({0x00FF0000, BoardBrush::Solid});
    const QImage white = blank.boards->Board(1).Image().copy();
    blank.boards->RenderItem(1, {5, 5}, {50, 50}, PenMode::NotXor, true);
    EXPECT_TRUE(SameImage(blank.boards->Board(1).Image(), white));
}

TEST(WhiteboardRendering, KindsDrawWhatTheirRecordsSay) {
    BoardFixture f({300, 320});
    Whiteboard& boards = *f.boards;
    // A circle from (100, 100) through (103, 104) has radius 5: the ellipse in (95, 95) to (105, 105).
    boards.ReplayBatch({Item(1, BoardKind::Circle, {100, 100}, {103, 104})});
    const QImage& circle = boards.Board(1).Image();
    EXPECT_NE(circle.pixel(95, 100), 0xFFFFFFFFu);
    EXPECT_NE(circle.pixel(104, 100), 0xFFFFFFFFu);
    EXPECT_NE(circle.pixel(100, 95), 0xFFFFFFFFu);
    EXPECT_EQ(circle.pixel(105, 100), 0xFFFFFFFFu);
    EXPECT_EQ(circle.pixel(94, 100), 0xFFFFFFFFu);
    EXPECT_EQ(circle.pixel(100, 105), 0xFFFFFFFFu);

    // One quadrant dragged from (200, 300) to (100, 200): quadrant 2 at (200, 300), both extents 100.
    const AxesPlacement axes = OneQuadrantAxes({200, 300}, {100, 200});
    EXPECT_EQ(axes.quadrant, 2);
    EXPECT_EQ(axes.origin, QPoint(200, 300));
    EXPECT_EQ(axes.xExtent, 100);
    EXPECT_EQ(axes.yExtent, 100);
    boards.ReplayBatch({Item(2, BoardKind::OneQuadrant, {200, 300}, {100, 200}, 7, 0x00123456)});
    const QImage& q = boards.Board(2).Image();
    EXPECT_EQ(q.pixel(199, 300), ToPixel(0x00000080)) << "x axis, dark red, leftwards";
    EXPECT_EQ(q.pixel(101, 300), ToPixel(0x00000080));
    EXPECT_EQ(q.pixel(100, 300), 0xFFFFFFFFu) << "the end pixel stays out";
    EXPECT_EQ(q.pixel(200, 201), ToPixel(0x00FF0000)) << "y axis, blue, upwards";
    EXPECT_EQ(q.pixel(175, 250), ToPixel(0x00C0C0C0)) << "grid every 25 pixels";
    EXPECT_EQ(q.pixel(150, 225), ToPixel(0x00C0C0C0));
    EXPECT_EQ(q.pixel(201, 300), 0xFFFFFFFFu) << "nothing in the other quadrants";
    EXPECT_EQ(q.pixel(176, 251), 0xFFFFFFFFu) << "the 7-pixel pen is not the axes' pen";

    const struct {
        QPoint p1, p2;
        AxesPlacement expected;
    } quadrants[] = {
        {{10, 10}, {20, 30}, {{10, 10}, 10, 20, 4}},
        {{10, 10}, {0, 30}, {{10, 10}, 10, 20, 3}},
        {{10, 10}, {20, 0}, {{10, 10}, 10, 10, 1}},
        {{10, 10}, {10, 30}, {{10, 30}, 0, 20, 1}},
    };
    for (const auto& c : quadrants) {
        const AxesPlacement a = OneQuadrantAxes(c.p1, c.p2);
        EXPECT_EQ(a.origin, c.expected.origin);
        EXPECT_EQ(a.quadrant, c.expected.quadrant);
        EXPECT_EQ(a.xExtent, c.expected.xExtent);
        EXPECT_EQ(a.yExtent, c.expected.yExtent);
    }
    const AxesPlacement four = FourQuadrantAxes({10, 21}, {15, 30}); // 12.5 and 25.5, 2.5 and 4.5
    EXPECT_EQ(four.origin, QPoint(12, 26));
    EXPECT_EQ(four.xExtent, 2);
    EXPECT_EQ(four.yExtent, 4);
    EXPECT_EQ(four.quadrant, 0);

    // A mark: the picture numbered X2 with its top-left corner at P1.
    boards.ReplayBatch({Item(3, BoardKind::Mark, {40, 50}, {MarkPicture::RedX, 0})});
    EXPECT_EQ(boards.Board(3).Image().copy(40, 50, kMarkImageSize, kMarkImageSize),
              MarkImage(MarkPicture::RedX));

    // Thin handwriting draws plain segments; from width 4 it stamps dabs of width + 1 at intensity 90.
    boards.ReplayBatch({Item(4, BoardKind::MoveTo, {10, 10}, {10, 10}),
                        Item(4, BoardKind::Handwriting, {30, 10}, {30, 10}, 3),
                        Item(4, BoardKind::MoveTo, {10, 50}, {10, 50}),
                        Item(4, BoardKind::Handwriting, {11, 50}, {11, 50}, 4)});
    const QImage& hand = boards.Board(4).Image();
    for (const int y : {9, 10, 11})
        EXPECT_EQ(hand.pixel(20, y), qRgb(0, 0, 0)) << "3 pixels wide: " << y;
    EXPECT_EQ(hand.pixel(20, 8), 0xFFFFFFFFu);
    EXPECT_EQ(hand.pixel(20, 12), 0xFFFFFFFFu);
    EXPECT_EQ(hand.pixel(10, 50), qRgb(26, 26, 26)) << "one dab of size 5 at (10, 50)";
    EXPECT_EQ(hand.pixel(8, 50), qRgb(26, 26, 26));
    EXPECT_EQ(hand.pixel(7, 50), 0xFFFFFFFFu);
    EXPECT_EQ(hand.pixel(12, 50), qRgb(26, 26, 26));
    EXPECT_EQ(hand.pixel(13, 50), 0xFFFFFFFFu) << "no dab at the end point (11, 50), which would reach here";
}

TEST(WhiteboardReplay, RecordsNamingWhatDoesNotExistAreSkipped) {
    BoardFixture f;
    Whiteboard& boards = *f.boards;
    std::vector<QImage> before;
    for (int b = 0; b < kBoardCount; ++b)
        before.push_back(boards.Board(b).Image().copy());
    const TBBItem skipped[] = {
        Item(0, BoardKind::Rectangle, {1, 1}, {50, 50}, 1, 0, BoardBrush::Solid), // the private board
        Item(6, BoardKind::Rectangle, {1, 1}, {50, 50}, 1, 0, BoardBrush::Solid), //
        Item(255, BoardKind::Fill, {1, 1}, {1, 1}, 1, 0, BoardBrush::Solid, 0),   //
        Item(1, BoardKind::Mark, {1, 1}, {12, 0}),                                // past the mark list
        Item(1, BoardKind::Mark, {1, 1}, {65535, 0}),                             //
        Item(1, BoardKind::Line, {1, 1}, {50, 50}, 0),                            // no pen width
        Item(1, BoardKind::Line, {1, 1}, {50, 50}, kMaxPenWidth + 1),             // wider than any pen
        Item(1, BoardKind::Handwriting, {1, 1}, {50, 50}, 255),                   //
    };
    for (const TBBItem& item : skipped) {
        boards.ReplayBatch({item});
        for (int b = 0; b < kBoardCount; ++b)
            ASSERT_TRUE(SameImage(boards.Board(b).Image(), before[std::size_t(b)]))
                << "board " << int(item.Board()) << " kind " << int(item.Kind()) << " drew on " << b;
    }

    // Around skipped records the batch is drawn; widths the pen cannot have do not matter to kinds that
    // ignore the pen width.
    boards.ReplayBatch({skipped[1], Item(1, BoardKind::Line, {1, 1}, {50, 1}, kMaxPenWidth), skipped[3],
                        Item(2, BoardKind::Highlighter, {20, 20}, {20, 20}, 0, 0x0000FFFF)});
    EXPECT_NE(boards.Board(1).Image().pixel(10, 1), 0xFFFFFFFFu);
    EXPECT_NE(boards.Board(2).Image().pixel(10, 10), 0xFFFFFFFFu)
        << "highlighter dabs from (0, 0) to (20, 20)";

    // A packet naming no public board is ignored whole; IncomingBatch keeps the last batch drawn.
    for (const std::int32_t board : {-1, 0, 6, 1 << 20}) {
        boards.ReceiveBatch(
            {board, {Item(3, BoardKind::Rectangle, {1, 1}, {50, 50}, 1, 0, BoardBrush::Solid)}});
        EXPECT_TRUE(SameImage(boards.Board(3).Image(), before[3])) << board;
    }
    boards.ReceiveBatch({3, {Item(3, BoardKind::Rectangle, {1, 1}, {50, 50}, 1, 0, BoardBrush::Solid, 0)}});
    EXPECT_EQ(boards.Board(3).Image().pixel(20, 20), qRgb(0, 0, 0));
    EXPECT_EQ(boards.IncomingBatch().size(), 1u);
}

TEST(WhiteboardReplay, LeavesTheLocalToolPensAndLastPointAsTheyWere) {
    BoardFixture f;
    Whiteboard& boards = *f.boards;
    boards.SetDrawTool(BoardKind::Oval);
    const BoardStyle own{
        {0x00ABCDEF, BoardBrush::Vertical}, {0x00FEDCBA, 1, PenStyle::Dotted}, BoardKind::Oval};
    boards.RestoreBoardStyle(1, own);
    boards.Board(1).MoveTo({7, 8});
    boards.BeginGesture(1, {60, 60});
    boards.SetDrawTool(BoardKind::Handwriting);
    boards.RenderItem(1, {70, 60}, {70, 60}, PenMode::Copy, true);

    // Replayed handwriting continues from the remote move-to, never from the local stroke's end.
    boards.ReplayBatch({Item(1, BoardKind::MoveTo, {10, 100}, {10, 100}),
                        Item(1, BoardKind::Handwriting, {30, 100}, {30, 100}, 1, 0x000000FF),
                        Item(1, BoardKind::Rectangle, {100, 5}, {120, 25}, 1, 0x000000FF)});
    EXPECT_EQ(boards.RemoteLast(), QPoint(30, 100));
    EXPECT_EQ(boards.LocalLast(), QPoint(70, 60));
    EXPECT_EQ(boards.Board(1).Image().pixel(20, 100), ToPixel(0x000000FF));
    EXPECT_EQ(boards.Board(1).Image().pixel(65, 80), 0xFFFFFFFFu) << "no segment from (70, 60)";
    EXPECT_EQ(boards.Board(1).Image().pixel(101, 5), ToPixel(0x000000FF)) << "solid, not the board's dots";
    EXPECT_EQ(boards.SaveBoardStyle(1), (BoardStyle{own.brush, own.pen, BoardKind::Handwriting}));
    EXPECT_EQ(boards.Board(1).PenPosition(), QPoint(70, 60));
    EXPECT_EQ(boards.GestureBoard(), 1) << "the local gesture goes on";
    boards.RenderItem(1, {80, 60}, {80, 60}, PenMode::Copy, true);
    EXPECT_EQ(boards.Board(1).Image().pixel(74, 60), ToPixel(0x00FEDCBA));
    EXPECT_EQ(boards.Board(1).Image().pixel(75, 60), 0xFFFFFFFFu) << "the local pen's dots";
    EXPECT_EQ(boards.OutgoingBatch().size(), 3u);

    // A style saved around a text box or a capture placement survives a replay in between.
    const BoardStyle saved = boards.SaveBoardStyle(1);
    boards.SetDrawTool(BoardKind::Text);
    boards.ReplayBatch(
        {Item(1, BoardKind::Oval, {1, 1}, {9, 9}, 2, 0x00111111, BoardBrush::Cross, 0x00222222)});
    boards.RestoreBoardStyle(1, saved);
    EXPECT_EQ(boards.SaveBoardStyle(1), saved);
}

TEST(WhiteboardClear, ResetsTheBoardAndKeepsAnEmptyBatchFromBeingSent) {
    BoardFixture f({1200, 900});
    Whiteboard& boards = *f.boards;
    boards.SetPublicBoardAccess(true);
    boards.ReplayBatch(
        {Item(2, BoardKind::Rectangle, {0, 0}, {1200, 900}, 1, 0, BoardBrush::Solid, 0x0000FF)});
    boards.ClearBoardImage(2);
    EXPECT_EQ(boards.Board(2).Image().size(), QSize(1024, 768));
    BoardCanvas white;
    EXPECT_TRUE(SameImage(boards.Board(2).Image(), white.Image()));
    ASSERT_EQ(boards.OutgoingBatch().size(), 1u);
    EXPECT_EQ(boards.OutgoingBatch()[0].Kind(), BoardKind::MoveTo);
    boards.SendBatch();
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(boards.DrawTool(), BoardKind::Select) << "the tool is as it was";
}

TEST(WhiteboardPicture, DrawsAtTheTopLeftWithoutEnlargingRecordingOrDisturbingARubberBand) {
    BoardFixture f;
    Whiteboard& boards = *f.boards;
    boards.SetPublicBoardAccess(true);
    boards.SetCurrentBoard(3);
    test::PaintBusyContent(boards.Board(3));
    const QImage before = boards.Board(3).Image().copy();
    boards.SetDrawTool(BoardKind::Rectangle);
    boards.BeginGesture(3, {100, 10});
    boards.ShowPreview({100, 10}, {150, 100}); // reaches beyond the picture and into it
    const BoardStyle style = boards.SaveBoardStyle(3);

    QImage picture(120, 500, QImage::Format_RGB32); // taller than the board
    picture.fill(QColor(0x12, 0x34, 0x56));
    boards.DrawPicture(-1, picture);
    boards.HidePreview();

    const QImage& after = boards.Board(3).Image();
    EXPECT_EQ(after.size(), before.size()) << "the board is not enlarged";
    EXPECT_TRUE(SameImage(after.copy(0, 0, 120, before.height()), picture.copy(0, 0, 120, before.height())));
    EXPECT_TRUE(SameImage(after.copy(120, 0, 40, before.height()), before.copy(120, 0, 40, before.height())))
        << "the rest of the board, the rubber band taken off cleanly, is as it was";
    EXPECT_EQ(boards.SaveBoardStyle(3), style);
    EXPECT_EQ(boards.OutgoingBatch().size(), 1u) << "only the gesture's own move-to";
    EXPECT_TRUE(f.sent.empty());

    boards.DrawPicture(6, picture);
    boards.DrawPicture(2, QImage());
    EXPECT_TRUE(SameImage(boards.Board(2).Image(), BoardCanvas({160, 120}).Image()));
}

TEST(WhiteboardInit, PreparesTheBoardsWithTheDefaultPen) {
    BoardFixture f;
    Whiteboard& boards = *f.boards;
    boards.SetCurrentBoard(4);
    boards.SetDrawTool(BoardKind::Fill);
    boards.InitBoards(6, 0x000000FF);
    EXPECT_EQ(boards.CurrentBoard(), 1);
    EXPECT_EQ(boards.DrawTool(), BoardKind::Select);
    EXPECT_EQ(boards.Board(1).Pen().width, 6);
    EXPECT_EQ(boards.ToolbarPenWidth(), 6);
    EXPECT_EQ(boards.ToolbarPenColor(), 0x000000FFu);
    for (int b = 0; b < kBoardCount; ++b) {
        EXPECT_EQ(boards.Board(b).Brush().style, BoardBrush::Clear);
        EXPECT_EQ(boards.Board(b).PenPosition(), QPoint(0, 0));
    }
    boards.InitBoards(5000, 0);
    EXPECT_EQ(boards.Board(1).Pen().width, kMaxPenWidth) << "a width every receiver draws";
    boards.SetCurrentBoard(6);
    EXPECT_EQ(boards.CurrentBoard(), 1);
}

} // namespace
} // namespace orv
