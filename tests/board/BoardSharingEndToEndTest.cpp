// Board sharing through our session server: a moderator locks the board, draws, places text and an image on
// board 2 and clears board 3; a participant who joins afterwards loads the histories and sees the same
// boards. A participant without rights whose client forges board packets changes nobody's boards.
#include "board/BoardJpeg.h"
#include "board/BoardModule.h"
#include "protocol/BoardMessages.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/RoomMessages.h"
#include "support/BoardFixture.h"
#include "support/LiveClient.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

server::ServerConfig Classroom() {
    server::ServerConfig c = test::ClassroomConfig({{"teacher", 1, 1000}, {"alice", 2}, {"ben", 3}});
    c.rooms[100].name = "Physics 101";
    return c;
}

struct BoardClient : test::LiveClient {
    explicit BoardClient(const QString& folder) : LiveClient(folder) { add(board); }
    TBoardModule board{context};
};

TEST(BoardSharingEndToEnd, ALateJoinerSeesTheBoardsTheModeratorMade) {
    test::ServerThread server(Classroom());
    QTemporaryDir homes[2];
    BoardClient teacher(homes[0].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    ASSERT_TRUE(pumpUntil([&] { return teacher.board.Sharing().PublicBoardAccess(); }));

    teacher.board.Sharing().ExecuteLockBoard();
    ASSERT_TRUE(pumpUntil([&] { return teacher.board.Sharing().HoldsLock(); }));
    Whiteboard& boards = teacher.board.Boards();
    teacher.board.Sharing().SwitchBoard(3, true);
    boards.SetDrawTool(BoardKind::Rectangle);
    teacher.board.Gesture().BoardMouseDown(Qt::LeftButton, 10, 10);
    teacher.board.Gesture().BoardMouseUp(Qt::LeftButton, 200, 150);
    teacher.board.Sharing().ClearBoard(3);

    teacher.board.Sharing().SwitchBoard(2, true);
    boards.SetDrawTool(BoardKind::Line);
    teacher.board.Gesture().BoardMouseDown(Qt::LeftButton, 20, 30);
    teacher.board.Gesture().BoardMouseUp(Qt::LeftButton, 400, 300);
    const QRect textRect(50, 200, 180, 60);
    ASSERT_TRUE(teacher.board.Sharing().SendBoardText("Forces\tand motion", "DejaVu Sans", 16, 0x000000FF, 2,
                                                      textRect));
    boards.PlaceText(2, textRect, "Forces\tand motion", "DejaVu Sans", 16, 0x000000FF);
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(QColor(20, 120, 60));
    QPainter(&picture).fillRect(30, 20, 60, 50, QColor(240, 200, 10));
    ASSERT_TRUE(teacher.board.Sharing().SendBoardImage(picture, QRect(QPoint(300, 100), picture.size()), 2));
    boards.PlaceImage(2, {300, 100}, *DecodeBoardJpeg(EncodeBoardJpeg(picture)));

    BoardClient alice(homes[1].path());
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    ASSERT_TRUE(pumpUntil([&] { return alice.board.Boards().CurrentBoard() == 2; }))
        << "the room's board is the lock holder's";
    ASSERT_TRUE(pumpUntil([&] { return alice.board.Sharing().BoardLockHolder() == 1; }))
        << "told who holds the lock on entering";
    // The histories arrive board by board after the entry.
    const auto same = [&](int b) {
        return bool(test::SameImage(alice.board.Boards().Board(b).Image(), boards.Board(b).Image()));
    };
    pumpUntil([&] { return same(1) && same(2) && same(3) && same(4) && same(5); });
    for (int b = 1; b <= 5; ++b)
        EXPECT_TRUE(test::SameImage(alice.board.Boards().Board(b).Image(), boards.Board(b).Image())) << b;
}

TEST(BoardSharingEndToEnd, AParticipantsForgedBoardPacketsReachNobody) {
    test::ServerThread server(Classroom());
    QTemporaryDir homes[2];
    BoardClient teacher(homes[0].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    BoardClient alice(homes[1].path());
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    ASSERT_TRUE(pumpUntil([&] { return teacher.board.Sharing().PublicBoardAccess(); }));
    const QImage blank = alice.board.Boards().Board(1).Image();

    // Ben's client ignores that nobody gave him the boards.
    test::SimulatedClient ben;
    ben.connectAndSignIn(server.port(), "ben", test::PasswordOf("ben"));
    ben.sendPacket(cmEnterRoom, TEnterRoomRequest{100}.encode());
    ASSERT_EQ(ben.readPacket().header.ResultCode, 0);
    TBBItem rectangle;
    rectangle.SetBoard(1);
    rectangle.SetKind(BoardKind::Rectangle);
    rectangle.SetX1(10);
    rectangle.SetY1(10);
    rectangle.SetX2(300);
    rectangle.SetY2(200);
    rectangle.SetPenWidth(5);
    TBoardTextMessage text;
    text.board = 1;
    text.record.SetBoard(1);
    text.record.SetLeft(20);
    text.record.SetTop(20);
    text.record.SetRight(300);
    text.record.SetBottom(100);
    text.record.SetFontName("DejaVu Sans");
    text.record.SetFontSize(20);
    text.text = "forged";
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::red);
    TBoardImageMessage image;
    image.board = 1;
    image.record.SetBoard(1);
    image.record.SetRight(60);
    image.record.SetBottom(40);
    image.jpeg = EncodeBoardJpeg(picture);
    ben.sendPacket(cmLockBoard);
    ben.sendPacket(cmBoardDrawing, TBoardDrawingBatch{1, {rectangle}}.encode());
    ben.sendPacket(cmBoardText, text.encode());
    ben.sendPacket(cmBoardImage, image.encode());
    ben.sendPacket(cmPointer, TPointerMessage{40, 40, 3, pkRight}.encode());
    ben.sendPacket(cmClearBoard, TBoardIndexMessage{2}.encode());
    ben.sendPacket(cmRoomList);
    while (ben.readPacket().header.Command != cmRoomList) {
    }

    // The teacher's own drawing on board 2 comes after whatever the server passed on of Ben's.
    teacher.board.Sharing().SwitchBoard(2, true);
    teacher.board.Boards().SetDrawTool(BoardKind::Line);
    teacher.board.Gesture().BoardMouseDown(Qt::LeftButton, 20, 30);
    teacher.board.Gesture().BoardMouseUp(Qt::LeftButton, 400, 300);
    ASSERT_TRUE(pumpUntil([&] {
        return test::SameImage(alice.board.Boards().Board(2).Image(),
                               teacher.board.Boards().Board(2).Image());
    }));
    for (BoardClient* client : {&teacher, &alice}) {
        EXPECT_TRUE(test::SameImage(client->board.Boards().Board(1).Image(), blank));
        EXPECT_EQ(client->board.Sharing().BoardLockHolder(), 0);
    }
    EXPECT_NE(alice.board.Boards().Board(2).Image(), blank) << "the teacher's line is there";
}

} // namespace
} // namespace orv
