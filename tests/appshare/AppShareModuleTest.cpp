// Application sharing on one client, host and viewer, driven through the dispatcher with the packets the
// server sends, on virtual timers.
#include "appshare/AppShareModule.h"
#include "link/Dispatcher.h"
#include "link/SessionState.h"
#include "protocol/PacketHeader.h"
#include "session/Settings.h"
#include "session/UplinkQueue.h"
#include "support/FakeDirectory.h"
#include "support/FakeSession.h"
#include "support/FakeTimers.h"
#include "tests/appshare/FakeDesktop.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr std::uint16_t kOwnId = 5;
constexpr std::uint16_t kViewerId = 7;

class FakeUplink final : public IUplinkQueue {
public:
    std::size_t QueuedSize() const override { return queued; }
    std::int32_t OverflowSize() const override { return overflow; }
    void PurgeCommand(std::uint16_t command) override { purged.push_back(command); }
    bool Up() const override { return true; }
    std::size_t queued = 0;
    std::int32_t overflow = 0;
    std::vector<std::uint16_t> purged;
};

struct AppShareFixture : ::testing::Test {
    AppShareFixture() {
        s.state.account.SetUserId(kOwnId);
        s.state.account.SetFullName("Teacher");
        s.state.account.SetAccountType(1000);
        s.state.room.SetSharingFlag(true);
        s.state.inRoom = true;
        module.RegisterHandlers(dispatcher);
        TSettings settings;
        settings.AppShareRefreshRate = 1750;
        settings.AppShareCursorRefreshRate = 350;
        settings.AppSharePixelFormat = 3;
        settings.AppShareOverflowSize = 131072;
        module.ApplySettings(settings);
        TPointerImage pointer;
        pointer.position = {10, 10};
        desktop->pointer = pointer;
    }
    void receive(std::uint16_t command, std::uint16_t from, const QByteArray& payload = {},
                 std::uint16_t result = 0) {
        QByteArray packet = BuildPacket(command, from, 100, payload);
        packet.replace(18, 2, wire::bytesOf(result));
        dispatcher.DispatchPacket(TPacketHeader::decode(packet), packet);
        QCoreApplication::processEvents();
    }
    TSharingRecord record(std::uint16_t host) const {
        TSharingRecord r;
        r.SetHostId(host);
        r.SetMode(smDesktop);
        r.SetWidth(1024);
        r.SetHeight(768);
        r.SetColumns(3);
        r.SetRows(20);
        r.SetPixelFormat(7);
        return r;
    }
    std::vector<test::SentPacket> sentOf(std::uint16_t command) const {
        std::vector<test::SentPacket> out;
        for (const auto& p : s.sender.sent)
            if (p.command == command)
                out.push_back(p);
        return out;
    }
    void host() {
        module.StartChosen(true, -1);
        receive(cmStartSharing, kOwnId, record(kOwnId).toByteArray());
        ASSERT_TRUE(module.Hosting());
    }
    TRemoteInputRecord click() const {
        TRemoteInputRecord r;
        r.SetKind(ikMouse);
        r.SetFlags(InputFlag::Absolute | InputFlag::LeftDown);
        r.SetX(32768);
        r.SetY(32768);
        return r;
    }

    test::FakeSession s;
    test::FakeTimers timers{s.clock};
    std::shared_ptr<test::FakeDesktop> desktop = std::make_shared<test::FakeDesktop>();
    std::shared_ptr<FakeUplink> uplink = std::make_shared<FakeUplink>();
    test::FakeDirectory selection;
    TAppShareModule module{
        s.context, TAppShareParts{desktop, uplink, selection, timers, {}, {}, {}, {}, {}, {}, nullptr, {}}};
    TPacketDispatcher dispatcher;
};

