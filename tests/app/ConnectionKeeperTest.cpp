// Loss, report and reconnection on a virtual clock: what the user sees and what the session does, step by
// step.
#include "app/ConnectionKeeper.h"
#include "link/Dispatcher.h"
#include "link/LinkMessageIds.h"
#include "link/SessionState.h"
#include "platform/MessageRouter.h"
#include "protocol/PacketHeader.h"
#include "session/Settings.h"
#include "support/FakeSession.h"
#include "support/FakeTimers.h"
#include "support/QtPrinters.h"
#include "support/RoomEventLog.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::PostedMessage;

class Shell final : public IConnectionShell {
public:
    void ShowReconnectButton(bool shown) override { button = shown; }
    void ShowReconnectCountdown(const QString& text) override { countdown = text; }
    void SetBusyCursor(bool b) override { busy = b; }
    void CloseWithoutQuestion() override { calls << "close"; }
    void StopSession() override { calls << "end session"; }
    TRestart RestartSession() override {
        calls << "restart";
        return restarts.isEmpty() ? TRestart::Started : restarts.takeFirst();
    }
    void EnterRoom(std::int32_t room) override { calls << QString("enter %1").arg(room); }

    bool button = false;
    bool busy = false;
    QString countdown;
    QStringList calls;
    QList<TRestart> restarts; // what the next restarts give; Started when none is left
};

struct KeeperFixture : ::testing::Test {
    KeeperFixture() {
        session.state.inRoom = true;
        session.state.account.SetRoom(100);
        keeper.RegisterMessages(router);
        keeper.RegisterHandlers(dispatcher);
        settings.AutoReconnect = false;
        settings.DesktopNotifications = true;
        keeper.ApplySettings(settings);
        keeper.OnLinkState(LinkStateValue::Up); // the room entry reported the link up
        session.notices.chatLines.clear();
    }
    void automatic(bool on) {
        settings.AutoReconnect = on;
        keeper.ApplySettings(settings);
    }
    QStringList lines() const {
        QStringList out;
        for (const auto& l : session.notices.chatLines)
            out << l.name + ": " + l.text;
        return out;
    }
    std::size_t lossLines() const {
        return std::size_t(lines().filter("Your connection to the server was lost").size());
    }

    test::FakeSession session;
    test::RaisedLog<TChatKind, std::uint16_t> wanted = test::LogRaises(session.events.conversationWanted);
    test::FakeTimers timers{session.clock};
    Shell shell;
    TSettings settings;
    ConnectionKeeper keeper{shell, session.context, timers};
    TMessageRouter router;
    TPacketDispatcher dispatcher;
};

TEST_F(KeeperFixture, TheFirstLossIsReportedOnceAndAgainAfterTheLinkCameBack) {
    session.panes.active = false;
    keeper.OnLinkState(LinkStateValue::ReaderEnded);
    ASSERT_EQ(session.notices.chatLines.size(), 1u);
    const test::RecordedChatLine& line = session.notices.chatLines[0];
    EXPECT_EQ(line.partner, 0);
    EXPECT_EQ(line.name, "System");
    EXPECT_EQ(line.kind, TChatLineKind::System);
    EXPECT_EQ(line.color, kRed);
    EXPECT_EQ(line.text, "Your connection to the server was lost. Please try to reconnect using the \"Reset "
                         "Connection\" button at the bottom of the window. [ErrID:1]");
    test::DeliverRaised(session.events);
    EXPECT_EQ(*wanted, (std::vector<std::tuple<TChatKind, std::uint16_t>>{{ckPublic, 0}}));
    EXPECT_EQ(session.notices.beeps, (std::vector<std::pair<int, int>>{{700, 30}}));
    EXPECT_TRUE(shell.button);
    EXPECT_EQ(timers.activeCount(), 1) << "the kill timer";
    ASSERT_EQ(session.desktop.shown.size(), 1u) << "the window was in the background";
    session.desktop.shown[0].activated();
    EXPECT_EQ(session.panes.raised, 1);

    // Further reports while lost only replace the value.
    keeper.OnLinkState(LinkStateValue::WriteFailed);
    keeper.OnLinkState(LinkStateValue::WriteFailed);
    EXPECT_EQ(keeper.LinkState(), LinkStateValue::WriteFailed);
    EXPECT_EQ(session.notices.chatLines.size(), 1u);
    EXPECT_EQ(session.notices.beeps.size(), 1u);

    keeper.OnLinkState(LinkStateValue::Up);
    EXPECT_TRUE(shell.button) << "the lost session's up state is stale";
    keeper.ResetConnection();
    timers.advance(2000 + 2000); // the pause, the sign-in, the pause, the entry
    keeper.OnLinkState(LinkStateValue::Up);
    EXPECT_FALSE(shell.button);
    EXPECT_EQ(timers.activeCount(), 0);
    EXPECT_EQ(lines().last(), "System: You are connected to the session again.");
    keeper.OnLinkState(LinkStateValue::HeartbeatFailed);
    EXPECT_EQ(lossLines(), 2u) << "a loss after the link came back is reported again";
    EXPECT_TRUE(lines().last().endsWith("[ErrID:2]"));
}

