// Application sharing on a real X display (Xvfb with openbox): the X11 layer's capture of a window partly
// off the screen, the pointer image, input injected with XTest and seen by a window, and a whole session
// through our server: a host shares the display, a viewer's picture equals the host's screen, and control
// given to the viewer moves the host's pointer. The program runs on the virtual display, so its own main.
#include "app/LinkUplinkQueue.h"
#include "appshare/AppShareModule.h"
#include "appshare/RemoteInput.h"
#include "platform/X11Desktop.h"
#include "support/DesktopTestMain.h"
#include "support/EventPump.h"
#include "support/FakeDirectory.h"
#include "support/LiveClient.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <X11/keysym.h>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

test::VirtualDesktop* g_desktop = nullptr;
const QColor kFill(30, 160, 90);

class Target final : public QWidget {
public:
    std::vector<QPoint> presses;
    std::vector<int> keys;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), kFill);
        p.fillRect(10, 10, 20, 20, Qt::yellow);
    }
    void mousePressEvent(QMouseEvent* e) override { presses.push_back(e->globalPosition().toPoint()); }
    void keyPressEvent(QKeyEvent* e) override { keys.push_back(e->key()); }
};

std::unique_ptr<Target> ShowTarget(const QString& title, const QRect& geometry) {
    auto target = std::make_unique<Target>();
    target->setWindowTitle(title);
    target->setGeometry(geometry);
    target->show();
    return target;
}

TEST(X11Desktop, CapturesAWindowPartlyOffTheScreen) {
    ASSERT_NE(g_desktop, nullptr);
    X11Desktop desktop;
    ASSERT_TRUE(desktop.Available());
    EXPECT_EQ(desktop.ScreenSize(), g_desktop->screen());
    auto target = ShowTarget("Share target", QRect(100, 100, 300, 200));
    const auto id = g_desktop->waitForWindow("^Share target$");
    ASSERT_TRUE(id);
    g_desktop->run("xdotool", {"windowmove", "--sync", *id, "650", "480"});
    std::optional<TDesktopWindow> listed;
    ASSERT_TRUE(pumpUntil([&] {
        for (const TDesktopWindow& w : desktop.Windows())
            if (w.title == "Share target" && w.rect.topLeft() != QPoint(100, 100) && !w.rect.isEmpty())
                listed = w;
        return listed.has_value();
    })) << "the window list names it";
    const QRect rect = listed->rect;
    ASSERT_GT(rect.right(), 799) << "it reaches past the screen's right edge";

    TAppShareObject object(800, 600, 3, 20, 7);
    ASSERT_TRUE(pumpUntil([&] {
        object.CaptureWindow(desktop, desktop.WindowRect(listed->handle));
        return object.Snapshot().pixelColor(rect.x() + 5, rect.y() + 50) == kFill;
    })) << "painted and captured";
    const QImage& s = object.Snapshot();
    EXPECT_EQ(s.pixelColor(799, std::min(599, rect.y() + 50)), kFill) << "up to the screen's edge";
    EXPECT_EQ(s.pixelColor(rect.x() + 15, rect.y() + 15), QColor(Qt::yellow));
    EXPECT_EQ(s.pixelColor(rect.x() - 30, rect.y() + 50), QColor(128, 128, 128)) << "outside: grey";
    EXPECT_EQ(s.pixelColor(5, 5), QColor(128, 128, 128));

    // The plain read gives the same pixels as shared memory.
    QImage shared(800, 600, QImage::Format_RGB32), plain(800, 600, QImage::Format_RGB32);
    shared.fill(Qt::black);
    plain.fill(Qt::black);
    ASSERT_TRUE(desktop.CaptureArea(QRect(-50, -50, 2000, 2000), shared));
    X11Desktop second;
    ASSERT_TRUE(second.CaptureArea(QRect(0, 0, 800, 600), plain));
    EXPECT_EQ(shared.pixelColor(rect.x() + 5, rect.y() + 50), kFill);
    EXPECT_FALSE(desktop.WindowRect(0x7FFFFF0));
    EXPECT_FALSE(desktop.CaptureArea(QRect(900, 900, 10, 10), shared)) << "nothing on the screen there";
}

TEST(X11Desktop, PointerImageAndInjectedInputReachAWindow) {
    ASSERT_NE(g_desktop, nullptr);
    X11Desktop desktop;
    auto target = ShowTarget("Input target", QRect(100, 100, 300, 200));
    const auto id = g_desktop->waitForWindow("^Input target$");
    ASSERT_TRUE(id);
    g_desktop->run("xdotool", {"windowactivate", "--sync", *id});
    ASSERT_TRUE(pumpUntil([&] { return target->isActiveWindow(); }));
    const QPoint centre = target->mapToGlobal(target->rect().center());

    ASSERT_TRUE(desktop.InjectPointerMove(centre));
    ASSERT_TRUE(pumpUntil([&] {
        const auto p = desktop.Pointer();
        return p && p->position == centre;
    }));
    const auto pointer = desktop.Pointer();
    ASSERT_TRUE(pointer);
    EXPECT_FALSE(pointer->image.isNull()) << "XFixes gives the pointer's picture";

    ASSERT_TRUE(desktop.InjectButton(TMouseButton::Left, true));
    ASSERT_TRUE(desktop.InjectButton(TMouseButton::Left, false));
    ASSERT_TRUE(pumpUntil([&] { return !target->presses.empty(); }));
    EXPECT_EQ(target->presses.front(), centre);

    ASSERT_TRUE(desktop.InjectKey(XK_q, true));
    ASSERT_TRUE(desktop.InjectKey(XK_q, false));
    ASSERT_TRUE(pumpUntil([&] { return !target->keys.empty(); }));
    EXPECT_EQ(target->keys.front(), Qt::Key_Q);
}