TEST_F(AppShareFixture, TheHostSendsItsScreenAndPointerOnItsTimersAndStops) {
    module.StartChosen(false, -1);
    EXPECT_EQ(s.dialogs.shown, QStringList{"error: Please select a window to share."});
    EXPECT_TRUE(s.sender.sent.empty());

    module.StartChosen(true, -1);
    const auto start = sentOf(cmStartSharing);
    ASSERT_EQ(start.size(), 1u);
    PayloadReader reader(start[0].payload);
    TSharingRecord sent;
    sent.readFrom(reader);
    EXPECT_EQ(sent.HostId(), kOwnId);
    EXPECT_EQ(sent.HostName(), "Teacher");
    EXPECT_EQ(sent.ItemName(), "Desktop");
    EXPECT_EQ(sent.Mode(), smDesktop);
    EXPECT_EQ(sent.Width(), 1024);
    EXPECT_EQ(sent.Columns(), 3);
    EXPECT_EQ(sent.Rows(), 20);
    EXPECT_EQ(sent.PixelFormat(), 3);
    EXPECT_EQ(sent.RefreshRate(), 1750);

    receive(cmStartSharing, kOwnId, start[0].payload);
    ASSERT_TRUE(module.Hosting());
    timers.advance(1750);
    auto updates = sentOf(cmScreenUpdate);
    ASSERT_EQ(updates.size(), 1u);
    int tiles = 0;
    for (TScreenTileWalker w(updates[0].payload); w.next();)
        ++tiles;
    EXPECT_EQ(tiles, 60) << "the first update holds every tile";
    EXPECT_GE(sentOf(cmCursorPosition).size(), 4u) << "the pointer every 350 ms, moved or not";
    timers.advance(1750);
    EXPECT_EQ(sentOf(cmScreenUpdate).size(), 1u) << "nothing changed, nothing sent";

    // A full uplink holds snapshots back; the pointer goes on.
    uplink->queued = 131073;
    desktop->screen.setPixel(0, 0, qRgb(1, 1, 1));
    const auto pointers = sentOf(cmCursorPosition).size();
    timers.advance(3500);
    EXPECT_EQ(sentOf(cmScreenUpdate).size(), 1u);
    EXPECT_GE(sentOf(cmCursorPosition).size(), pointers + 9);
    uplink->queued = 0;
    timers.advance(1750);
    EXPECT_EQ(sentOf(cmScreenUpdate).size(), 2u);

    module.StopSharing();
    EXPECT_EQ(s.sender.sent.back().command, cmStopSharing);
    EXPECT_EQ(uplink->purged, std::vector<std::uint16_t>{cmScreenUpdate});
    EXPECT_EQ(timers.activeCount(), 0);
    receive(cmStopSharing, kOwnId);
    EXPECT_FALSE(module.Hosting());
    EXPECT_EQ(module.Object(), nullptr);
}

TEST_F(AppShareFixture, WithoutADesktopToShareTheUserIsTold) {
    desktop->available = false;
    module.OpenHostTools();
    EXPECT_EQ(s.dialogs.shown, QStringList{"error: Application sharing is not available on this desktop."});
    EXPECT_TRUE(s.sender.sent.empty());
}

TEST_F(AppShareFixture, ARefusedStartShowsItsTextAndStartsNothing) {
    module.StartChosen(true, -1);
    receive(cmStartSharing, kOwnId, {}, 43);
    EXPECT_EQ(s.dialogs.shown, QStringList{"error: Application sharing is already in progress."});
    EXPECT_EQ(module.Object(), nullptr);
    EXPECT_EQ(timers.activeCount(), 0);
}

TEST_F(AppShareFixture, ClosingTheSharedWindowStopsSharing) {
    desktop->windows.push_back({42, "Editor", QRect(10, 10, 200, 100), {}});
    desktop->windows.push_back({43, "  ", QRect(10, 10, 200, 100), {}});
    desktop->windows.push_back({44, "program manager", QRect(10, 10, 200, 100), {}});
    module.OpenHostTools();
    module.StartChosen(false, 0);
    TSharingRecord r = record(kOwnId);
    r.SetMode(smWindow);
    receive(cmStartSharing, kOwnId, r.toByteArray());
    EXPECT_EQ(desktop->activated, 42u);
    timers.advance(1750);
    EXPECT_EQ(sentOf(cmScreenUpdate).size(), 1u);
    desktop->windows.clear();
    timers.advance(1750);
    EXPECT_EQ(sentOf(cmStopSharing).size(), 1u);
    EXPECT_EQ(sentOf(cmScreenUpdate).size(), 1u);
}

TEST_F(AppShareFixture, RemoteInputDrivesOnlyTheLiveHostAndOnlyFromTheViewerInControl) {
    host();
    receive(cmRemoteInput, kViewerId, click().toByteArray());
    EXPECT_TRUE(desktop->moves.empty()) << "nobody was given control";

    selection.selected = kViewerId;
    module.GiveControl();
    ASSERT_EQ(sentOf(cmGiveControl).size(), 1u);
    EXPECT_EQ(sentOf(cmGiveControl)[0].payload, TGiveControlMessage{kViewerId}.encode());
    receive(cmRemoteInput, 8, click().toByteArray());
    EXPECT_TRUE(desktop->moves.empty()) << "another participant";
    receive(cmRemoteInput, kViewerId, click().toByteArray());
    EXPECT_EQ(desktop->moves, std::vector<QPoint>{QPoint(512, 384)});
    EXPECT_EQ(desktop->buttons.size(), 1u);

    module.TakeControl();
    EXPECT_EQ(sentOf(cmTakeControl).size(), 1u);
    receive(cmRemoteInput, kViewerId, click().toByteArray());
    EXPECT_EQ(desktop->moves.size(), 1u) << "control was taken back";
}

