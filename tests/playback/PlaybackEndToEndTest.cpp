// A session recorded by our server: two clients talk and the moderator draws while recording, then the
// recording is fetched from the server and from a web server and replayed through a fresh roster, chat and
// boards, which must show what the live clients showed.
#include "ReplayFixtures.h"
#include "board/BoardJpeg.h"
#include "board/BoardModule.h"
#include "chat/ChatModule.h"
#include "link/Dispatcher.h"
#include "platform/HttpDownload.h"
#include "playback/PlaybackModule.h"
#include "playback/PlayerThread.h"
#include "playback/ServerRecordings.h"
#include "playback/WebRecording.h"
#include "protocol/ResultCodes.h"
#include "roster/RosterModule.h"
#include "support/BoardFixture.h"
#include "support/LiveClient.h"
#include "support/Prerequisites.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::ChatClient;
using test::ProgramReplay;

using test::pumpUntil;

server::ServerConfig classroom(const QString& store) {
    server::ServerConfig c = test::ClassroomConfig(
        {{"teacher", 1, 1000, "Tess"}, {"alice", 2, 0, "Alice"}, {"viewer", 3, 0, "Vic"}});
    c.storePath = store;
    server::RoomConfig& room = c.rooms[100];
    room.name = "Physics 101";
    room.recorder = true;
    room.codec = 2;
    return c;
}

// A roster and a chat fed by a player, as in playback.
struct Replay {
    Replay() {
        session.state.launchMode = TLaunchMode::LocalFile;
        roster.RegisterHandlers(dispatcher);
        chat.RegisterHandlers(dispatcher);
        session.notices.forwardTo = chat.ChatLines();
    }
    void play(const QString& path, bool hasHeader, std::int64_t size) {
        TAvailableBytes there;
        there.Finish(size);
        test::RecordingSink window, mainWindow;
        TPlayerParts parts{
            &context,
            window,
            mainWindow,
            session.clock,
            there,
            [this](const TPacketHeader& h, QByteArrayView s) { dispatcher.DispatchPacket(h, s); },
            [this] {
                roster.ResetRoom();
                chat.ResetRoom();
            }};
        TPlayerThread player(parts, path, hasHeader, 0);
        codec = player.ReadRoomCodec();
        player.Start();
        ASSERT_TRUE(pumpUntil([&] { return !window.withNumber(PlayerMsg::Stopped).empty(); }));
    }
    QStringList names() {
        QStringList out;
        for (int i = 0; i < roster.Participants().Count(); ++i)
            out << roster.Participants().Entry(i).Record().FirstName();
        out.sort();
        return out;
    }
    QString log() {
        const QTextDocument* doc = chat.Conversations().FindConversation(0);
        return doc ? doc->toPlainText() : QString();
    }

    QObject context;
    test::FakeSession session;
    TPacketDispatcher dispatcher;
    TRosterModule roster{session.context};
    TChatModule chat{session.context, roster.Directory(), nullptr};
    std::int32_t codec = -1;
};

std::uint16_t freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

