// The mouse gesture: what it draws locally, the packet it sends, and that its records replayed elsewhere
// draw the same picture, also when received batches and clears arrive in the middle of it.
#include "board/BoardGesture.h"
#include "board/MarkImages.h"
#include "protocol/CommandCatalogue.h"
#include "support/BoardFixture.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::BoardFixture;
using test::DecodeBatch;
using test::Item;
using test::SameImage;

struct GestureFixture : BoardFixture {
    explicit GestureFixture(QSize size = {160, 120}) : BoardFixture(size), gesture(*boards) {
        boards->SetPublicBoardAccess(true);
    }
    // Press, moves through `path`, release at `end`.
    void drag(QPoint start, std::initializer_list<QPoint> path, QPoint end) {
        gesture.BoardMouseDown(Qt::LeftButton, start.x(), start.y());
        for (const QPoint p : path)
            gesture.BoardMouseMove(Qt::LeftButton, p.x(), p.y());
        gesture.BoardMouseUp(Qt::LeftButton, end.x(), end.y());
    }
    void click(QPoint p) { drag(p, {}, p); }
    BoardGesture gesture;
};

TEST(BoardGesture, AClickWithTheLineToolSendsTheMoveToAndALineOfNoLength) {
    GestureFixture f;
    f.boards->SetCurrentBoard(2);
    f.boards->SetDrawTool(BoardKind::Line);
    f.click({30, 40});
    ASSERT_EQ(f.sent.size(), 1u);
    EXPECT_EQ(f.sent[0].command, cmBoardDrawing);
    const TBoardDrawingBatch batch = DecodeBatch(f.sent[0].payload);
    EXPECT_EQ(f.sent[0].payload.size(), 4 + 2 * 20);
    EXPECT_EQ(batch.board, 2);
    ASSERT_EQ(batch.items.size(), 2u);
    EXPECT_EQ(batch.items[0], Item(2, BoardKind::MoveTo, {30, 40}, {30, 40}, 0, 0, 0, 0));
    const TBBItem& line = batch.items[1];
    EXPECT_EQ(line.Board(), 2);
    EXPECT_EQ(line.Kind(), BoardKind::Line);
    EXPECT_EQ(QPoint(line.X1(), line.Y1()), QPoint(30, 40));
    EXPECT_EQ(QPoint(line.X2(), line.Y2()), QPoint(30, 40));
    EXPECT_TRUE(f.boards->OutgoingBatch().empty());
    EXPECT_FALSE(f.gesture.Drawing());
}

TEST(BoardGesture, WhatIsSentDependsOnTheBoardTheToolAndTheConnection) {
    const struct Case {
        const char* what;
        int board;
        std::uint8_t tool;
        bool access, connectionUp;
        std::vector<std::uint8_t> sentKinds; // empty: nothing sent
        std::size_t batchAfter;
    } cases[] = {
        {"private board: drawn, never sent", 0, BoardKind::Line, true, true, {}, 2},
        {"select tool: a record that draws nothing", 3, BoardKind::Select, true, true, {100, 11}, 0},
        {"handwriting click: the move-to alone stays", 1, BoardKind::Handwriting, true, true, {}, 1},
        {"no access: dropped", 1, BoardKind::Line, false, true, {}, 2},
        {"connection down: dropped", 1, BoardKind::Line, true, false, {}, 0},
        {"text tool: the press is not a gesture", 1, BoardKind::Text, true, true, {}, 0},
        {"mark: the picture number", 5, BoardKind::Mark, true, true, {100, 16}, 0},
    };
    for (const Case& c : cases) {
        GestureFixture f;
        f.boards->SetCurrentBoard(c.board);
        f.boards->SetDrawTool(c.tool);
        f.boards->SetPublicBoardAccess(c.access);
        f.connectionUp = c.connectionUp;
        f.click({10, 10});
        if (c.sentKinds.empty()) {
            EXPECT_TRUE(f.sent.empty()) << c.what;
        } else {
            ASSERT_EQ(f.sent.size(), 1u) << c.what;
            std::vector<std::uint8_t> kinds;
            for (const TBBItem& item : DecodeBatch(f.sent[0].payload).items)
                kinds.push_back(item.Kind());
            EXPECT_EQ(kinds, c.sentKinds) << c.what;
        }
        EXPECT_EQ(f.boards->OutgoingBatch().size(), c.batchAfter) << c.what;
    }
    GestureFixture marks;
    marks.boards->SetDrawTool(BoardKind::Mark);
    marks.gesture.SetMark(MarkPicture::RedX);
    marks.drag({10, 10}, {{40, 40}}, {50, 50});
    const TBBItem mark = DecodeBatch(marks.sent.at(0).payload).items.at(1);
    EXPECT_EQ(QPoint(mark.X1(), mark.Y1()), QPoint(10, 10)) << "placed where pressed";
    EXPECT_EQ(mark.X2(), 11);
    EXPECT_EQ(mark.Y2(), 0);
}

