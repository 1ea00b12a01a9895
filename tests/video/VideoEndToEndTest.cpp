// Webcam video through our server: a moderator broadcasts the test pattern at 3 frames per second and a
// participant watches it; a hostile stream description is refused by the viewer; a viewer that fell behind
// resumes at a key frame.
#include "link/Dispatcher.h"
#include "protocol/RoomMessages.h"
#include "protocol/RosterMessages.h"
#include "support/FakeDirectory.h"
#include "support/LiveClient.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "video/VideoMessageIds.h"
#include "video/VideoModule.h"

#include "ServerConfig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

server::ServerConfig classroom() {
    server::ServerConfig c;
    for (const auto& [name, id, type] : {std::tuple{"teacher", 1, 1000}, {"alice", 2, 0}, {"bob", 3, 0}}) {
        server::AccountConfig a;
        a.userName = name;
        a.setPassword(name, server::HashCost::Minimal);
        a.userId = std::uint16_t(id);
        a.firstName = name;
        a.accountType = type;
        c.accounts.push_back(a);
    }
    server::RoomConfig room;
    room.number = 100;
    room.name = "Physics 101";
    room.video = true;
    c.rooms[100] = room;
    return c;
}

struct FakeVideoView final : IVideoView {
    void SetNameLabel(const QString& text) override { name = text; }
    void ShowStatus(const QString& text) override { status = text; }
    void ShowCapture() override { capturing = true; }
    void ShowPreview(const QImage&) override { ++previews; }
    void ShowDisplay() override { displaying = true; }
    void ShowPicture(const QImage& p) override { picture = p; }
    void SetBufferingText(const QString&) override {}
    void SetClientSize(int w, int h) override { size = {w, h}; }
    void ShowWindow() override { ++shown; }
    QString name, status;
    bool capturing = false, displaying = false;
    int previews = 0, shown = 0;
    QImage picture;
    QSize size;
};

struct Client : test::LiveClient {
    explicit Client(const QString& folder) : LiveClient(folder) {
        settings.VideoFrameRate = 3;
        settings.VideoKFR = 4;
        settings.VideoBPS = 0; // the throttle has tests of its own; here frames must not wait for it
        settings.DefaultVideoCompressor = std::int32_t(kWMV3); // broadcast as WMV2
        video.SetConnectionClock(SystemClock::instance());
        video.SetCaptureDrivers([](int) { return NewTestPatternCapture(); });
        add(video);
        dispatcher.RegisterHandler({cmVideoStarted, cmVideoStopped}, [this](const TIncomingPacket& p) {
            notices.push_back({p.header.Command, p.header.UserId});
        });
    }
    void enter(std::uint16_t port, const QString& user) {
        LiveClient::enter(port, user, user, 100);
        ASSERT_TRUE(pumpUntil([&] { return video.VideoPort() != 0; }));
    }
    FakeVideoView& view(std::size_t i) { return static_cast<FakeVideoView&>(video.Windows().at(i)->View()); }

    test::FakeDirectory directory;
    TVideoModule video{context, directory, [](TVideoSession&) { return std::make_unique<FakeVideoView>(); },
                       [this] { ++settingsOpened; }};
    int settingsOpened = 0;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> notices;
};

// A raw connection of the test's own on the video port.
struct RawStream {
    RawStream(const Client& c, std::int32_t mode, std::uint16_t watched = 0) {
        TVideoJoin join;
        join.SetUserId(c.state.account.UserId());
        join.signOn.SetPassword(c.state.account.Password());
        join.signOn.SetUserName(c.state.account.UserName());
        join.room = 100;
        join.mode = mode;
        queue = std::make_unique<TeVideoBuffer>(64);
        thread = std::make_unique<TVideoThread>(
            TVideoEndpoint{"127.0.0.1", std::uint16_t(c.video.VideoPort()), {}, {}, 0}, join, watched, window,
            mode == 0 ? queue.get() : nullptr);
        EXPECT_EQ(thread->SignOn(), 0);
        thread->Resume();
    }
    int replies(int n) { return int(window.posted.withNumber(n).size()); }
    test::MessageTarget window;
    std::unique_ptr<TeVideoBuffer> queue;
    std::unique_ptr<TVideoThread> thread;
};