TEST_F(KeeperFixture, NothingIsReportedInPlaybackOrBeforeTheRoomWasEntered) {
    session.state.launchMode = TLaunchMode::LocalFile;
    keeper.OnLinkState(LinkStateValue::ReaderEnded);
    EXPECT_FALSE(shell.button);
    EXPECT_TRUE(session.notices.chatLines.empty());

    test::FakeSession fresh;
    Shell otherShell;
    ConnectionKeeper before(otherShell, fresh.context, timers);
    fresh.state.inRoom = false;
    before.OnLinkState(LinkStateValue::RoomEntryRefused);
    before.OnLinkState(LinkStateValue::ReaderEnded);
    EXPECT_FALSE(otherShell.button) << "the sign-in deals with a loss before the room";
    EXPECT_TRUE(fresh.notices.chatLines.empty());
}

// The room entry's steps let events in: the reader's end can be handled before the entry reports the link up.
TEST_F(KeeperFixture, ALossWhileTheFirstRoomIsEnteredIsALossAndTheEntrysLateUpStateIsStale) {
    test::FakeSession fresh;
    fresh.state.inRoom = true;
    fresh.state.account.SetRoom(100);
    Shell entering;
    ConnectionKeeper keeperOfEntry(entering, fresh.context, timers);
    TSettings automaticSettings = settings;
    automaticSettings.AutoReconnect = true;
    keeperOfEntry.ApplySettings(automaticSettings);

    keeperOfEntry.OnLinkState(LinkStateValue::ReaderEnded);
    EXPECT_TRUE(entering.button);
    EXPECT_EQ(entering.countdown, "Reconnecting in 1 s");
    keeperOfEntry.OnLinkState(LinkStateValue::Up); // the rest of the entry's steps
    EXPECT_TRUE(entering.button);
    timers.advance(1000 + 2000 + 2000);
    EXPECT_EQ(entering.calls, (QStringList{"end session", "restart", "enter 100"}));
    keeperOfEntry.OnLinkState(LinkStateValue::Up);
    EXPECT_FALSE(entering.button);
}

TEST_F(KeeperFixture, TenMinutesAfterAnUnansweredLossTheProgramEndsWithoutTheQuestion) {
    keeper.OnLinkState(LinkStateValue::ReaderEnded);
    timers.advance(599999);
    EXPECT_TRUE(shell.calls.isEmpty());
    timers.advance(1);
    EXPECT_EQ(shell.calls, QStringList{"close"});
    EXPECT_TRUE(session.dialogs.shown.isEmpty());
}

