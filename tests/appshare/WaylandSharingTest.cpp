// Application sharing on a headless Wayland desktop of the test's own (sway, PipeWire): this program runs on
// it as a native Wayland client, and the screen comes through the desktop portal's screen cast and its
// PipeWire stream. The portal is the test's own (the wlroots one casts only from a compositor with a GPU),
// casting known pictures with the pointer as metadata, so what arrives can be compared exactly; the
// program's portal and PipeWire code is the one it runs everywhere. It has its own main: its windows are
// Wayland clients of that desktop.
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
#include "support/TestPortal.h"
#include "support/portal/CastPicture.h"

#include "ServerConfig.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::CastPicture;
using test::pumpUntil;

test::HeadlessWayland* g_wayland = nullptr;

// Scene 0's quadrants, painted by a window of this program.
class Quadrants final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(rect(), CastPicture(size(), 0));
    }
};

bool ShowsScene(const QImage& picture, QSize size, int scene) {
    const auto centres = test::CastQuadrantCentres(size);
    const auto colours = test::CastColours(scene);
    for (int i = 0; i < 4; ++i)
        if (!picture.rect().contains(centres[i]) || picture.pixelColor(centres[i]) != colours[i])
            return false;
    return true;
}

#define ORV_REQUIRE_WAYLAND()                                                                                \
    do {                                                                                                     \
        ASSERT_NE(g_wayland, nullptr);                                                                       \
        if (g_wayland->toolMissing())                                                                        \
            ORV_PREREQUISITE_MISSING(g_wayland->failure().toStdString());                                    \
        ASSERT_TRUE(g_wayland->ready()) << g_wayland->failure().toStdString();                               \
    } while (false)

TEST(WaylandDesktop, ThisProgramIsANativeClientOfTheDesktop) {
    ORV_REQUIRE_WAYLAND();
    EXPECT_EQ(QGuiApplication::platformName(), "wayland");
    Quadrants window;
    window.setWindowTitle("Shared quadrants");
    window.show();
    ASSERT_TRUE(pumpUntil([&] { return ShowsScene(g_wayland->screenshot(), g_wayland->output(), 0); }))
        << "the compositor shows this program's window over the whole output";
}

TEST(WaylandDesktop, WithoutAPortalTheScreenIsUnavailableAndSaysWhy) {
    ORV_REQUIRE_WAYLAND();
    WaylandDesktop desktop;
    EXPECT_FALSE(desktop.Available());
    EXPECT_TRUE(desktop.WhyUnavailable().contains("screen cast portal"))
        << desktop.WhyUnavailable().toStdString();
}