TVideoStreamDescription description(std::int32_t width, std::uint16_t fps, std::uint32_t code = kWMV2) {
    TVideoStreamDescription d;
    TBitmapInfoHeader h = TBitmapInfoHeader::Rgb24(width, 120);
    h.SetCompression(code);
    d.SetHeader(h);
    d.SetFramesPerSecond(fps);
    d.SetKeyFrameRate(4);
    return d;
}

class VideoEndToEnd : public ::testing::Test {
protected:
    test::ServerThread server{classroom()};
    QTemporaryDir teacherDir, aliceDir;
    Client teacher{teacherDir.path()};
    Client alice{aliceDir.path()};

    void SetUp() override {
        teacher.enter(server.port(), "teacher");
        alice.enter(server.port(), "alice");
        teacher.state.OwnCamAllowed = true; // the participant states are the roster's
    }
};

// The teacher's camera as the server's status list reports it to a participant who asks.
TCameraStatus TeachersCamera(test::SimulatedClient& asker) {
    asker.sendPacket(cmParticipantStates);
    const test::ReceivedPacket reply = asker.readPacket();
    PayloadReader reader(reply.payload);
    for (const TParticipantStatusRecord& s : TParticipantStatesReply::decode(reader).states)
        if (s.UserId() == 1)
            return s.CameraStatus();
    return TCameraStatus(0xFF);
}

TEST_F(VideoEndToEnd, ABroadcastIsWatchedByAnotherClientUntilItStops) {
    test::SimulatedClient bob;
    bob.connectAndSignIn(server.port(), "bob", "bob");
    bob.sendPacket(cmEnterRoom, TEnterRoomRequest{100}.encode());
    ASSERT_EQ(bob.readPacket().header.ResultCode, 0);
    EXPECT_EQ(TeachersCamera(bob), csGranted);

    alice.video.StartVideoSession();
    EXPECT_TRUE(alice.video.Windows().empty()) << "no camera right, no broadcast";

    teacher.video.StartVideoSession();
    ASSERT_EQ(teacher.video.Windows().size(), 1u);
    EXPECT_TRUE(teacher.video.Broadcasting());
    EXPECT_TRUE(teacher.view(0).capturing) << teacher.view(0).status.toStdString();
    teacher.video.StartVideoSession();
    EXPECT_EQ(teacher.video.Windows().size(), 1u) << "a second start while broadcasting does nothing";
    ASSERT_TRUE(pumpUntil([&] { return !alice.notices.empty(); }));
    EXPECT_EQ(alice.notices.front(), std::make_pair(std::uint16_t(cmVideoStarted), std::uint16_t(1)));
    while (bob.readPacket().header.Command != cmVideoStarted) {
    }
    EXPECT_EQ(TeachersCamera(bob), csBroadcast) << "a late joiner's status list shows the live camera";

    alice.video.ViewWebCam(1);
    alice.video.ViewWebCam(1);
    ASSERT_EQ(alice.video.Windows().size(), 1u) << "the second choice brings the same window forward";
    EXPECT_EQ(alice.view(0).shown, 2);
    TVideoSession& viewer = *alice.video.Windows().front();
    ASSERT_TRUE(pumpUntil([&] { return viewer.PaintedFrames() >= 3; })) << alice.view(0).status.toStdString();
    EXPECT_EQ(viewer.FrameRequestInterval(), 333u);
    EXPECT_EQ(alice.view(0).size, QSize(160, 144));
    EXPECT_EQ(alice.view(0).picture.size(), QSize(160, 120));
    EXPECT_GT(teacher.view(0).previews, 0);

    teacher.video.Windows().front()->Close();
    ASSERT_TRUE(pumpUntil([&] { return teacher.video.Windows().empty(); }));
    EXPECT_FALSE(teacher.video.Broadcasting());
    ASSERT_TRUE(pumpUntil([&] { return alice.view(0).status == "Video stopped!"; }));
    EXPECT_TRUE(viewer.CloseTimerRunning());
    ASSERT_TRUE(pumpUntil([&] { return alice.notices.size() == 2; }));
    EXPECT_EQ(alice.notices.back().first, cmVideoStopped);
    while (bob.readPacket().header.Command != cmVideoStopped) {
    }
    EXPECT_EQ(TeachersCamera(bob), csGranted);
}

