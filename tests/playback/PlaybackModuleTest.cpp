// The playback module: a local file from its start to the end of the replay, the routes of replayed board
// resources, the starts that fail, and Stop and exit.
#include "playback/PlaybackModule.h"
#include "link/Dispatcher.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/ResourceRecords.h"
#include "support/EventPump.h"
#include "support/FakeChannel.h"
#include "support/FakeSession.h"
#include "support/Prerequisites.h"
#include "tests/playback/RecordingFile.h"

#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;
using test::recorded;

struct FakePlayerWindow final : IPlayerWindow {
    void SetCallbacks(TPlayerCallbacks c) override { callbacks = std::move(c); }
    void ShowAtCorner(bool top) override { shownAtTop = top; }
    void Refresh(std::int64_t) override { ++refreshes; }
    void ShowVolume(int, bool) override {}
    void SetPlaying(bool) override {}
    TPlayerCallbacks callbacks;
    std::optional<bool> shownAtTop;
    int refreshes = 0;
};

QByteArray pushed(std::int32_t board) {
    return TBoardIndexMessage{board}.encode() + TResourceRecord().toByteArray();
}

struct ModuleFixture : ::testing::Test {
    ModuleFixture() {
        session.state.launchMode = TLaunchMode::LocalFile;
        dispatcher.RegisterHandler({cmChat}, [this](const TIncomingPacket& p) {
            chat << p.stream.sliced(TPacketHeader::kSize).toByteArray();
        });
        playback.RegisterHandlers(dispatcher);
        playback.RegisterMessages(router);
    }
    TPlaybackModuleParts parts() {
        TPlaybackShell s;
        s.quit = [this](int code) { quits.push_back(code); };
        s.closeMainWindow = [this] { ++closed; };
        s.recordedResource = [this](const TIncomingPacket& p) { resources.push_back(p.header.Command); };
        s.showBoard = [this](int board) { boards.push_back(board); };
        s.resetRoom = [this] { chat.clear(); };
        TPlaybackModuleParts p{session.context, channel, dir.path(),
                               [this](TPlayerStatus&) {
                                   auto w = std::make_unique<FakePlayerWindow>();
                                   window = w.get();
                                   return w;
                               },
                               std::move(s)};
        p.fileStartDelayMs = p.serverStartDelayMs = 0;
        p.headerWaitMs = 250; // only a download waits for its header
        return p;
    }
    bool ended() {
        return pumpUntil([&] { return playback.Status().Status() == TPlayerStatusText::Stopped; });
    }

    QTemporaryDir dir;
    QString path = dir.filePath("r.orvane");
    test::FakeSession session;
    test::FakeChannel channel;
    TPacketDispatcher dispatcher;
    TMessageRouter router;
    FakePlayerWindow* window = nullptr;
    std::vector<int> quits;
    int closed = 0;
    std::vector<std::uint16_t> resources;
    std::vector<int> boards;
    QStringList chat;
    TPlaybackModule playback{parts()};
};

// The recorder's tools are a moderator's: a promotion in a room that allows recording shows them at once,
// a demotion hides them.
TEST_F(ModuleFixture, TheRecorderToolsFollowAPromotionOrDemotion) {
    session.state.launchMode = TLaunchMode::Join;
    session.state.inRoom = true;
    session.state.room.SetRecorderFlag(true);
    for (const bool moderator : {true, false}) {
        session.state.account.SetAccountType(moderator ? 1000 : 0);
        playback.OwnRoleChanged();
        EXPECT_EQ(playback.Recorder().Visible(), moderator);
        EXPECT_EQ(playback.Recorder().StartAction().isVisible(), moderator);
    }
}

TEST_F(ModuleFixture, PlaysALocalFileThroughTheHandlersAndRoutesBoardResourcesToTheBoards) {
    test::writeFile(
        path,
        test::recordingBytes({recorded(cmChat, 0, "hello"), recorded(cmPushImage, 1, pushed(2)),
                              recorded(cmPushDocument, 2, pushed(3)),
                              recorded(cmPushPresentation, 3, pushed(4)), recorded(cmPushImage, 3.5, "short"),
                              recorded(cmDownloadImage, 4, "picture"), recorded(cmChat, 5, "bye")}));
    playback.PlayFile(path, false);
    ASSERT_TRUE(ended());
    EXPECT_EQ(chat, (QStringList{"hello", "bye"}));
    EXPECT_EQ(boards, (std::vector<int>{2, 4})) << "pushed images and slides show their board, documents not";
    EXPECT_EQ(resources, (std::vector<std::uint16_t>{cmDownloadImage}));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->shownAtTop, false) << "a file's player sits at the bottom-right";
    EXPECT_EQ(playback.Status().PercentText(), "100.00%");
    EXPECT_EQ(playback.Status().TotalMs(), 5000) << "from the first packet's stamp to the last";
    EXPECT_TRUE(quits.empty());
    EXPECT_TRUE(session.sender.sent.empty());
    EXPECT_EQ(session.progress.shown.back(), "5 Starting communication services...");

    // Start Playing again replays from the start, into an emptied room.
    window->callbacks.play();
    ASSERT_TRUE(ended());
    EXPECT_EQ(chat, (QStringList{"hello", "bye"})) << "no line twice";
}