struct Client : test::LiveClient {
    explicit Client(const QString& folder) : LiveClient(folder) {
        settings.AppShareRefreshRate = 200;
        settings.AppShareCursorRefreshRate = 100;
        settings.AppSharePixelFormat = 7;
        settings.AppShareOverflowSize = 131072;
        add(module);
    }
    test::FakeDirectory selection;
    std::shared_ptr<X11Desktop> screen = std::make_shared<X11Desktop>();
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

TEST(DesktopSharingEndToEnd, AViewerSeesTheHostsScreenAndMovesItsPointer) {
    ASSERT_NE(g_desktop, nullptr);
    auto config = test::ClassroomConfig({{"teacher", 1, 1000, "Tess", "Marlowe"},
                                         {"alice", 2, 0, "Alice", "Byrne"},
                                         {"bob", 3, 1000, "Bob", "Quist"}});
    config.rooms[100].sharing = true;
    test::ServerThread server(config);
    auto target = ShowTarget("Shared content", QRect(50, 60, 400, 300));
    ASSERT_TRUE(g_desktop->waitForWindow("^Shared content$"));

    QTemporaryDir teacherDir, aliceDir;
    Client teacher(teacherDir.path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    Client alice(aliceDir.path());
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    ASSERT_TRUE(teacher.module.OwnShareAllowed());
    EXPECT_FALSE(alice.module.OwnShareAllowed());

    teacher.module.StartSharing(std::nullopt);
    ASSERT_TRUE(pumpUntil([&] { return teacher.module.Hosting() && alice.module.Object(); }));
    // A second host is refused.
    alice.module.StartSharing(std::nullopt);
    ASSERT_TRUE(pumpUntil([&] { return !alice.dialogs.shown.isEmpty(); }));
    EXPECT_EQ(alice.dialogs.shown.front(), "error: Application sharing is already in progress.");

    ASSERT_TRUE(pumpUntil(
        [&] {
            const TAppShareObject* host = teacher.module.Object();
            const TAppShareObject* viewer = alice.module.Object();
            return host && viewer && host->Panes()[0].version > 0 && viewer->Snapshot() == host->Snapshot() &&
                   viewer->Snapshot().pixelColor(target->geometry().center()) == kFill;
        },
        15000))
        << "the viewer's picture is the host's screen";
    QImage screen(800, 600, QImage::Format_RGB32);
    X11Desktop().CaptureArea(QRect(0, 0, 800, 600), screen);
    EXPECT_EQ(alice.module.Object()->Snapshot().copy(target->geometry()), screen.copy(target->geometry()));

    // A viewer coming later gets the whole picture from the server.
    QTemporaryDir lateDir;
    Client late(lateDir.path());
    late.enter(server.port(), "bob", test::PasswordOf("bob"), 100);
    ASSERT_TRUE(pumpUntil(
        [&] {
            return late.module.Object() &&
                   late.module.Object()->Snapshot() == teacher.module.Object()->Snapshot();
        },
        15000));

    // Control given: the viewer's mouse moves the host's pointer.
    ASSERT_TRUE(pumpUntil([&] { return late.state.inRoom; }));
    late.module.StartSharing(std::nullopt);
    ASSERT_TRUE(pumpUntil([&] { return !late.dialogs.shown.isEmpty(); }));
    EXPECT_EQ(late.dialogs.shown.front(), "error: Application sharing is already in progress.");
    teacher.selection.selected = 3;
    teacher.module.GiveControl();
    ASSERT_TRUE(pumpUntil([&] { return late.module.InControl(); }));
    // Input from a participant not in control goes nowhere.
    TRemoteInputRecord stray;
    stray.SetKind(ikMouse);
    stray.SetFlags(InputFlag::Absolute | InputFlag::Move);
    stray.SetX(AbsoluteFromPixel(10, 800));
    stray.SetY(AbsoluteFromPixel(10, 600));
    alice.sender.Send(cmRemoteInput, stray.toByteArray());
    EXPECT_FALSE(pumpUntil(
        [&] {
            const auto p = teacher.screen->Pointer();
            return p && p->position == QPoint(10, 10);
        },
        500));
    late.module.MouseInput(IAppShareViewInput::TMouseAction::Move, TMouseButton::Left, {300, 200},
                           {800, 600});
    ASSERT_TRUE(pumpUntil([&] {
        const auto p = teacher.screen->Pointer();
        return p && p->position == QPoint(300, 200);
    })) << "the host's pointer moved";
    ASSERT_TRUE(pumpUntil([&] {
        return (late.module.PointerTopLeft() - QPoint(300, 200)).manhattanLength() < 64;
    })) << "and its picture comes back to the viewers";

    teacher.module.StopSharing();
    ASSERT_TRUE(pumpUntil([&] { return !late.module.Object() && !teacher.module.Object(); }));

    // A host whose connection goes ends the session for everybody.
    teacher.module.StartSharing(std::nullopt);
    ASSERT_TRUE(pumpUntil([&] { return teacher.module.Hosting() && late.module.Object(); }));
    teacher.link.StopReader();
    ASSERT_TRUE(pumpUntil([&] { return !late.module.Object() && !alice.module.Object(); }));
}

} // namespace
} // namespace orv

int main(int argc, char** argv) {
    return orv::test::RunOnOwnDesktop(argc, argv, orv::g_desktop);
}
