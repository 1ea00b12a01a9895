// Remote control's input: the position mapping in both directions, key codes, and replay on the host.
#include "appshare/RemoteInput.h"
#include "platform/X11Desktop.h"
#include "tests/appshare/FakeDesktop.h"

#include <X11/keysym.h>

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(RemoteInput, EveryPixelComesBackWhereItWasForSeveralWidths) {
    for (const int side : {1, 2, 3, 640, 767, 768, 800, 1023, 1024, 1080, 1366, 1920, 2560, 4096, 16384}) {
        for (int p = 0; p < side; ++p) {
            const std::int32_t absolute = AbsoluteFromPixel(p, side);
            ASSERT_GE(absolute, 0);
            ASSERT_LE(absolute, 65535);
            ASSERT_EQ(PixelFromAbsolute(absolute, side), p) << "side " << side << " pixel " << p;
        }
        EXPECT_EQ(PixelFromAbsolute(65535, side), side - 1) << "the far edge stays on the screen";
        EXPECT_EQ(PixelFromAbsolute(-100, side), 0);
        EXPECT_EQ(PixelFromAbsolute(0x7FFFFFFF, side), side - 1);
    }
    EXPECT_EQ(AbsoluteFromPixel(400, 800), 32768) << "a click at the centre of 800 pixels";
}

TEST(RemoteInput, KeyCodes) {
    struct Case {
        int qtKey;
        std::uint8_t vk;
        std::uint32_t keysym;
    } cases[] = {
        {Qt::Key_A, 0x41, XK_a},           {Qt::Key_Z, 0x5A, XK_z},           {Qt::Key_5, 0x35, XK_5},
        {Qt::Key_Return, 0x0D, XK_Return}, {Qt::Key_Escape, 0x1B, XK_Escape}, {Qt::Key_F5, 0x74, XK_F5},
        {Qt::Key_Left, 0x25, XK_Left},     {Qt::Key_Shift, 0x10, XK_Shift_L}, {Qt::Key_Space, 0x20, XK_space},
        {Qt::Key_Comma, 0xBC, XK_comma},   {Qt::Key_Delete, 0x2E, XK_Delete},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VirtualKeyOfQtKey(c.qtKey), c.vk) << c.qtKey;
        EXPECT_EQ(KeysymOfVirtualKey(c.vk), c.keysym) << int(c.vk);
    }
    EXPECT_EQ(VirtualKeyOfQtKey(Qt::Key_unknown), 0);
    EXPECT_EQ(KeysymOfVirtualKey(0xFF), 0u);
}

TEST(RemoteInput, RecordsAreReplayedOnTheDesktop) {
    test::FakeDesktop desktop;
    const QSize screen(1024, 768);
    TRemoteInputRecord press;
    press.SetKind(ikMouse);
    press.SetFlags(InputFlag::Absolute | InputFlag::LeftDown);
    press.SetX(AbsoluteFromPixel(300, 1024));
    press.SetY(AbsoluteFromPixel(200, 768));
    EXPECT_TRUE(ReplayRemoteInput(press, desktop, screen));
    TRemoteInputRecord release = press;
    release.SetFlags(InputFlag::Absolute | InputFlag::RightUp);
    EXPECT_TRUE(ReplayRemoteInput(release, desktop, screen));
    EXPECT_EQ(desktop.moves, (std::vector<QPoint>{{300, 200}, {300, 200}}));
    EXPECT_EQ(desktop.buttons, (std::vector<std::pair<TMouseButton, bool>>{{TMouseButton::Left, true},
                                                                           {TMouseButton::Right, false}}));

    TRemoteInputRecord key;
    key.SetKind(ikKeyboard);
    key.SetVirtualKey('Q');
    EXPECT_TRUE(ReplayRemoteInput(key, desktop, screen));
    key.SetFlags(InputFlag::KeyUp);
    EXPECT_TRUE(ReplayRemoteInput(key, desktop, screen));
    EXPECT_EQ(desktop.keys, (std::vector<std::pair<std::uint32_t, bool>>{{XK_q, true}, {XK_q, false}}));

    TRemoteInputRecord other = key;
    other.SetKind(2);
    EXPECT_FALSE(ReplayRemoteInput(other, desktop, screen)) << "kind 2 does nothing";
    EXPECT_EQ(desktop.keys.size(), 2u);
}

} // namespace
} // namespace orv

namespace orv {
namespace {

TEST(X11DesktopLayer, AWaylandSessionReportsNothingAvailable) {
    const QByteArray saved = qgetenv("XDG_SESSION_TYPE");
    qputenv("XDG_SESSION_TYPE", "wayland");
    X11Desktop desktop;
    EXPECT_FALSE(desktop.Available());
    EXPECT_TRUE(desktop.ScreenSize().isEmpty());
    QImage target(10, 10, QImage::Format_RGB32);
    EXPECT_FALSE(desktop.CaptureArea(QRect(0, 0, 10, 10), target));
    EXPECT_TRUE(desktop.Windows().empty());
    EXPECT_FALSE(desktop.Pointer());
    EXPECT_FALSE(desktop.InjectKey(XK_a, true));
    EXPECT_FALSE(desktop.InjectPointerMove({1, 1}));
    if (saved.isNull())
        qunsetenv("XDG_SESSION_TYPE");
    else
        qputenv("XDG_SESSION_TYPE", saved);
}

} // namespace
} // namespace orv
