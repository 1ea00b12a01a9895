// Application sharing on a headless Wayland desktop of the test's own (sway, PipeWire, the desktop portal):
// the screen granted through the portal and read from its PipeWire stream is the compositor's picture, and
// in a whole session through our server a viewer's picture shows the host's window while control cannot be
// given. The wlroots portal casts only from a compositor that renders on a GPU (it insists on DMA-BUF
// buffers); without a render node it refuses, and a host is then told so and its sharing ends. This
// program's own windows are Wayland clients of that desktop, so it has its own main.
#include "app/LinkUplinkQueue.h"
#include "appshare/AppShareModule.h"
#include "platform/WaylandDesktop.h"
#include "session/ParticipantDirectory.h"
#include "support/EventPump.h"
#include "support/HeadlessWayland.h"
#include "support/LiveClient.h"
#include "support/Prerequisites.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

test::HeadlessWayland* g_wayland = nullptr;

// Four quadrants of distinct colours: a picture turned, mirrored or with its channels swapped is caught.
const QColor kQuadrants[4] = {QColor(200, 40, 40), QColor(40, 160, 60), QColor(30, 60, 200),
                              QColor(230, 200, 40)};

class Quadrants final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int w = width() / 2, h = height() / 2;
        p.fillRect(0, 0, w, h, kQuadrants[0]);
        p.fillRect(w, 0, width() - w, h, kQuadrants[1]);
        p.fillRect(0, h, w, height() - h, kQuadrants[2]);
        p.fillRect(w, h, width() - w, height() - h, kQuadrants[3]);
    }
};

// The centres of the four quadrants of a picture covering the output.
std::array<QPoint, 4> QuadrantCentres(QSize output) {
    const int w = output.width() / 4, h = output.height() / 4;
    return {QPoint(w, h), QPoint(3 * w, h), QPoint(w, 3 * h), QPoint(3 * w, 3 * h)};
}

bool ShowsQuadrants(const QImage& picture, QSize output) {
    const auto centres = QuadrantCentres(output);
    for (int i = 0; i < 4; ++i)
        if (!picture.rect().contains(centres[i]) || picture.pixelColor(centres[i]) != kQuadrants[i])
            return false;
    return true;
}

// The quadrants window, which the tiling compositor gives the whole output.
std::unique_ptr<Quadrants> ShowQuadrants() {
    auto window = std::make_unique<Quadrants>();
    window->setWindowTitle("Shared quadrants");
    window->show();
    return window;
}

// The wlroots portal starts a cast only where the compositor can hand out DMA-BUF buffers.
bool RenderNodePresent() {
    return !QDir("/dev/dri").entryList({"renderD*"}, QDir::System).isEmpty();
}

#define ORV_REQUIRE_WAYLAND()                                                                                \
    do {                                                                                                     \
        ASSERT_NE(g_wayland, nullptr);                                                                       \
        if (g_wayland->toolMissing())                                                                        \
            ORV_PREREQUISITE_MISSING(g_wayland->failure().toStdString());                                    \
        ASSERT_TRUE(g_wayland->ready()) << g_wayland->failure().toStdString();                               \
    } while (false)

TEST(WaylandDesktop, OffersTheScreenButNoInput) {
    ORV_REQUIRE_WAYLAND();
    auto window = ShowQuadrants();
    ASSERT_TRUE(pumpUntil([&] { return ShowsQuadrants(g_wayland->screenshot(), g_wayland->output()); }))
        << "the compositor shows this program's window over the whole output";
    WaylandDesktop desktop;
    EXPECT_TRUE(desktop.Available()) << "the screen cast portal is on the bus";
    EXPECT_FALSE(desktop.InputAvailable()) << "the wlroots portal offers no remote desktop";
    EXPECT_TRUE(desktop.Windows().empty()) << "Wayland lists no other program's windows";
    EXPECT_EQ(desktop.ScreenSize(), g_wayland->output());
    QImage picture(g_wayland->output(), QImage::Format_RGB32);
    EXPECT_FALSE(desktop.CaptureArea(picture.rect(), picture)) << "nothing is read before sharing begins";
}

TEST(WaylandDesktop, ReadsTheOutputThroughTheScreenCastPortal) {
    ORV_REQUIRE_WAYLAND();
    if (!RenderNodePresent())
        GTEST_SKIP() << "the wlroots portal casts only from a compositor with a GPU render node (/dev/dri)";
    const QSize output = g_wayland->output();
    auto window = ShowQuadrants();
    ASSERT_TRUE(pumpUntil([&] { return ShowsQuadrants(g_wayland->screenshot(), output); }));

    WaylandDesktop desktop;
    QString lost;
    desktop.BeginCapture([&](const QString& why) { lost = why; });
    QImage picture(output, QImage::Format_RGB32);
    picture.fill(Qt::black);
    ASSERT_TRUE(pumpUntil([&] {
        return !lost.isEmpty() ||
               (desktop.CaptureArea(QRect(QPoint(0, 0), output), picture) && ShowsQuadrants(picture, output));
    })) << "frames: "
        << desktop.FramesReceived();
    ASSERT_TRUE(lost.isEmpty()) << lost.toStdString();
    EXPECT_EQ(desktop.ScreenSize(), output) << "the stream's size once it runs";
    EXPECT_EQ(picture, g_wayland->screenshot().convertToFormat(QImage::Format_RGB32))
        << "the stream's picture is the compositor's";

    // Clipped to the screen and to the target; nothing to read outside.
    QImage corner(40, 40, QImage::Format_RGB32);
    corner.fill(Qt::black);
    ASSERT_TRUE(desktop.CaptureArea(QRect(-20, -20, 100, 100), corner));
    EXPECT_EQ(corner.pixelColor(0, 0), kQuadrants[0]);
    EXPECT_FALSE(desktop.CaptureArea(QRect(output.width() + 5, 0, 10, 10), picture));

    desktop.EndCapture();
    EXPECT_FALSE(desktop.CaptureArea(QRect(QPoint(0, 0), output), picture)) << "nothing read once ended";
}

