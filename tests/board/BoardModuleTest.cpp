// The whiteboard module in a session: its packet handler, its settings and its room entry step.
#include "board/BoardModule.h"
#include "link/Dispatcher.h"
#include "protocol/PacketHeader.h"
#include "session/Settings.h"
#include "support/BoardFixture.h"
#include "support/FakeSession.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::Item;

struct ModuleFixture : test::FakeSession {
    TBoardModule module{context};
    TPacketDispatcher dispatcher;

    ModuleFixture() { module.RegisterHandlers(dispatcher); }
    void receive(const QByteArray& payload) {
        dispatcher.DispatchPacket(TPacketHeader::decode(BuildPacket(cmBoardDrawing, 7, 100, payload)),
                                  BuildPacket(cmBoardDrawing, 7, 100, payload));
    }
};

TEST(BoardModule, ReplaysReceivedDrawingPacketsAndDropsBrokenOnes) {
    ModuleFixture f;
    const QImage blank = f.module.Boards().Board(2).Image().copy();
    f.receive(QByteArray("\x02\x00", 2));
    f.receive(TBoardDrawingBatch{9, {Item(2, BoardKind::Rectangle, {1, 1}, {9, 9})}}.encode());
    EXPECT_TRUE(test::SameImage(f.module.Boards().Board(2).Image(), blank));
    f.receive(TBoardDrawingBatch{2, {Item(2, BoardKind::Rectangle, {1, 1}, {9, 9})}}.encode());
    EXPECT_EQ(f.module.Boards().Board(2).Image().pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(f.module.Boards().IncomingBatch().size(), 1u);
}

TEST(BoardModule, PreparesTheBoardsOnceWithThePenSettingsAndSendsThroughTheSession) {
    ModuleFixture f;
    TSettings settings;
    settings.DefPenWidth = 7;
    settings.DefPenColor = 0x000000FF;
    settings.BoardGridSize = 20;
    f.module.ApplySettings(settings);
    Whiteboard& boards = f.module.Boards();
    EXPECT_EQ(boards.Board(1).Pen().width, 7);
    EXPECT_EQ(boards.ToolbarPenColor(), 0x000000FFu);
    EXPECT_EQ(boards.DrawTool(), BoardKind::Select);

    boards.SetDrawTool(BoardKind::Line);
    boards.Board(1).SetPen({0, 2, PenStyle::Solid});
    settings.DefPenWidth = 9;
    f.module.ApplySettings(settings); // the settings window saved: the boards stay as they are
    EXPECT_EQ(boards.Board(1).Pen().width, 2);
    EXPECT_EQ(boards.DrawTool(), BoardKind::Line);

    TRoomEntrySteps steps;
    f.module.RegisterRoomEntry(steps);
    f.state.account.SetAccountType(1000);
    for (const auto& action : steps.ActionsOf(TRoomEntryStep::Rights))
        action();
    EXPECT_TRUE(boards.PublicBoardAccess()) << "moderators draw on the public boards from the start";
    f.module.Gesture().SetSnap(true);
    f.module.Gesture().BoardMouseDown(Qt::LeftButton, 31, 9);
    f.module.Gesture().BoardMouseUp(Qt::LeftButton, 51, 9);
    ASSERT_EQ(f.sender.sent.size(), 1u);
    EXPECT_EQ(f.sender.sent[0].command, cmBoardDrawing);
    const TBoardDrawingBatch batch = test::DecodeBatch(f.sender.sent[0].payload);
    EXPECT_EQ(QPoint(batch.items.at(1).X1(), batch.items.at(1).Y1()), QPoint(40, 0))
        << "on the 20-pixel grid";
}

} // namespace
} // namespace orv