// A web server that sends the header and the first packet, then holds the rest back until told.
TEST_F(ModuleFixture, AWebRecordingThatArrivesSlowlyBuffersAndAPausedDownloadWaits) {
    const TRecordedPacket early = recorded(cmChat, 0, "early");
    test::writeFile(path, test::recordingBytes({early, recorded(cmChat, 0.1, "late")}));
    const qsizetype first = TRecordedSessionHeader::kSize + early.encode().size();
    const QString gate = dir.filePath("gate");
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const QString port = QString::number(probe.serverPort());
    probe.close();
    QProcess web;
    web.start("python3", {ORV_SOURCE_DIR "/tests/playback/gated_http_server.py", port, path,
                          QString::number(first), gate});
    if (!web.waitForStarted())
        ORV_PREREQUISITE_MISSING("python3 is not installed");
    ASSERT_TRUE(web.waitForReadyRead(10000));

    playback.PlayFromAddress("http://127.0.0.1:" + port + "/r.orvane");
    ASSERT_TRUE(pumpUntil([&] { return playback.Status().Status() == TPlayerStatusText::Buffering; }));
    EXPECT_EQ(chat, QStringList{"early"});
    const QStringList downloads = QDir(dir.path()).entryList({"tmp*.tmp"});
    ASSERT_EQ(downloads.size(), 1);
    const QString download = dir.filePath(downloads[0]);

    // Paused, the download takes nothing more although the server now sends it.
    playback.PauseOrResume();
    EXPECT_EQ(playback.Status().Status(), TPlayerStatusText::Paused);
    test::writeFile(gate, {});
    pumpUntil([] { return false; }, 1500);
    EXPECT_EQ(QFileInfo(download).size(), first);
    EXPECT_EQ(chat, QStringList{"early"});

    playback.PauseOrResume();
    ASSERT_TRUE(ended());
    EXPECT_EQ(chat, (QStringList{"early", "late"}));
    EXPECT_EQ(QFileInfo(download).size(), QFileInfo(path).size());
    web.kill();
    web.waitForFinished();
}

TEST_F(ModuleFixture, StartsThatFailTellTheUserAndEndTheProgram) {
    const struct {
        const char* name;
        QByteArray bytes; // none: no file
        const char* text;
    } cases[] = {
        {"missing", {}, "error: The file cannot be located."},
        {"shorter than a header", "0123456789",
         "error: Unable to play the resource. Please try again later."},
    };
    for (const auto& c : cases) {
        session.dialogs.shown.clear();
        quits.clear();
        const QString file = dir.filePath(c.name);
        if (!c.bytes.isEmpty())
            test::writeFile(file, c.bytes);
        playback.PlayFile(file, false);
        EXPECT_EQ(session.dialogs.shown, QStringList{c.text}) << c.name;
        EXPECT_EQ(quits, std::vector<int>{-1}) << c.name;
        EXPECT_FALSE(playback.Playing()) << c.name;
    }
    playback.PlayFromAddress("http://127.0.0.1:1/none.orvane");
    EXPECT_EQ(
        session.dialogs.shown.back(),
        "error: The specified URL cannot be accessed.\r\nThis recorded session may no longer be available.");
}

TEST_F(ModuleFixture, StopAndExitAsksFirstAndStopsWithoutWaitingOnTheMainThread) {
    std::vector<TRecordedPacket> packets;
    for (int i = 0; i < 50; ++i)
        packets.push_back(recorded(cmChat, i * 5, QByteArray::number(i)));
    test::writeFile(path, test::recordingBytes(packets));
    playback.PlayFile(path, false);
    ASSERT_TRUE(window);
    session.dialogs.answer = false;
    window->callbacks.stop();
    EXPECT_EQ(session.dialogs.shown.back(), "question: Do you want to exit?");
    EXPECT_TRUE(playback.Playing()) << "No changes nothing";
    EXPECT_EQ(closed, 0);

    window->callbacks.pause();
    EXPECT_EQ(playback.Status().Status(), TPlayerStatusText::Paused);
    session.dialogs.answer = true;
    window->callbacks.stop(); // while paused
    EXPECT_FALSE(playback.Playing());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(playback.Status().Caption(), "Orvane Live Player - Stopping...");
}

} // namespace
} // namespace orv
