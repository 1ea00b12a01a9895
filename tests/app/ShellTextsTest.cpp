#include "app/MainViews.h"
#include "app/ServerText.h"
#include "app/StatusTexts.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ServerText, HostPortAndScheme) {
    struct Case {
        const char* text;
        const char* host;
        int port;
    } cases[] = {
        {"srv.example:8080", "srv.example", 8080},       {"srv.example", "srv.example", 9910},
        {"orv://srv.example:7000", "srv.example", 7000}, {"srv.example:0", "srv.example", 9910},
        {" srv.example : 81 ", "srv.example", 81},       {":9910", "", 9910},
        {"srv.example:abc", "srv.example", 9910},        {"srv.example:70000", "srv.example", 9910},
    };
    for (const auto& c : cases) {
        const TServerAddress a = ParseServerText(c.text);
        EXPECT_EQ(a.host, c.host) << c.text;
        EXPECT_EQ(a.port, c.port) << c.text;
    }
    EXPECT_EQ(ServerTextFor("h", 0), "h:9910");
    EXPECT_EQ(ServerTextFor("h", 81), "h:81");
}

TEST(StatusTexts, MetersAndClock) {
    EXPECT_EQ(UplinkPercent(21845, 21845), 100);
    EXPECT_EQ(UplinkPercent(21846, 21845), 100);
    EXPECT_EQ(UplinkPercent(21845 / 2, 21845), 50);
    EXPECT_EQ(UplinkPercent(0, 21845), 0);
    EXPECT_EQ(UplinkPercent(5, 0), 100);
    EXPECT_EQ(UplinkText(42), "Upld 42%");
    EXPECT_DOUBLE_EQ(InputDelaySeconds({}), 0.5);
    EXPECT_DOUBLE_EQ(InputDelaySeconds({1, 4, 2}), 2.5);
    EXPECT_EQ(InputDelayText(2.5), "2.5 sec.");
    EXPECT_EQ(InputDelayPercent(7.0), 100);
    EXPECT_EQ(InputDelayPercent(3.5), 50);
    EXPECT_EQ(SessionClockText(100, "Physics", 12),
              " Room 100: Physics (You have been in this session for 12 min.)");
}

TEST(StatusTexts, ScreenWarningsAndSpeedItems) {
    const QStringList both = ScreenWarnings(700, 120);
    ASSERT_EQ(both.size(), 2);
    EXPECT_TRUE(both[0].startsWith("Your screen resolution is less than 1024x768."));
    EXPECT_TRUE(both[1].startsWith("Your screen DPI setting is not 96 dots per inch."));
    EXPECT_TRUE(ScreenWarnings(768, 96).isEmpty());
    EXPECT_EQ(ConnectionSpeedItems()[ConnectionSpeedItemFor(100000)].text,
              std::string("CABLE / DSL (512 Kbps)"));
    EXPECT_EQ(ConnectionSpeedItems()[ConnectionSpeedItemFor(3686)].text, std::string("28.8 Kbps Dial Up"));
    EXPECT_EQ(ConnectionSpeedItemFor(65536), ConnectionSpeedItemFor(65535));
}

TEST(MainViews, OnlyLeadersSwitchEverybody) {
    struct Sent {
        std::uint16_t command;
        QByteArray payload;
    };
    for (bool leads : {false, true}) {
        std::vector<Sent> sent;
        std::vector<std::int32_t> shown;
        TMainViews views(
            [&](std::uint16_t c, const QByteArray& p) {
                sent.push_back({c, p});
            },
            [&](std::int32_t v) { shown.push_back(v); }, [&] { return leads; });
        views.SelectView(vwApplicationShare);
        views.SelectView(7);
        EXPECT_EQ(shown, std::vector<std::int32_t>{vwApplicationShare});
        EXPECT_EQ(views.Current(), vwApplicationShare);
        ASSERT_EQ(sent.size(), leads ? 1u : 0u);
        if (leads) {
            EXPECT_EQ(sent[0].command, cmSetView);
            EXPECT_EQ(sent[0].payload, QByteArray("\x02\x00\x00\x00", 4));
        }
    }
}

TEST(MainViews, ViewPacketsSwitchTheViewHere) {
    std::vector<std::int32_t> shown;
    std::vector<std::uint16_t> sent;
    TMainViews views(
        [&](std::uint16_t c, const QByteArray& p) {
            sent.push_back(c);
            EXPECT_EQ(p, QByteArray(4, '\0'));
        },
        [&](std::int32_t v) { shown.push_back(v); }, [] { return true; });
    TPacketDispatcher dispatcher;
    views.RegisterHandlers(dispatcher);
    views.RequestCurrentView();
    EXPECT_EQ(sent, std::vector<std::uint16_t>{cmCurrentView});
    auto deliver = [&](std::uint16_t command, const QByteArray& payload) {
        const QByteArray packet = BuildPacket(command, 3, 1, payload);
        dispatcher.DispatchPacket(
            TPacketHeader::decode(reinterpret_cast<const std::uint8_t*>(packet.constData())), packet);
    };
    deliver(cmSetView, QByteArray("\x01\x00\x00\x00", 4));
    deliver(cmCurrentView, QByteArray("\x02\x00\x00\x00", 4));
    deliver(cmSetView, QByteArray("\x05\x00\x00\x00", 4));
    deliver(cmSetView, QByteArray("\x01", 1)); // too short: dropped
    deliver(cmViewNotice, QByteArray("\x00\x00\x00\x00", 4));
    EXPECT_EQ(shown, (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(sent.size(), 1u) << "receiving a view never sends one";
}

} // namespace
} // namespace orv