TEST_F(AppShareFixture, AViewerOrAPlaybackNeverReplaysInput) {
    receive(cmStartSharing, 9, record(9).toByteArray());
    ASSERT_NE(module.Object(), nullptr);
    EXPECT_FALSE(module.Hosting());
    receive(cmRemoteInput, 9, click().toByteArray());
    receive(cmRemoteInput, kViewerId, click().toByteArray());
    EXPECT_TRUE(desktop->moves.empty());
    receive(cmStopSharing, 9);

    // A recording of this user's own session plays as a viewer's.
    s.state.launchMode = TLaunchMode::LocalFile;
    receive(cmStartSharing, kOwnId, record(kOwnId).toByteArray());
    EXPECT_FALSE(module.Hosting());
    receive(cmGiveControl, kOwnId, TGiveControlMessage{kViewerId}.encode());
    receive(cmRemoteInput, kViewerId, click().toByteArray());
    EXPECT_TRUE(desktop->moves.empty());
    EXPECT_EQ(timers.activeCount(), 0);
}

TEST_F(AppShareFixture, TheViewerAnswersNoticesAndSendsInputOnlyInControl) {
    receive(cmStartSharing, 9, record(9).toByteArray());
    receive(cmSharingNotice101, 0);
    auto versions = sentOf(cmScreenImage);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].payload, QByteArray(240, '\0'));
    receive(cmSharingNotice102, 0);
    ASSERT_EQ(sentOf(cmRefreshScreen).size(), 1u);
    EXPECT_TRUE(sentOf(cmRefreshScreen)[0].payload.isEmpty());

    module.MouseInput(IAppShareViewInput::TMouseAction::Move, TMouseButton::Left, {400, 300}, {800, 600});
    EXPECT_TRUE(sentOf(cmRemoteInput).empty());
    receive(cmGiveControl, kOwnId, TGiveControlMessage{kOwnId}.encode());
    EXPECT_FALSE(module.InControl()) << "from the own user id";
    receive(cmGiveControl, 9, TGiveControlMessage{kOwnId}.encode());
    ASSERT_TRUE(module.InControl());
    module.MouseInput(IAppShareViewInput::TMouseAction::Press, TMouseButton::Left, {400, 300}, {800, 600});
    module.MouseInput(IAppShareViewInput::TMouseAction::Release, TMouseButton::Left, {400, 300}, {800, 600});
    module.KeyInput(Qt::Key_A, false);
    const auto input = sentOf(cmRemoteInput);
    ASSERT_EQ(input.size(), 3u);
    PayloadReader reader(input[0].payload);
    TRemoteInputRecord press;
    press.readFrom(reader);
    EXPECT_EQ(press.Kind(), ikMouse);
    EXPECT_EQ(press.Flags(), 0x8002u);
    EXPECT_EQ(press.X(), 32768);
    EXPECT_EQ(press.Y(), 32768);
    EXPECT_EQ(input[1].payload.mid(1, 4), wire::bytesOf(std::uint32_t(0x8004)));
    EXPECT_EQ(std::uint8_t(input[2].payload[21]), 0x41);

    receive(cmTakeControl, 9);
    EXPECT_FALSE(module.InControl());
    module.MouseInput(IAppShareViewInput::TMouseAction::Move, TMouseButton::Left, {10, 10}, {800, 600});
    EXPECT_EQ(sentOf(cmRemoteInput).size(), 3u);
}

TEST_F(AppShareFixture, TheViewerPaintsTilesAndSkipsWhatDoesNotFit) {
    receive(cmStartSharing, 9, record(9).toByteArray());
    test::FakeDesktop hostDesktop;
    hostDesktop.screen.fill(Qt::darkBlue);
    TAppShareObject hostObject(1024, 768, 3, 20, 7);
    hostObject.CaptureDesktop(hostDesktop, 1024, 768);
    QByteArray update;
    hostObject.BuildUpdate(update);
    // A hostile record in front: it points past the picture and is skipped, the rest still paints.
    QByteArray hostile;
    TTileRecord bad = hostObject.Panes()[0].record;
    bad.SetX(5000);
    AppendScreenTile(hostile, bad, hostObject.Panes()[0].current);
    receive(cmScreenImage, 9, hostile + update);
    ASSERT_NE(module.Object(), nullptr);
    EXPECT_EQ(module.Object()->Snapshot(), hostObject.Snapshot());
}

} // namespace
} // namespace orv