TEST(PlaybackEndToEnd, ARecordingMadeByOurServerReplaysTheRoomFromTheServerAFileAndTheWeb) {
    QTemporaryDir store, homes[3], downloads;
    test::ServerThread server(classroom(store.path()));
    ChatClient teacher(homes[0].path()), alice(homes[1].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    ASSERT_TRUE(pumpUntil([&] { return teacher.roster.Participants().Count() == 2; }));

    const QString recording = QDir(store.path()).filePath("recordings/1.orvane");
    ASSERT_TRUE(alice.sender.Send(cmStartRecording, TRecorderCredentials().toByteArray()));
    ASSERT_TRUE(teacher.sender.Send(cmStartRecording, TRecorderCredentials().toByteArray()));
    ASSERT_TRUE(pumpUntil([&] { return QFileInfo::exists(recording); }));
    ASSERT_TRUE(alice.chat.Handlers().SendTyped("Is this recorded?"));
    ASSERT_TRUE(teacher.chat.Handlers().SendTyped("Yes, every word"));
    ASSERT_TRUE(pumpUntil([&] {
        return alice.chat.Conversations().FindConversation(0)->toPlainText().contains("every word");
    }));
    // The moderator takes the board and draws a line, text and a picture on board 2.
    TBoardModule& board = teacher.board;
    board.Sharing().ExecuteLockBoard();
    ASSERT_TRUE(pumpUntil([&] { return board.Sharing().HoldsLock(); }));
    board.Sharing().SwitchBoard(2, true);
    board.Boards().SetDrawTool(BoardKind::Line);
    board.Gesture().BoardMouseDown(Qt::LeftButton, 20, 30);
    board.Gesture().BoardMouseUp(Qt::LeftButton, 400, 300);
    const QRect textRect(50, 200, 180, 60);
    ASSERT_TRUE(board.Sharing().SendBoardText("Forces", "DejaVu Sans", 16, 0x000000FF, 2, textRect));
    board.Boards().PlaceText(2, textRect, "Forces", "DejaVu Sans", 16, 0x000000FF);
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(QColor(20, 120, 60));
    QPainter(&picture).fillRect(30, 20, 60, 50, QColor(240, 200, 10));
    ASSERT_TRUE(board.Sharing().SendBoardImage(picture, QRect(QPoint(300, 100), picture.size()), 2));
    board.Boards().PlaceImage(2, {300, 100}, *DecodeBoardJpeg(EncodeBoardJpeg(picture)));
    ASSERT_TRUE(pumpUntil([&] {
        return test::SameImage(alice.board.Boards().Board(2).Image(), board.Boards().Board(2).Image());
    }));
    ASSERT_TRUE(teacher.sender.Send(cmStopRecording));
    pumpUntil([] { return false; }, 300);
    EXPECT_FALSE(QFileInfo::exists(QDir(store.path()).filePath("recordings/2.orvane")))
        << "a participant may not record";

    QFile file(recording);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    PayloadReader headReader(bytes);
    const TRecordedSessionHeader header = TRecordedSessionHeader::decode(headReader);
    EXPECT_EQ(header.TotalSize(), bytes.size());
    EXPECT_GE(header.PacketCount(), 5) << "entry, participants, states and both lines";
    EXPECT_EQ(header.Title(), "Physics 101");

    Replay fromFile;
    fromFile.play(recording, true, bytes.size());
    EXPECT_EQ(fromFile.codec, 2) << "from the room entry reply that opens the recording";
    EXPECT_EQ(fromFile.names(), (QStringList{"Alice", "Tess"}));
    for (const char* line : {"Alice\nIs this recorded?", "Tess (Moderator)\nYes, every word"})
        EXPECT_TRUE(fromFile.log().contains(line)) << line << "\n" << fromFile.log().toStdString();
    EXPECT_TRUE(fromFile.session.sender.sent.empty()) << "playback says nothing to the server";
    EXPECT_TRUE(fromFile.session.notices.beeps.empty());

    ProgramReplay program;
    program.playback.PlayFile(recording, false);
    ASSERT_TRUE(pumpUntil([&] { return program.playback.Status().Status() == TPlayerStatusText::Stopped; }));
    EXPECT_EQ(program.log(), fromFile.log());
    EXPECT_EQ(program.roster.Participants().Count(), 2);
    EXPECT_FALSE(program.client.state.inRoom) << "the recorded room entry reply enters no room";
    EXPECT_EQ(program.layouts, 1) << "the main window takes the playback layout";
    EXPECT_EQ(program.client.state.audioCodec, 2);
    for (int b = 1; b <= 5; ++b)
        EXPECT_TRUE(
            test::SameImage(program.board.Boards().Board(b).Image(), alice.board.Boards().Board(b).Image()))
            << "board " << b;

    // From the server: listed, opened and downloaded packet by packet on a signed-in connection.
    test::LiveClient viewer(homes[2].path());
    viewer.signIn->Options().playbackMode = true;
    viewer.signIn->SetCredentials("viewer", test::PasswordOf("viewer"));
    ASSERT_TRUE(viewer.signIn->StartSession("127.0.0.1", server.port()));
    const TRecordingListResult list = ListRecordings(viewer.connection, viewer.state.account.UserId());
    ASSERT_EQ(list.code, 0);
    ASSERT_EQ(list.recordings.size(), 1u);
    EXPECT_EQ(list.recordings[0].SessionId(), 1);
    EXPECT_EQ(OpenRecording(viewer.connection, 9).code, ResultCode::FileNotFound);
    const TOpenResult opened = OpenRecording(viewer.connection, 1);
    ASSERT_EQ(opened.code, 0);
    ASSERT_TRUE(opened.header);
    EXPECT_EQ(opened.header->PacketCount(), header.PacketCount());
    const QString packets = downloads.filePath("server.tmp");
    TAvailableBytes there;
    test::RecordingSink window;
    TSessionReaderThread download(viewer.connection, packets, there, window, header.TotalSize());
    download.Start();
    ASSERT_TRUE(pumpUntil([&] { return there.Complete(); }));
    EXPECT_EQ(download.Packets(), header.PacketCount());
    EXPECT_EQ(there.Bytes(), bytes.size() - 740);
    EXPECT_EQ(window.withNumber(PlayerMsg::Progress).back(),
              (test::PostedMessage{PlayerMsg::Progress, header.TotalSize(), header.TotalSize()}));
    Replay fromServer;
    fromServer.play(packets, false, there.Bytes());
    EXPECT_EQ(fromServer.names(), fromFile.names());
    EXPECT_EQ(fromServer.log(), fromFile.log());

    // From the web: HEAD, then GET into a file that grows.
    const std::uint16_t port = freePort();
    QProcess web;
    web.setWorkingDirectory(QDir(store.path()).filePath("recordings"));
    web.start("python3", {"-m", "http.server", QString::number(port), "--bind", "127.0.0.1"});
    if (!web.waitForStarted())
        ORV_PREREQUISITE_MISSING("python3 is not installed");
    const QString url = QString("http://127.0.0.1:%1/1.orvane").arg(port);
    ASSERT_TRUE(pumpUntil([&] { return HttpHead(url, 1000) == 200; }));
    EXPECT_EQ(HttpHead(QString("http://127.0.0.1:%1/9.orvane").arg(port)), 404);
    TAvailableBytes webThere;
    TSessionURLReaderThread get(url, downloads.filePath("web.tmp"), webThere, window);
    get.Start();
    ASSERT_TRUE(pumpUntil([&] { return webThere.Complete(); }));
    EXPECT_TRUE(get.Succeeded());
    Replay fromWeb;
    fromWeb.play(downloads.filePath("web.tmp"), true, webThere.Bytes());
    EXPECT_EQ(fromWeb.log(), fromFile.log());
    web.terminate();
    web.waitForFinished();
}

} // namespace
} // namespace orv
