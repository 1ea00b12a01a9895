// A participant takes a whole class with the keyboard alone, through real X key events: signs in, enters the
// room, writes in the chat, picks a board tool, raises a hand, answers a poll and leaves. The moderator
// played by the test sees each step arrive; the screen reader script only watches where the focus is.
#include "e2e/AccessibleClassroom.h"

#include "polls/PollResults.h"

#include <QTextDocument>

namespace orv {
namespace {

class KeyboardOnly : public test::AccessibleClassroom {
protected:
    // Activates the window, then types or presses there: `keys` as xdotool's key names, `text` as typed.
    void Press(const QString& window, const QStringList& keys) {
        desktop.run("xdotool",
                    QStringList{"windowactivate", "--sync", window, "key", "--clearmodifiers"} + keys);
    }
    void Type(const QString& window, const QString& text) {
        desktop.run("xdotool", {"windowactivate", "--sync", window, "type", "--delay", "30", text});
    }
    // Waits until the window's focused control is the one named `name`.
    ::testing::AssertionResult FocusReaches(const char* window, const QString& name) {
        QString last;
        if (pumpUntil([&] { return (last = Read({"focus", window}).lines.value(0)) == name; }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the focus stays on " << last.toStdString();
    }
    bool pumpUntil(const std::function<bool()>& condition, int limitMs = test::kHungAfterMs) {
        return test::pumpUntil(condition, limitMs);
    }
};

TEST_F(KeyboardOnly, AParticipantTakesTheWholeClassWithTheKeyboard) {
    if (const QString missing = Missing(); !missing.isEmpty())
        ORV_PREREQUISITE_MISSING(missing.toStdString());
    if (desktop.run("xdotool", {"version"}).isEmpty())
        ORV_PREREQUISITE_MISSING("xdotool is missing (scripts/install-deps.sh installs it)");
    StartAccessibility();
    ASSERT_FALSE(accessibility->address().isEmpty()) << accessibility->failure().toStdString();
    EnterAsModerator();
    StartClient({}, false);

    // Sign in: the user name has the focus, Tab leads to the password, Enter signs in.
    const auto signIn = desktop.waitForWindow(kSignIn);
    ASSERT_TRUE(signIn) << client.log();
    ASSERT_TRUE(FocusReaches(kSignIn, "User Name"));
    Type(*signIn, "alice");
    Press(*signIn, {"Tab"});
    Type(*signIn, test::PasswordOf("alice"));
    Press(*signIn, {"Return"});
    // The first room has the focus in the room list.
    const auto rooms = desktop.waitForWindow(kRoomList);
    ASSERT_TRUE(rooms) << client.log();
    ASSERT_TRUE(FocusReaches(kRoomList, "Room 100, Physics 101, Public"));
    Press(*rooms, {"Return"});
    const auto main = desktop.waitForWindow(kMainWindow);
    ASSERT_TRUE(main) << client.log();
    ASSERT_TRUE(pumpUntil([&] { return teacher.roster.Participants().FindEntry(2) != nullptr; }));

    // Ctrl+2 goes to the chat's input line, once the room's chat rights have come.
    ASSERT_EQ(Read({"state", kMainWindow, "Message", "enabled"}).exitCode, 0);
    Press(*main, {"ctrl+2"});
    ASSERT_TRUE(FocusReaches(kMainWindow, "Message"));
    Type(*main, "Good morning");
    Press(*main, {"Return"});
    EXPECT_TRUE(pumpUntil([&] {
        const QTextDocument* conversation = teacher.chat.Conversations().FindConversation(0);
        return conversation && conversation->toPlainText().contains("Good morning");
    })) << "the chat line did not reach the moderator";

    // Ctrl+3 goes to the board's first control, Ctrl+Shift+P (shown in its menu) to the own board, where the
    // tools are; Tab walks on to them and Space picks one.
    Press(*main, {"ctrl+3"});
    ASSERT_TRUE(FocusReaches(kMainWindow, "Board"));
    Press(*main, {"ctrl+shift+p"});
    QString focus = "Board";
    for (int step = 0; step < 30 && focus != "Draw a Straight Line"; ++step) {
        Press(*main, {"Tab"});
        focus = Read({"focus", kMainWindow, focus}).lines.value(0);
    }
    ASSERT_EQ(focus, "Draw a Straight Line") << "Tab does not reach the board's tools";
    Press(*main, {"space"});
    EXPECT_EQ(Read({"state", kMainWindow, "Draw a Straight Line", "checked"}).exitCode, 0)
        << "the tool was not picked";

    // The hand goes up with the key the Actions menu shows for it.
    Press(*main, {"ctrl+shift+h"});
    EXPECT_TRUE(pumpUntil([&] {
        const TUserNode* alice = teacher.roster.Participants().FindEntry(2);
        return alice && alice->Hand();
    })) << "the raised hand did not reach the moderator";

    // A poll opens with the focus on its first answer: Space marks it, Alt+S sends it.
    ASSERT_TRUE(teacher.polls.Polls().SendNewPoll({"Are you ready?", 50331648, false}));
    const auto poll = desktop.waitForWindow("^Reply to the following$");
    ASSERT_TRUE(poll) << client.log();
    ASSERT_TRUE(FocusReaches("^Reply to the following$", "Yes"));
    Press(*poll, {"space", "alt+s"});
    EXPECT_TRUE(pumpUntil([&] {
        const std::vector<TPollTally> tallies = teacher.polls.Polls().Results().Tallies();
        return std::any_of(tallies.begin(), tallies.end(),
                           [](const TPollTally& t) { return t.answer == "Yes" && t.count == 1; });
    })) << "the answer did not reach the moderator";

    // Ctrl+Q leaves; Enter confirms.
    Press(*main, {"ctrl+q"});
    const auto question = desktop.waitForWindow("^Orvane Live Browser$");
    ASSERT_TRUE(question);
    EXPECT_TRUE(desktop.pressUntilGone(*question, "Return"));
    EXPECT_TRUE(client.waitForExit(test::kHungAfterMs)) << "the program did not end";
}

} // namespace
} // namespace orv