TEST_F(KeeperFixture, AResetEndsTheSessionPausesSignsInAgainAndEntersTheSameRoom) {
    keeper.OnLinkState(LinkStateValue::ReaderEnded);
    timers.advance(300000);
    keeper.AskToReconnect();
    EXPECT_EQ(session.dialogs.shown, QStringList{"question: Do you want to reconnect to the session?"});
    EXPECT_EQ(shell.calls, QStringList{"end session"});
    EXPECT_EQ(timers.activeCount(), 1) << "the kill timer stopped; the pause runs";
    EXPECT_FALSE(shell.busy) << "no hourglass left behind";
    keeper.OnLinkState(LinkStateValue::ReaderEnded); // the old reader's end
    keeper.AskToReconnect();
    EXPECT_EQ(session.dialogs.shown.size(), 1u) << "one reset at a time";
    timers.advance(1999);
    EXPECT_EQ(shell.calls.size(), 1);
    timers.advance(1);
    EXPECT_EQ(shell.calls.last(), "restart");
    timers.advance(2000);
    EXPECT_EQ(shell.calls.last(), "enter 100");
    keeper.OnLinkState(LinkStateValue::Up);
    EXPECT_FALSE(shell.button);
    EXPECT_EQ(lossLines(), 1u);
    timers.advance(700000);
    EXPECT_FALSE(shell.calls.contains("close")) << "the kill timer stayed off";

    // "No" changes nothing.
    keeper.OnLinkState(LinkStateValue::ReaderEnded);
    session.dialogs.answer = false;
    shell.calls.clear();
    keeper.AskToReconnect();
    EXPECT_TRUE(shell.calls.isEmpty());
    EXPECT_TRUE(shell.button);
}

TEST_F(KeeperFixture, AResetWhileTheLinkIsUpIsNoLossUnlessItFails) {
    keeper.AskToReconnect();
    keeper.OnLinkState(LinkStateValue::ReaderEnded); // caused by the reset itself
    timers.advance(4000);
    EXPECT_EQ(shell.calls, (QStringList{"end session", "restart", "enter 100"}));
    EXPECT_TRUE(session.notices.chatLines.empty());
    EXPECT_TRUE(session.notices.beeps.empty());
    EXPECT_FALSE(shell.button);
    EXPECT_EQ(timers.activeCount(), 0) << "no kill timer";
    keeper.OnLinkState(LinkStateValue::Up);
    EXPECT_TRUE(session.notices.chatLines.empty());

    // The server cannot be reached: now it is a loss, reported as such.
    shell.restarts = {TRestart::Unreachable};
    keeper.AskToReconnect();
    timers.advance(2000);
    EXPECT_EQ(lossLines(), 1u);
    EXPECT_TRUE(shell.button);
    EXPECT_EQ(timers.activeCount(), 1);

    // Back in; then signed in again, but the room refuses the entry: a loss of the link that was up, and no
    // automatic attempts while the room list or the end of a join link follows.
    keeper.AskToReconnect();
    timers.advance(4000);
    keeper.OnLinkState(LinkStateValue::Up);
    EXPECT_FALSE(shell.button);
    automatic(true);
    keeper.AskToReconnect();
    timers.advance(4000);
    keeper.OnLinkState(LinkStateValue::RoomEntryRefused);
    EXPECT_EQ(lossLines(), 2u);
    EXPECT_TRUE(lines().last().endsWith("[ErrID:4]"));
    EXPECT_TRUE(shell.countdown.isEmpty());
    automatic(false);

    // The new session breaks off before the room is entered: the loss stays, the reset ends.
    keeper.AskToReconnect();
    timers.advance(2000);
    keeper.OnLinkState(LinkStateValue::WriteFailed);
    EXPECT_FALSE(keeper.Resetting());
    EXPECT_EQ(keeper.LinkState(), LinkStateValue::WriteFailed);
    timers.advance(2000);
    EXPECT_NE(shell.calls.last(), "enter 100");
}

