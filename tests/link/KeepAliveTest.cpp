// The heartbeat: every 30 seconds while the reader runs, at once for a probe, and a report when it cannot
// be queued.
#include "link/KeepAlive.h"
#include "link/Dispatcher.h"
#include "link/LinkMessageIds.h"
#include "link/SessionLink.h"
#include "protocol/PacketHeader.h"
#include "support/FakeSession.h"
#include "support/FakeTimers.h"
#include "support/Loopback.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orv {
namespace {

using test::SentPacket;

class ThrowingSender final : public ISessionSender {
public:
    bool Send(std::uint16_t, const QByteArray&) override { throw std::runtime_error("queue full"); }
};

TEST(KeepAlive, BeatsEveryThirtySecondsWhileTheReaderRunsAndAnswersAProbeAtOnce) {
    test::FakeClock clock;
    test::FakeTimers timers(clock);
    test::FakeSender sender;
    test::RecordingSink sink;
    TKeepAlive keepAlive(sender, sink, timers);
    TPacketDispatcher dispatcher;
    keepAlive.RegisterHandlers(dispatcher);

    test::LoopbackPair pair;
    QObject mainContext;
    TSessionLink link(pair.client, dispatcher, sink, &mainContext);
    link.AttachKeepAlive(&keepAlive);
    timers.advance(60000);
    EXPECT_TRUE(sender.sent.empty()) << "disabled until the reader starts";

    link.StartReader();
    EXPECT_TRUE(keepAlive.Running());
    timers.advance(29999);
    EXPECT_TRUE(sender.sent.empty());
    timers.advance(1);
    EXPECT_EQ(sender.sent, (std::vector<SentPacket>{{cmHeartbeat, {}}}));
    const QByteArray probe = BuildPacket(cmProbe, 0, 0);
    dispatcher.DispatchPacket(TPacketHeader::decode(probe), probe);
    EXPECT_EQ(sender.sent.size(), 2u) << "a probe is answered at once";
    timers.advance(60000);
    EXPECT_EQ(sender.sent.size(), 4u);

    sender.connected = false;
    timers.advance(30000);
    EXPECT_EQ(sender.sent.size(), 4u) << "nothing queued while the connection is down";
    EXPECT_TRUE(sink.all().empty()) << "and that is no error";

    link.StopReader();
    EXPECT_FALSE(keepAlive.Running());
    link.AttachKeepAlive(nullptr);

    ThrowingSender broken;
    TKeepAlive failing(broken, sink, timers);
    sink.clear();
    failing.Start();
    timers.advance(30000);
    EXPECT_EQ(sink.all(),
              (std::vector<test::PostedMessage>{{MainMsg::LinkState, LinkStateValue::HeartbeatFailed, 0}}));
}

} // namespace
} // namespace orv
