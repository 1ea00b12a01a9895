// A recording started in the middle of a session replays the room as it was: two live clients draw on several
// boards, write, place a picture, chat both ways, get a microphone and board access and change the codec; the
// recorder starts halfway through. Replayed in a third client, the boards match a live client's pixel for
// pixel, the chat shows the recorded lines as the live client shows them, and the roster the same states.
#include "board/BoardJpeg.h"
#include "protocol/AudioControlMessages.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/ModerationMessages.h"
#include "protocol/RecordingMessages.h"
#include "support/BoardFixture.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"

#include "ReplayFixtures.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

namespace orv::recording_identity {

using test::pumpUntil;

server::ServerConfig Classroom(const QString& store) {
    server::ServerConfig c =
        test::ClassroomConfig({{"teacher", 1, 1000, "Tess"}, {"alice", 2, 0, "Alice"}, {"bob", 3, 0, "Bob"}});
    c.storePath = store;
    server::RoomConfig& room = c.rooms[100];
    room.recorder = true;
    room.codec = 2;
    return c;
}

void Line(TBoardModule& board, int number, QPoint from, QPoint to) {
    board.Sharing().SwitchBoard(number, true);
    board.Boards().SetDrawTool(BoardKind::Line);
    board.Gesture().BoardMouseDown(Qt::LeftButton, from.x(), from.y());
    board.Gesture().BoardMouseUp(Qt::LeftButton, to.x(), to.y());
}

// Each participant as the roster shows it, in display order.
QStringList RosterLines(const Roster& roster) {
    QStringList lines;
    for (int i = 0; i < roster.Count(); ++i) {
        const TUserNode& e = roster.Entry(i);
        lines << QString("%1 type %2 microphone %3 board %4 online %5")
                     .arg(e.UserName())
                     .arg(int(e.UserType()))
                     .arg(int(e.MicrophoneStatus()))
                     .arg(e.BoardAllowed())
                     .arg(int(e.OnlineStatus()));
    }
    return lines;
}

QString ChatLog(TChatModule& chat) {
    const QTextDocument* doc = chat.Conversations().FindConversation(0);
    return doc ? doc->toPlainText() : QString();
}

TEST(RecordingIdentity, ARecordingStartedMidSessionReplaysTheRoomAsTheLiveClientsShowIt) {
    QTemporaryDir store, homes[2];
    test::ServerThread server(Classroom(store.path()));
    test::ChatClient teacher(homes[0].path()), alice(homes[1].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    ASSERT_TRUE(pumpUntil([&] { return alice.roster.Participants().Count() == 2; }));

    // Before the recorder: rights, the codec, chat both ways, drawing, text and a picture on two boards.
    ASSERT_TRUE(teacher.sender.Send(cmSetAudioCodec, TRoomVoiceValue{3}.encode()));
    ASSERT_TRUE(teacher.sender.Send(cmGiveMicrophone, TMicrophoneRightMessage{2}.encode()));
    ASSERT_TRUE(teacher.sender.Send(cmGiveBoard, TBoardAccessMessage{2}.encode()));
    ASSERT_TRUE(pumpUntil([&] { return alice.state.OwnBoardAllowed && alice.state.OwnMicAllowed; }));
    ASSERT_TRUE(alice.chat.Handlers().SendTyped("Before the recording"));
    ASSERT_TRUE(teacher.chat.Handlers().SendTyped("Noted before"));
    TBoardModule& board = teacher.board;
    board.Sharing().ExecuteLockBoard();
    ASSERT_TRUE(pumpUntil([&] { return board.Sharing().HoldsLock(); }));
    Line(board, 1, {20, 30}, {400, 300});
    Line(board, 3, {10, 250}, {500, 20});
    const QRect textRect(50, 200, 180, 60);
    ASSERT_TRUE(board.Sharing().SendBoardText("Orbits", "DejaVu Sans", 16, 0x000000FF, 3, textRect));
    board.Boards().PlaceText(3, textRect, "Orbits", "DejaVu Sans", 16, 0x000000FF);
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(QColor(20, 120, 60));
    QPainter(&picture).fillRect(30, 20, 60, 50, QColor(240, 200, 10));
    ASSERT_TRUE(board.Sharing().SendBoardImage(picture, QRect(QPoint(300, 100), picture.size()), 3));
    board.Boards().PlaceImage(3, {300, 100}, *DecodeBoardJpeg(EncodeBoardJpeg(picture)));
    Line(alice.board, 2, {5, 5}, {300, 200});
    ASSERT_TRUE(pumpUntil([&] {
        for (int b = 1; b <= 3; ++b)
            if (!test::SameImage(alice.board.Boards().Board(b).Image(),
                                 teacher.board.Boards().Board(b).Image()))
                return false;
        return ChatLog(alice.chat).contains("Noted before");
    }));
    const int chatBefore = ChatLog(alice.chat).size();

    // The recorder starts; the session goes on.
    const QString recording = QDir(store.path()).filePath("recordings/1.orvane");
    ASSERT_TRUE(teacher.sender.Send(cmStartRecording, TRecorderCredentials().toByteArray()));
    ASSERT_TRUE(pumpUntil([&] { return QFileInfo::exists(recording); }));
    ASSERT_TRUE(alice.chat.Handlers().SendTyped("Is this recorded?"));
    ASSERT_TRUE(teacher.chat.Handlers().SendTyped("Yes, from here on"));
    Line(board, 4, {100, 100}, {200, 400});
    Line(alice.board, 2, {300, 5}, {5, 200});
    ASSERT_TRUE(pumpUntil([&] {
        for (int b = 1; b <= 5; ++b)
            if (!test::SameImage(alice.board.Boards().Board(b).Image(),
                                 teacher.board.Boards().Board(b).Image()))
                return false;
        return ChatLog(alice.chat).contains("from here on");
    }));
    const int chatRecorded = ChatLog(alice.chat).size();
    // The server handles the teacher's packets in order: once this line reaches alice, the recorder stopped.
    ASSERT_TRUE(teacher.sender.Send(cmStopRecording));
    ASSERT_TRUE(teacher.chat.Handlers().SendTyped("Off the record"));
    ASSERT_TRUE(pumpUntil([&] { return ChatLog(alice.chat).contains("Off the record"); }));

    test::ProgramReplay replay;
    replay.playback.PlayFile(recording, false);
    ASSERT_TRUE(pumpUntil([&] { return replay.playback.Status().Status() == TPlayerStatusText::Stopped; }));

    for (int b = 1; b <= 5; ++b)
        EXPECT_TRUE(
            test::SameImage(replay.board.Boards().Board(b).Image(), alice.board.Boards().Board(b).Image()))
            << "board " << b;
    EXPECT_EQ(replay.client.state.audioCodec, 3) << "the codec the room had when the recorder started";
    EXPECT_EQ(RosterLines(replay.roster.Participants()).join('\n').toStdString(),
              RosterLines(alice.roster.Participants()).join('\n').toStdString());
    EXPECT_EQ(replay.log().toStdString(),
              ChatLog(alice.chat).mid(chatBefore, chatRecorded - chatBefore).trimmed().toStdString() + "\n")
        << "the recorded lines, as the live client shows them";
}

} // namespace orv::recording_identity
