#include "app/RoomEntrySequence.h"
#include "app/MainWindow.h"
#include "app/MainWindowModule.h"
#include "link/Dispatcher.h"
#include "link/LinkMessageIds.h"
#include "link/SessionLink.h"
#include "link/SessionState.h"
#include "platform/TcpClient.h"
#include "support/FakeDialogs.h"
#include "support/FakeShell.h"
#include "support/QtPrinters.h"
#include "support/RecordingSink.h"
#include "support/RoomEventLog.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orv {
namespace {

struct RecordingShell final : IRoomEntryShell {
    IDialogs& Dialogs() override { return dialogs; }
    IProgress& Progress() override { return progress; }
    void ShowMainWindow() override { calls << "show"; }
    void CloseMainWindow() override { calls << "close"; }
    void StartSessionClock() override { calls << "clock"; }
    void SetRoomPanel(const QString& text) override { calls << "panel" + text; }
    void RequestRoomList() override { calls << "room list"; }

    test::FakeDialogs dialogs;
    test::FakeProgress progress;
    QStringList calls;
};

struct RoomEntryFixture : ::testing::Test {
    RoomEntryFixture() {
        state.room.SetNumber(100);
        state.room.SetName("Physics 101");
    }
    void run(int code, bool joinLink = false) {
        TRoomEntrySequence(state, shell, steps, sink, joinLink).Run(code);
    }
    // Records the step into the shell's calls, among the progress texts, so the order of both shows.
    void record(TRoomEntryStep step, const QString& name) {
        steps.Add(step, [this, name] { shell.progress.shown << name; });
    }

    TSessionState state;
    RecordingShell shell;
    TRoomEntrySteps steps;
    test::RecordingSink sink;
};

TEST_F(RoomEntryFixture, EntryRunsTheModulesStepsInTableOrderAmongTheProgressTexts) {
    // Added out of order on purpose: the table decides.
    record(TRoomEntryStep::BringToFront, "front");
    record(TRoomEntryStep::WelcomePage, "welcome");
    record(TRoomEntryStep::CurrentView, "view");
    record(TRoomEntryStep::Participants, "participants");
    record(TRoomEntryStep::Voice, "voice");
    record(TRoomEntryStep::LastBoard, "board 5");

    run(0);
    EXPECT_TRUE(state.inRoom);
    EXPECT_TRUE(state.sessionStart.isValid());
    EXPECT_EQ(shell.calls, (QStringList{"show", "clock", "panel Room 100: Physics 101"}));
    EXPECT_EQ(
        shell.progress.shown,
        (QStringList{"9 Account validated...", "10 Getting participants...", "participants",
                     "11 Getting Virtual Room Info...", "12 Starting audio services...", "voice",
                     "14 Loading whiteboards... Please wait...", "14 Loading whiteboards... Please wait...",
                     "board 5", "view", "welcome", "front"}));
}

TEST_F(RoomEntryFixture, AFailingLateStepSkipsTheRestButAnEarlyOneReachesTheCaller) {
    record(TRoomEntryStep::CurrentView, "view");
    steps.Add(TRoomEntryStep::WebTourAddress, [] { throw std::runtime_error("no tour"); });
    record(TRoomEntryStep::BringToFront, "front");
    EXPECT_NO_THROW(run(0));
    EXPECT_FALSE(shell.progress.shown.contains("view"));
    EXPECT_FALSE(shell.progress.shown.contains("front"));
    EXPECT_TRUE(state.inRoom);

    steps.Add(TRoomEntryStep::Rights, [] { throw std::runtime_error("no rights"); });
    EXPECT_THROW(run(0), std::runtime_error);
}

TEST_F(RoomEntryFixture, RefusalReturnsToTheRoomListOrEndsAJoinLink) {
    for (bool joinLink : {false, true}) {
        state.inRoom = true;
        shell.calls.clear();
        shell.dialogs.shown.clear();
        sink.clear();
        run(7, joinLink);
        EXPECT_EQ(
            shell.dialogs.shown,
            QStringList{"error: Access Denied ! [with message code: 7]\r\nError description is: \r\nThis "
                        "session is still unavailable."});
        if (joinLink) {
            EXPECT_EQ(shell.calls, (QStringList{"show", "close"}));
            EXPECT_TRUE(sink.all().empty());
        } else {
            EXPECT_FALSE(state.inRoom);
            EXPECT_EQ(shell.calls, (QStringList{"show", "room list"}));
            EXPECT_EQ(sink.all(), (std::vector<test::PostedMessage>{
                                      {MainMsg::LinkState, LinkStateValue::RoomEntryRefused, 0}}));
        }
    }
}

TEST_F(RoomEntryFixture, TheMainWindowAsksForThePublicConversationAndReportsTheLinkAtItsSteps) {
    test::FakeDialogs dialogs;
    TfMain main(dialogs);
    TcpClient connection;
    TPacketDispatcher dispatcher;
    TSessionLink link(connection, dispatcher, sink, &main);
    TRoomEvents events;
    const auto wanted = test::LogRaises(events.conversationWanted);
    TMainWindowModule module(main, link, events);
    std::vector<std::intptr_t> delivered;
    main.Router().Register(MainMsg::LinkState,
                           [&](std::intptr_t value, std::intptr_t) { delivered.push_back(value); });
    module.RegisterRoomEntry(steps);
    run(0);
    test::DeliverRaised(events);
    EXPECT_EQ(*wanted, (std::vector<std::tuple<TChatKind, std::uint16_t>>{{ckPublic, 0}}));
    // Within the sequence, so a loss posted by the reader meanwhile is handled after it.
    EXPECT_EQ(delivered, std::vector<std::intptr_t>{LinkStateValue::Up});
}

} // namespace
} // namespace orv
