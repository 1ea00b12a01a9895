// The push-to-talk key through the desktop portal's global shortcuts, against the tests' own portal on a
// private bus: bound with the key proposed, its presses and releases reported like the X11 key hook's, and
// a portal without global shortcuts recognised as such.
#include "platform/AppMessage.h"
#include "platform/KeyboardHook.h"
#include "platform/PortalGlobalShortcuts.h"
#include "support/EventPump.h"
#include "support/SessionBus.h"
#include "support/TestPortal.h"
#include "voice/VoiceMessageIds.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace orv {
namespace {

struct Reports final : IMessageSink {
    void post(int n, std::intptr_t key, std::intptr_t flags) override { got.emplace_back(n, key, flags); }
    std::vector<std::tuple<int, std::intptr_t, std::intptr_t>> got;
};

QProcessEnvironment BusEnvironment(const test::PrivateSessionBus& bus) {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
    return e;
}

TEST(PortalGlobalShortcuts, TheKeyBoundThroughThePortalTalksAnywhere) {
    test::PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon must be installed";
    test::TestPortal portal(BusEnvironment(bus), {64, 64}, 0, {"--global-shortcuts"});
    ASSERT_TRUE(portal.failure().isEmpty()) << portal.failure().toStdString();
    Reports reports;
    std::int32_t key = 17;
    {
        PortalGlobalShortcuts keys(bus.connect("client"));
        QString failed;
        ASSERT_TRUE(keys.Start(
            reports, MainMsg::PushToTalkKey, PortalGlobalShortcuts::TriggerOf(key), [&] { return key; },
            [&](const QString& why) { failed = why; }));
        ASSERT_TRUE(test::pumpUntil([&] { return keys.Bound() || !failed.isEmpty(); }));
        ASSERT_TRUE(failed.isEmpty()) << failed.toStdString();
        EXPECT_TRUE(portal.reported("bound push-to-talk Control_L (Push to talk)"))
            << portal.reported().join('\n').toStdString();

        const auto expect = [&](bool pressed, std::intptr_t flags) {
            portal.pressShortcut("push-to-talk", pressed);
            ASSERT_TRUE(test::pumpUntil([&] { return !reports.got.empty(); }));
            EXPECT_EQ(reports.got.front(),
                      std::make_tuple(MainMsg::PushToTalkKey, std::intptr_t(key), flags));
            reports.got.clear();
        };
        expect(true, 0);
        expect(false, std::intptr_t(KeyFlagRelease));
        key = 16; // the key chosen since is the one reported
        expect(true, 0);

        // No key chosen: nothing is reported; another shortcut's presses are not ours.
        key = 0;
        portal.pressShortcut("push-to-talk", false);
        portal.pressShortcut("another", true);
        ASSERT_TRUE(test::pumpUntil([&] { return portal.reported("pressed another"); }));
        test::pumpUntil([] { return false; }, 200); // a report that should not come has had its chance
        EXPECT_TRUE(reports.got.empty());
    }
    EXPECT_TRUE(test::pumpUntil([&] { return portal.reported("closed"); }))
        << "the portal's session is closed";
}

TEST(PortalGlobalShortcuts, APortalWithoutThemIsNotUsed) {
    test::PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon must be installed";
    test::TestPortal portal(BusEnvironment(bus), {64, 64});
    ASSERT_TRUE(portal.failure().isEmpty()) << portal.failure().toStdString();
    Reports reports;
    PortalGlobalShortcuts keys(bus.connect("client"));
    EXPECT_FALSE(PortalGlobalShortcuts::Offered(bus.connect("asker")));
    EXPECT_FALSE(keys.Start(reports, MainMsg::PushToTalkKey, "Control_L", [] { return 17; }));
    EXPECT_FALSE(keys.Bound());
    EXPECT_FALSE(portal.reported("session"));
}

} // namespace
} // namespace orv