TEST(BoardGesture, PointsAreClampedToTheBoardThenSnappedHalfToEven) {
    GestureFixture f({1024, 768});
    f.gesture.SetSnap(true);
    f.gesture.SetGridSize(25);
    f.boards->SetDrawTool(BoardKind::Rectangle);
    f.drag({37, 12}, {{50, 50}}, {62, 88});
    EXPECT_EQ(f.gesture.DragStart(), QPoint(25, 0));
    const TBBItem rect = DecodeBatch(f.sent.at(0).payload).items.at(1);
    EXPECT_EQ(QPoint(rect.X1(), rect.Y1()), QPoint(25, 0));
    EXPECT_EQ(QPoint(rect.X2(), rect.Y2()), QPoint(51, 101)) << "a rectangle's end snaps, then grows by 1";

    const struct {
        int grid;
        QPoint press, placed;
    } snaps[] = {
        {20, {30, 10}, {40, 0}},        // ties go to the even multiple
        {20, {50, 70}, {40, 80}},       //
        {25, {-40, 5000}, {0, 775}},    // clamped to 0..768 first; a snapped point may leave the board
        {25, {1030, 760}, {1025, 750}}, //
    };
    for (const auto& s : snaps) {
        f.gesture.SetGridSize(s.grid);
        f.gesture.BoardMouseDown(Qt::LeftButton, s.press.x(), s.press.y());
        EXPECT_EQ(f.gesture.DragStart(), s.placed) << s.press.x() << "," << s.press.y() << " grid " << s.grid;
        f.gesture.BoardMouseUp(Qt::LeftButton, s.press.x(), s.press.y());
    }
    f.gesture.SetSnap(false);
    f.gesture.BoardMouseDown(Qt::LeftButton, 2000, -3);
    EXPECT_EQ(f.gesture.DragStart(), QPoint(1024, 0)) << "both edges included";
}

TEST(BoardGesture, CoordinateSystemsReturnToTheSelectTool) {
    for (const std::uint8_t tool : {BoardKind::FourQuadrants, BoardKind::OneQuadrant}) {
        GestureFixture f;
        f.boards->SetDrawTool(tool);
        f.drag({10, 10}, {{60, 60}}, {60, 60});
        EXPECT_EQ(f.boards->DrawTool(), BoardKind::Select);
        EXPECT_EQ(DecodeBatch(f.sent.at(0).payload).items.at(1).Kind(), tool);
    }
}

// The local board after a gesture equals a blank board that replays the gesture's packet.
TEST(BoardGesture, AGestureAndItsRecordsReplayedElsewhereDrawTheSame) {
    const std::uint8_t tools[] = {0, 1, 2, 3, 4, 7, 9, 10, 11, 12, 14, 15, 16, 17};
    const int widths[] = {1, 2, 3, 4, 9, 30};
    const std::uint8_t brushes[] = {BoardBrush::Clear, BoardBrush::Solid, BoardBrush::ForwardDiagonal};
    for (const std::uint8_t tool : tools)
        for (const int width : widths)
            for (const std::uint8_t brush : brushes)
                for (const bool snap : {false, true}) {
                    GestureFixture sender;
                    BoardFixture receiver;
                    // Both start from the same picture, so that fills stay inside a shape.
                    const TBBPackage start = {
                        Item(3, BoardKind::Rectangle, {20, 20}, {140, 100}, 2, 0x00008000, BoardBrush::Clear),
                        Item(3, BoardKind::Oval, {5, 60}, {70, 118}, 1, 0x00800000, BoardBrush::Solid,
                             0x00F0F0F0)};
                    sender.boards->ReplayBatch(start);
                    receiver.boards->ReplayBatch(start);
                    // The receiver's own pen and brush play no part.
                    receiver.boards->Board(3).SetPen({0x00FF00FF, 13, PenStyle::Dotted});
                    receiver.boards->Board(3).SetBrush({0x00777777, BoardBrush::Cross});

                    sender.boards->SetCurrentBoard(3);
                    sender.boards->SetDrawTool(tool);
                    sender.boards->Board(3).SetPen({0x000000C0, width, PenStyle::Solid});
                    sender.boards->Board(3).SetBrush({0x00C08000, brush});
                    sender.gesture.SetSnap(snap);
                    sender.gesture.SetGridSize(7);
                    // Through the start, out of the board and back; released off the last move.
                    sender.drag({50, 40}, {{50, 40}, {62, 47}, {90, 70}, {200, -20}, {110, 95}, {75, 52}},
                                {81, 58});

                    const std::string what = "tool " + std::to_string(tool) + " width " +
                                             std::to_string(width) + " brush " + std::to_string(brush) +
                                             (snap ? " snapped" : "");
                    ASSERT_EQ(sender.sent.size(), 1u) << what;
                    receiver.boards->ReceiveBatch(DecodeBatch(sender.sent[0].payload));
                    ASSERT_TRUE(SameImage(sender.boards->Board(3).Image(), receiver.boards->Board(3).Image()))
                        << what;
                }
}

