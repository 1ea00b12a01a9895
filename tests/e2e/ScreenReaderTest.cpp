// The real client as a screen reader finds it on the desktop's accessibility bus: every control the keyboard
// reaches in its windows has a role and a name, the participant list says who is there and in what state,
// and what arrives while the user works elsewhere (a chat line, a poll) is announced.
#include "e2e/AccessibleClassroom.h"

#include <QElapsedTimer>

namespace orv {
namespace {

class ScreenReader : public test::AccessibleClassroom {};

// The reader's findings, one per line, for a failure message.
std::string Findings(const test::ReaderAnswer& answer) {
    return (answer.lines.join('\n') + '\n' + answer.errors).toStdString();
}

TEST_F(ScreenReader, FindsEveryControlNamedAndHearsMessagesAndPolls) {
    if (const QString missing = Missing(); !missing.isEmpty())
        ORV_PREREQUISITE_MISSING(missing.toStdString());
    StartAccessibility();
    ASSERT_FALSE(accessibility->address().isEmpty()) << accessibility->failure().toStdString();
    EnterAsModerator();
    StartClient();

    for (const char* window : {kSignIn, kRoomList}) {
        const test::ReaderAnswer walk = Read({"unnamed", window});
        ASSERT_EQ(walk.exitCode, 0) << window << ": " << Findings(walk) << client.log();
        EXPECT_TRUE(walk.lines.isEmpty()) << window << " has controls without a role or name:\n"
                                          << Findings(walk);
        const auto id = desktop.waitForWindow(window);
        ASSERT_TRUE(id) << window;
        ASSERT_TRUE(desktop.pressUntilGone(*id, "Return")) << window;
    }
    ASSERT_EQ(Read({"window", kMainWindow}).exitCode, 0) << client.log();

    // The list names both participants, the moderator as such, and says when a hand goes up.
    const auto participants = [&] { return Read({"items", kMainWindow, "Attendees List"}).lines; };
    QStringList entries = participants();
    ASSERT_EQ(entries.size(), 2) << entries.join('\n').toStdString();
    EXPECT_TRUE(entries.filter("Tess Marlowe").filter("Moderator").size() == 1)
        << entries.join('\n').toStdString();
    EXPECT_TRUE(entries.filter("Alice Byrne").filter("hand raised").isEmpty());
    ASSERT_EQ(Read({"press", kMainWindow, "Raise / Lower Hand"}).exitCode, 0);
    QElapsedTimer waited;
    waited.start();
    while (entries.filter("Alice Byrne").filter("hand raised").isEmpty() &&
           waited.elapsed() < test::kHungAfterMs)
        entries = participants();
    EXPECT_EQ(entries.filter("Alice Byrne").filter("hand raised").size(), 1)
        << entries.join('\n').toStdString();

    const test::ReaderAnswer main = Read({"unnamed", kMainWindow});
    ASSERT_EQ(main.exitCode, 0) << Findings(main);
    EXPECT_TRUE(main.lines.isEmpty()) << "the main window has controls without a role or name:\n"
                                      << Findings(main);

    // A notification showing is what Orca speaks without moving the focus.
    const auto listener = StartReader({"listen"});
    ASSERT_FALSE(WaitForLine(*listener, {"ready"}).isEmpty());
    ASSERT_TRUE(teacher.chat.Handlers().SendTyped("Hello class"));
    EXPECT_FALSE(WaitForLine(*listener, {"showing", "notification", "says: Hello class"}).isEmpty())
        << "a chat line is not announced; heard:\n"
        << heard.join('\n').toStdString();
    // The poll window closes by itself after a while: it is walked first, the announcement read after.
    ASSERT_TRUE(teacher.polls.Polls().SendNewPoll({"Are you ready?", 50331648, false}));
    const test::ReaderAnswer poll = Read({"unnamed", "^Reply to the following$"});
    ASSERT_EQ(poll.exitCode, 0) << Findings(poll);
    EXPECT_TRUE(poll.lines.isEmpty()) << "the poll window has controls without a role or name:\n"
                                      << Findings(poll);
    EXPECT_FALSE(WaitForLine(*listener, {"showing", "notification", "New poll: Are you ready?"}).isEmpty())
        << "a poll is not announced; heard:\n"
        << heard.join('\n').toStdString();
    listener->kill();
    listener->waitForFinished();

    // The settings window's modal loop holds the press's answer back: the press runs on by itself.
    const auto press = StartReader({"press", kMainWindow, "Settings"});
    const test::ReaderAnswer settings = Read({"unnamed", "^Settings$"});
    ASSERT_EQ(settings.exitCode, 0) << Findings(settings);
    EXPECT_TRUE(settings.lines.isEmpty()) << "the settings pages have controls without a role or name:\n"
                                          << Findings(settings);
    press->kill();
    press->waitForFinished();
}

} // namespace
} // namespace orv