class Selection final : public IParticipantDirectory {
public:
    std::optional<TParticipantInfo> Lookup(std::uint16_t) const override { return std::nullopt; }
    std::vector<TParticipantInfo> InDisplayOrder() const override { return {}; }
    std::optional<std::uint16_t> SelectedUser() const override { return selected; }
    std::optional<std::uint16_t> selected;
};

struct Client : test::LiveClient {
    explicit Client(const QString& folder) : LiveClient(folder) {
        settings.AppShareRefreshRate = 200;
        settings.AppShareCursorRefreshRate = 100;
        settings.AppSharePixelFormat = 7;
        settings.AppShareOverflowSize = 131072;
        add(module);
    }
    Selection selection;
    std::shared_ptr<WaylandDesktop> screen = std::make_shared<WaylandDesktop>();
    TAppShareModule module{context, TAppShareParts{screen,
                                                   std::make_shared<TLinkUplinkQueue>(link),
                                                   selection,
                                                   QtTimerFactory::instance(),
                                                   {},
                                                   {},
                                                   {},
                                                   {},
                                                   {},
                                                   {},
                                                   nullptr,
                                                   {}}};
};

TEST(WaylandSharingEndToEnd, AViewerSeesTheHostsOutputAndControlIsRefused) {
    ORV_REQUIRE_WAYLAND();
    if (!RenderNodePresent())
        GTEST_SKIP() << "the wlroots portal casts only from a compositor with a GPU render node (/dev/dri)";
    const QSize output = g_wayland->output();
    auto config =
        test::ClassroomConfig({{"teacher", 1, 1000, "Tess", "Marlowe"}, {"alice", 2, 0, "Alice", "Byrne"}});
    config.rooms[100].sharing = true;
    test::ServerThread server(config);
    auto window = ShowQuadrants();
    ASSERT_TRUE(pumpUntil([&] { return ShowsQuadrants(g_wayland->screenshot(), output); }));

    QTemporaryDir teacherDir, aliceDir;
    Client teacher(teacherDir.path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    Client alice(aliceDir.path());
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    ASSERT_TRUE(teacher.module.OwnShareAllowed());

    teacher.module.StartSharing(std::nullopt);
    ASSERT_TRUE(pumpUntil([&] { return teacher.module.Hosting() && alice.module.Object(); }));
    EXPECT_EQ(alice.module.Record().Width(), output.width());
    EXPECT_EQ(alice.module.Record().Height(), output.height());
    ASSERT_TRUE(pumpUntil([&] {
        const TAppShareObject* host = teacher.module.Object();
        const TAppShareObject* viewer = alice.module.Object();
        return !teacher.dialogs.shown.isEmpty() ||
               (host && viewer && viewer->Snapshot() == host->Snapshot() &&
                ShowsQuadrants(viewer->Snapshot(), output));
    })) << "the viewer's picture is the host's output";
    ASSERT_TRUE(teacher.dialogs.shown.isEmpty()) << teacher.dialogs.shown.front().toStdString();

    teacher.selection.selected = 2;
    teacher.module.GiveControl();
    ASSERT_EQ(teacher.dialogs.shown.size(), 1);
    EXPECT_EQ(teacher.dialogs.shown.front(), "error: Remote control is not available on this desktop.");
    EXPECT_EQ(teacher.module.Controller(), 0);

    teacher.module.StopSharing();
    ASSERT_TRUE(pumpUntil([&] { return !alice.module.Object() && !teacher.module.Object(); }));
    EXPECT_EQ(teacher.screen->FramesReceived(), 0u) << "the stream ended with the sharing";
}

TEST(WaylandSharingEndToEnd, AHostWhoseScreenIsRefusedIsToldAndTheSharingEnds) {
    ORV_REQUIRE_WAYLAND();
    if (RenderNodePresent())
        GTEST_SKIP() << "with a GPU render node the portal grants the screen";
    auto config =
        test::ClassroomConfig({{"teacher", 1, 1000, "Tess", "Marlowe"}, {"alice", 2, 0, "Alice", "Byrne"}});
    config.rooms[100].sharing = true;
    test::ServerThread server(config);
    QTemporaryDir teacherDir, aliceDir;
    Client teacher(teacherDir.path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    Client alice(aliceDir.path());
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);

    teacher.module.StartSharing(std::nullopt);
    ASSERT_TRUE(pumpUntil([&] { return !teacher.dialogs.shown.isEmpty(); }));
    EXPECT_EQ(teacher.dialogs.shown.front(),
              "error: The screen cannot be shared: The desktop refused to share the screen.");
    ASSERT_TRUE(pumpUntil([&] { return !teacher.module.Object() && !alice.module.Object(); }))
        << "the sharing ends for everybody";
    EXPECT_FALSE(teacher.module.Hosting());
}

} // namespace
} // namespace orv

int main(int argc, char** argv) {
    // The desktop comes up before the application, which joins it as a native Wayland client.
    orv::test::HeadlessWayland own;
    if (own.ready())
        own.joinFromThisProcess();
    orv::g_wayland = &own;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    orv::g_wayland = nullptr;
    return result;
}