TEST(BoardGesture, ReceivedBatchesAndClearsLeaveTheLocalGestureGoing) {
    for (const std::uint8_t tool : {BoardKind::Rectangle, BoardKind::Handwriting, BoardKind::Eraser}) {
        const std::string what = "tool " + std::to_string(tool);
        GestureFixture sender;
        BoardFixture receiver;
        Whiteboard& local = *sender.boards;
        local.SetDrawTool(tool);
        local.Board(1).SetPen({0x00000000, 3, PenStyle::Solid});
        local.Board(1).SetBrush({0x000000FF, BoardBrush::Solid});
        // Across the rubber band's top edge, clear of the stroke drawn before it arrives: what the
        // participants drew at the same time lands in a different order on each board where it overlaps.
        const TBBPackage remote = {Item(1, BoardKind::MoveTo, {75, 20}, {75, 20}),
                                   Item(1, BoardKind::Line, {75, 20}, {75, 60}, 5, 0x00FF0000),
                                   Item(1, BoardKind::MoveTo, {130, 100}, {130, 100}),
                                   Item(1, BoardKind::Handwriting, {150, 110}, {150, 110}, 2, 0x0000FF00)};

        sender.gesture.BoardMouseDown(Qt::LeftButton, 30, 30);
        sender.gesture.BoardMouseMove(Qt::LeftButton, 80, 90);
        local.ReceiveBatch({1, remote});
        receiver.boards->ReceiveBatch({1, remote});
        EXPECT_TRUE(sender.gesture.Drawing()) << what;
        EXPECT_EQ(local.DrawTool(), tool) << what;
        sender.gesture.BoardMouseMove(Qt::LeftButton, 100, 80);
        sender.gesture.BoardMouseUp(Qt::LeftButton, 100, 80);
        ASSERT_EQ(sender.sent.size(), 1u) << what;
        receiver.boards->ReceiveBatch(DecodeBatch(sender.sent[0].payload));
        EXPECT_TRUE(SameImage(local.Board(1).Image(), receiver.boards->Board(1).Image())) << what;

        // A clear in the middle: what it wiped is not sent, and the rest of the gesture carries on from
        // where the pen is.
        sender.sent.clear();
        sender.gesture.BoardMouseDown(Qt::LeftButton, 20, 20);
        sender.gesture.BoardMouseMove(Qt::LeftButton, 60, 30);
        for (Whiteboard* boards : {&local, receiver.boards.get()}) {
            boards->ClearBoardImage(1);
            boards->Board(1).Resize({160, 120});
        }
        sender.gesture.BoardMouseMove(Qt::LeftButton, 70, 90);
        sender.gesture.BoardMouseUp(Qt::LeftButton, 70, 90);
        ASSERT_EQ(sender.sent.size(), 1u) << what;
        const TBoardDrawingBatch afterClear = DecodeBatch(sender.sent[0].payload);
        EXPECT_EQ(afterClear.items.front().Kind(), BoardKind::MoveTo) << what;
        receiver.boards->ReceiveBatch(afterClear);
        EXPECT_TRUE(SameImage(local.Board(1).Image(), receiver.boards->Board(1).Image())) << what;
    }
}

TEST(BoardGesture, OtherButtonsAndALostReleaseKeepTheGesturesRecords) {
    GestureFixture f;
    f.boards->SetDrawTool(BoardKind::Line);
    f.gesture.BoardMouseDown(Qt::LeftButton, 10, 10);
    f.gesture.BoardMouseDown(Qt::RightButton, 12, 12); // the pointer, while the line is dragged
    f.gesture.BoardMouseUp(Qt::RightButton, 12, 12);
    f.gesture.BoardMouseMove(Qt::LeftButton, 50, 50);
    f.gesture.BoardMouseUp(Qt::LeftButton, 50, 50);
    ASSERT_EQ(f.sent.size(), 1u);
    EXPECT_EQ(DecodeBatch(f.sent[0].payload).items.size(), 2u);

    // The release of the next line is lost: the next press ends it where it last was.
    f.gesture.BoardMouseDown(Qt::LeftButton, 60, 10);
    f.gesture.BoardMouseMove(Qt::LeftButton, 90, 40);
    f.gesture.BoardMouseDown(Qt::LeftButton, 5, 100);
    ASSERT_EQ(f.sent.size(), 2u);
    const TBBItem line = DecodeBatch(f.sent[1].payload).items.at(1);
    EXPECT_EQ(QPoint(line.X2(), line.Y2()), QPoint(90, 40));
    EXPECT_TRUE(f.gesture.Drawing());
    EXPECT_EQ(f.gesture.DragStart(), QPoint(5, 100));

    // A release without a press draws and sends nothing.
    GestureFixture idle;
    idle.boards->SetDrawTool(BoardKind::Line);
    idle.gesture.BoardMouseUp(Qt::LeftButton, 5, 5);
    idle.gesture.BoardMouseMove(Qt::NoButton, 9, 9);
    EXPECT_TRUE(idle.sent.empty());
    EXPECT_TRUE(SameImage(idle.boards->Board(1).Image(), BoardFixture().boards->Board(1).Image()));
}

} // namespace
} // namespace orv