TEST(WaylandDesktop, ReadsTheCastPictureAndPointerThroughThePortal) {
    ORV_REQUIRE_WAYLAND();
    const QSize output = g_wayland->output();
    test::TestPortal portal(g_wayland->environment(), output);
    ASSERT_TRUE(portal.failure().isEmpty()) << portal.failure().toStdString();
    WaylandDesktop desktop;
    EXPECT_TRUE(desktop.Available());
    EXPECT_TRUE(desktop.WhyUnavailable().isEmpty());
    EXPECT_FALSE(desktop.InputAvailable()) << "the portal offers no remote desktop";
    EXPECT_TRUE(desktop.Windows().empty()) << "Wayland lists no other program's windows";
    EXPECT_EQ(desktop.ScreenSize(), output);
    QImage picture(output, QImage::Format_RGB32);
    picture.fill(Qt::black);
    EXPECT_FALSE(desktop.CaptureArea(picture.rect(), picture)) << "nothing is read before sharing begins";

    QString lost;
    desktop.BeginCapture([&](const QString& why) { lost = why; });
    const auto reads = [&](int scene) {
        return pumpUntil([&] {
            return !lost.isEmpty() ||
                   (desktop.CaptureArea(picture.rect(), picture) && picture == CastPicture(output, scene));
        });
    };
    ASSERT_TRUE(reads(0)) << "frames: " << desktop.FramesReceived();
    ASSERT_TRUE(lost.isEmpty()) << lost.toStdString();
    EXPECT_TRUE(portal.reported("sources cursor_mode=4")) << "the pointer is asked for as metadata";
    const QImage pointerImage =
        test::CastPointerOf(0).image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto pointerAt = [&](QPoint position) {
        return pumpUntil([&] {
            const auto pointer = desktop.Pointer();
            return pointer && pointer->position == position && pointer->image == pointerImage;
        });
    };
    EXPECT_TRUE(pointerAt(test::CastPointerOf(0).position));
    EXPECT_EQ(desktop.Pointer()->hotSpot, test::CastPointerOf(0).hotSpot);

    // The picture changes and the pointer moves; its picture came once and is kept.
    portal.showScene(1);
    ASSERT_TRUE(reads(1)) << "the change arrives";
    EXPECT_TRUE(pointerAt(test::CastPointerOf(1).position));

    // Clipped to the screen and to the target; nothing to read outside.
    QImage corner(40, 40, QImage::Format_RGB32);
    corner.fill(Qt::black);
    ASSERT_TRUE(desktop.CaptureArea(QRect(-20, -20, 100, 100), corner));
    EXPECT_EQ(corner.pixelColor(0, 0), test::CastColours(1)[0]);
    EXPECT_FALSE(desktop.CaptureArea(QRect(output.width() + 5, 0, 10, 10), picture));

    desktop.EndCapture();
    EXPECT_TRUE(pumpUntil([&] { return portal.reported("closed"); })) << "the portal's session is closed";
    EXPECT_FALSE(desktop.CaptureArea(picture.rect(), picture)) << "nothing is read once sharing ended";
    EXPECT_TRUE(lost.isEmpty());
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

// A classroom with sharing on, its teacher and a pupil in the room.
struct Classroom {
    Classroom() {
        teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
        alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    }
    static server::ServerConfig Config() {
        auto config = test::ClassroomConfig(
            {{"teacher", 1, 1000, "Tess", "Marlowe"}, {"alice", 2, 0, "Alice", "Byrne"}});
        config.rooms[100].sharing = true;
        return config;
    }
    test::ServerThread server{Config()};
    QTemporaryDir teacherDir, aliceDir;
    Client teacher{teacherDir.path()};
    Client alice{aliceDir.path()};
};

// The viewer's picture is the host's and shows `scene`, unless the host was told of a failure first.
bool ViewerShows(Classroom& room, int scene) {
    return pumpUntil([&] {
        const TAppShareObject* host = room.teacher.module.Object();
        const TAppShareObject* viewer = room.alice.module.Object();
        return !room.teacher.dialogs.shown.isEmpty() ||
               (host && viewer && viewer->Snapshot() == host->Snapshot() &&
                ShowsScene(viewer->Snapshot(), g_wayland->output(), scene));
    });
}

TEST(WaylandSharingEndToEnd, AViewerSeesTheCastAndItsChangeAndControlIsRefused) {
    ORV_REQUIRE_WAYLAND();
    const QSize output = g_wayland->output();
    test::TestPortal portal(g_wayland->environment(), output);
    ASSERT_TRUE(portal.failure().isEmpty()) << portal.failure().toStdString();
    Classroom room;
    ASSERT_TRUE(room.teacher.module.OwnShareAllowed());

    room.teacher.module.StartSharing(std::nullopt);
    ASSERT_TRUE(pumpUntil([&] { return room.teacher.module.Hosting() && room.alice.module.Object(); }));
    EXPECT_EQ(room.alice.module.Record().Width(), output.width());
    EXPECT_EQ(room.alice.module.Record().Height(), output.height());
    ASSERT_TRUE(ViewerShows(room, 0)) << "the viewer's picture is the cast's";
    ASSERT_TRUE(room.teacher.dialogs.shown.isEmpty()) << room.teacher.dialogs.shown.front().toStdString();
    EXPECT_EQ(room.alice.module.Object()->Snapshot().convertToFormat(QImage::Format_RGB32),
              CastPicture(output, 0));
    portal.showScene(1);
    ASSERT_TRUE(ViewerShows(room, 1)) << "the change reaches the viewer";
    ASSERT_TRUE(room.teacher.dialogs.shown.isEmpty()) << room.teacher.dialogs.shown.front().toStdString();

    room.teacher.selection.selected = 2;
    room.teacher.module.GiveControl();
    EXPECT_EQ(room.teacher.dialogs.shown,
              QStringList{"error: Remote control is not available on this desktop."});
    EXPECT_EQ(room.teacher.module.Controller(), 0);

    room.teacher.module.StopSharing();
    ASSERT_TRUE(pumpUntil([&] { return !room.alice.module.Object() && !room.teacher.module.Object(); }));
    EXPECT_TRUE(pumpUntil([&] { return portal.reported("closed"); }))
        << "the portal's session ends with the sharing";
}

TEST(WaylandSharingEndToEnd, AScreenNotGrantedIsToldToTheHostAndEndsTheSharing) {
    ORV_REQUIRE_WAYLAND();
    const struct {
        uint answer;
        const char* told;
    } cases[] = {
        {1, "error: The screen cannot be shared: The screen was not chosen."},
        {2, "error: The screen cannot be shared: The desktop refused to share the screen."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        test::TestPortal portal(g_wayland->environment(), g_wayland->output(), c.answer);
        ASSERT_TRUE(portal.failure().isEmpty()) << portal.failure().toStdString();
        Classroom room;
        room.teacher.module.StartSharing(std::nullopt);
        ASSERT_TRUE(pumpUntil([&] { return !room.teacher.dialogs.shown.isEmpty(); }));
        EXPECT_EQ(room.teacher.dialogs.shown, QStringList{c.told});
        EXPECT_TRUE(pumpUntil([&] { return !room.teacher.module.Object() && !room.alice.module.Object(); }))
            << "the sharing ends for everybody";
        EXPECT_FALSE(room.teacher.module.Hosting());
    }
}

TEST(WaylandSharingEndToEnd, WithoutAPortalTheHostIsToldWhyAndSharesOnceOneComes) {
    ORV_REQUIRE_WAYLAND();
    Classroom room;
    room.teacher.module.OpenHostTools();
    ASSERT_EQ(room.teacher.dialogs.shown.size(), 1);
    EXPECT_TRUE(
        room.teacher.dialogs.shown.front().startsWith("error: Application sharing is not available on this "
                                                      "desktop: this Wayland desktop offers no screen cast "
                                                      "portal"))
        << room.teacher.dialogs.shown.front().toStdString();
    EXPECT_EQ(room.alice.module.Object(), nullptr);

    // The session goes on, and a portal that comes later is used.
    test::TestPortal portal(g_wayland->environment(), g_wayland->output());
    ASSERT_TRUE(portal.failure().isEmpty()) << portal.failure().toStdString();
    room.teacher.dialogs.shown.clear();
    room.teacher.module.StartSharing(std::nullopt);
    ASSERT_TRUE(ViewerShows(room, 0));
    EXPECT_TRUE(room.teacher.dialogs.shown.isEmpty()) << room.teacher.dialogs.shown.front().toStdString();
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
