// The desktop layers the session uses beyond the connection: beeps and desktop notifications.
#include "platform/DesktopNotifier.h"
#include "platform/TonePlayer.h"
#include "support/EventPump.h"
#include "support/QtPrinters.h"
#include "support/SessionBus.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orv {
namespace {

TEST(Beeps, ATonesSamplesLastItsDurationAtItsFrequencyAndStartAndEndQuietly) {
    const struct Case {
        int hz, ms;
        std::size_t samples;
        int crossings; // sign changes: two per period
    } cases[] = {{400, 10, 441, 8}, {700, 30, 1323, 42}, {10000, 300, 13230, 6000}, {3000, 0, 0, 0}};
    for (const Case& c : cases) {
        const std::vector<std::int16_t> s = ToneSamples(c.hz, c.ms, 44100);
        ASSERT_EQ(s.size(), c.samples) << c.hz;
        int crossings = 0, peak = 0;
        for (std::size_t i = 1; i < c.samples; ++i) {
            crossings += (s[i - 1] < 0) != (s[i] < 0);
            peak = std::max(peak, std::abs(int(s[i])));
        }
        EXPECT_NEAR(crossings, c.crossings, 2) << c.hz;
        if (c.samples == 0)
            continue;
        EXPECT_GT(peak, 8000) << c.hz;
        EXPECT_LT(std::abs(int(s[0])), 200) << "fades in";
        EXPECT_LT(std::abs(int(s[c.samples - 1])), 200) << "fades out";
    }
    EXPECT_EQ(ToneSamples(30000, 10, 44100), std::vector<std::int16_t>(441, 0))
        << "above half the sample rate: silence";
}

TEST(DesktopNotifications, AreShownByTheServiceAndAClickRunsTheirActionOnce) {
    test::PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon must be installed";

    // No service yet: nothing shown, nothing fails, nothing runs.
    int clicks = 0;
    {
        TDBusNotifier notifier(bus.connect("nobody-listens"));
        notifier.Notify("New Chat Message", "hi", [&] { ++clicks; });
        test::pumpUntil([] { return false; }, 300);
    }

    test::FakeNotificationService service;
    ASSERT_TRUE(service.registerOn(bus.connect("service")));
    TDBusNotifier notifier(bus.connect("client"));
    notifier.Notify("Tess (Moderator)", "a <b>bold</b> & plain reply", [&] { ++clicks; });
    notifier.Notify("Alice", "second", [&] { clicks += 10; });
    ASSERT_TRUE(test::pumpUntil([&] { return service.shown.size() == 2; }));
    const test::ShownNotification& first = service.shown[0];
    EXPECT_EQ(first.appName, "Orvane Live Browser");
    EXPECT_EQ(first.summary, "Tess (Moderator)");
    EXPECT_EQ(first.body, "a &lt;b&gt;bold&lt;/b&gt; &amp; plain reply") << "typed text is never markup";
    EXPECT_EQ(first.actions.value(0), "default");
    EXPECT_EQ(first.hints.value("desktop-entry").toString(), "orvane-live");

    test::pumpUntil([] { return false; }, 100); // the service's ids reach the notifier
    service.click(1);
    ASSERT_TRUE(test::pumpUntil([&] { return clicks == 1; }));
    service.click(1);
    service.click(99);
    test::pumpUntil([] { return false; }, 200);
    EXPECT_EQ(clicks, 1) << "one click, one action; unknown ids do nothing";
    service.click(2);
    ASSERT_TRUE(test::pumpUntil([&] { return clicks == 11; }));
}

} // namespace
} // namespace orv