TEST_F(KeeperFixture, AutomaticReconnectionWaitsLongerEachTimeAndShowsItsCountdown) {
    EXPECT_EQ(ConnectionKeeper::PauseBeforeAttempt(0), 1);
    const int pauses[] = {1, 2, 4, 8, 16, 30, 30};
    automatic(true);
    shell.restarts = QList<TRestart>(7, TRestart::Unreachable);
    keeper.OnLinkState(LinkStateValue::ReaderEnded);
    for (const int pause : pauses) {
        EXPECT_EQ(shell.countdown, QString("Reconnecting in %1 s").arg(pause));
        shell.calls.clear();
        timers.advance(std::uint32_t(pause) * 1000 - 1);
        EXPECT_TRUE(shell.calls.isEmpty()) << pause;
        if (pause > 1)
            EXPECT_EQ(shell.countdown, "Reconnecting in 1 s");
        timers.advance(1);
        EXPECT_EQ(shell.calls, QStringList{"end session"}) << pause;
        EXPECT_EQ(shell.countdown, "Reconnecting...");
        timers.advance(2000);
        EXPECT_EQ(shell.calls.last(), "restart");
    }
    EXPECT_EQ(lossLines(), 1u) << "failed attempts add nothing";
    EXPECT_TRUE(shell.button) << "the manual button stays";

    // The next one works: into the same room, and the countdown goes.
    timers.advance(30000 + 2000 + 2000);
    EXPECT_EQ(shell.calls.last(), "enter 100");
    keeper.OnLinkState(LinkStateValue::Up);
    EXPECT_TRUE(shell.countdown.isEmpty());
    EXPECT_FALSE(shell.button);
}

TEST_F(KeeperFixture, AutomaticReconnectionStopsForADuplicateSignInARemovalARefusalOrTheUser) {
    automatic(true);
    // Back in the room through the user's own reconnection, then lost again.
    const auto lose = [&] {
        session.dialogs.answer = true;
        keeper.AskToReconnect();
        timers.advance(2000 + 2000);
        keeper.OnLinkState(LinkStateValue::Up);
        keeper.OnLinkState(LinkStateValue::ReaderEnded);
    };
    const auto attemptsWithin = [&](std::uint32_t ms) {
        shell.calls.clear();
        timers.advance(ms);
        return shell.calls.count("end session");
    };

    const QByteArray duplicate = BuildPacket(cmDuplicateSignIn, 0, 0);
    dispatcher.DispatchPacket(TPacketHeader::decode(duplicate), duplicate);
    EXPECT_EQ(session.dialogs.shown.last(), "info: You were disconnected from the server because \r\nanother "
                                            "user with your ID has just logged in");
    keeper.OnLinkState(LinkStateValue::ReaderEnded);
    EXPECT_TRUE(shell.countdown.isEmpty());
    EXPECT_EQ(attemptsWithin(120000), 0) << "after a duplicate sign-in";
    EXPECT_EQ(lossLines(), 1u) << "the loss itself is reported";

    lose();
    session.events.removed.Raise(1);
    test::DeliverRaised(session.events);
    EXPECT_EQ(attemptsWithin(120000), 0) << "after a removal";

    lose();
    shell.restarts = {TRestart::Ended};
    EXPECT_EQ(attemptsWithin(1000), 1);
    EXPECT_EQ(attemptsWithin(120000), 0) << "after a refused sign-in";

    lose();
    keeper.StopAutomaticReconnection();
    EXPECT_TRUE(shell.countdown.isEmpty());
    EXPECT_EQ(attemptsWithin(120000), 0) << "after the user's Stop";

    // The user's own press during the countdown asks first; "No" lets the countdown go on.
    lose();
    session.dialogs.answer = false;
    keeper.AskToReconnect();
    EXPECT_EQ(shell.countdown, "Reconnecting in 1 s");
    EXPECT_EQ(attemptsWithin(1000), 1);

    automatic(false);
    lose();
    EXPECT_EQ(attemptsWithin(120000), 0) << "with the setting off";
}

} // namespace
} // namespace orv