TEST_F(VideoEndToEnd, AHostileStreamDescriptionIsRefused) {
    const struct {
        const char* name;
        TVideoStreamDescription description;
        const char* status;
    } cases[] = {
        {"frame rate 0", description(160, 0), "Video failed.\r\nReason:Invalid video parameters."},
        {"width beyond bounds", description(100000, 3), "Video failed.\r\nReason:Invalid image size."},
        {"WMV3, which cannot be decoded without its sequence header", description(160, 3, kWMV3),
         "This participant's camera uses a format this program cannot show."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RawStream broadcaster(teacher, TVideoJoin::Broadcaster);
        broadcaster.thread->SendStreamDescription(c.description);
        ASSERT_TRUE(pumpUntil([&] { return !alice.notices.empty(); }));
        alice.notices.clear();
        alice.video.ViewWebCam(1);
        TVideoSession& viewer = *alice.video.Windows().back();
        ASSERT_TRUE(pumpUntil([&] {
            return alice.view(alice.video.Windows().size() - 1).status == c.status;
        })) << alice.view(alice.video.Windows().size() - 1).status.toStdString();
        EXPECT_EQ(viewer.FrameRequestInterval(), 0u) << "no frame is asked for";
        viewer.Close();
        ASSERT_TRUE(pumpUntil([&] { return alice.video.Windows().empty(); }));
        broadcaster.thread->Stop();
        ASSERT_TRUE(pumpUntil([&] { return !alice.notices.empty(); }));
        alice.notices.clear();
    }
    EXPECT_EQ(alice.settingsOpened, 0) << "no setting of the viewer's would change any of these";
}

TEST_F(VideoEndToEnd, AViewerThatFellBehindResumesAtAKeyFrame) {
    RawStream broadcaster(teacher, TVideoJoin::Broadcaster);
    broadcaster.thread->SendStreamDescription(description(160, 3));
    ASSERT_TRUE(pumpUntil([&] { return broadcaster.thread->WriterStarted(); }));
    auto send = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            broadcaster.queue->Add({i % 4 == 0, QByteArray(10, char(i)), 0});
    };
    send(0, 3);
    ASSERT_TRUE(pumpUntil([&] { return broadcaster.queue->Count() == 0; }));

    RawStream viewer(alice, TVideoJoin::Viewer, 1);
    viewer.thread->RequestStreamDescription();
    ASSERT_TRUE(pumpUntil([&] { return viewer.replies(VideoMsg::StreamState) == 1; }));
    auto next = [&] {
        const int before = viewer.replies(VideoMsg::Frame);
        viewer.thread->RequestFrame();
        EXPECT_TRUE(pumpUntil([&] { return viewer.replies(VideoMsg::Frame) > before; }));
        return viewer.thread->CurrentFrame().record;
    };
    EXPECT_EQ(next().sequence, 0) << "a new viewer starts at the key frame";
    EXPECT_EQ(next().sequence, 1);
    send(3, 10); // key frames at 4 and 8; the viewer asks for none of them meanwhile
    ASSERT_TRUE(pumpUntil([&] { return broadcaster.queue->Count() == 0; }));
    QThread::msleep(200);
    const TVideoFrameRecord resumed = next();
    EXPECT_EQ(resumed.sequence, 8);
    EXPECT_TRUE(resumed.keyFrame);
    EXPECT_EQ(next().sequence, 9);
    viewer.thread->RequestFrame();
    ASSERT_TRUE(pumpUntil([&] { return viewer.window.posted.all().back().wParam == 48; }))
        << "nothing new yet";
}

} // namespace
} // namespace orv
