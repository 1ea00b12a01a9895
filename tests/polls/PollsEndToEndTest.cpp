// A moderator and two participants in one room of our session server, each with its real session link,
// roster and polls: a connectivity check marks who answered, and a poll is answered by both participants.
#include "platform/Timer.h"
#include "polls/PollsModule.h"
#include "roster/RosterModule.h"
#include "support/LiveClient.h"
#include "support/QtPrinters.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

server::ServerConfig classroom() {
    server::ServerConfig c = test::ClassroomConfig({{"teacher", 1, 1000}, {"alice", 2}, {"bob", 3}});
    c.rooms[100].name = "Physics 101";
    return c;
}

struct PollClient : test::LiveClient {
    explicit PollClient(const QString& folder) : LiveClient(folder) {
        add(roster);
        add(polls);
    }
    std::vector<TPollAnswering*> open() { return polls.Polls().OpenAnswers(); }
    bool marked(std::uint16_t user) {
        const TUserNode* entry = roster.Participants().FindEntry(user);
        return entry && entry->ActivityImageIndex() == MotionPicture::LoadMark;
    }

    TRosterModule roster{context};
    TPollsModule polls{context, roster.Directory(), roster.Marks(), nullptr, QtTimerFactory::instance()};
};

TEST(PollsEndToEnd, AModeratorChecksTheRoomAndTwoParticipantsAnswerAPoll) {
    test::ServerThread server(classroom());
    QTemporaryDir homes[3];
    PollClient teacher(homes[0].path()), alice(homes[1].path()), bob(homes[2].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    bob.enter(server.port(), "bob", test::PasswordOf("bob"), 100);
    ASSERT_TRUE(pumpUntil([&] {
        return teacher.roster.Participants().Count() == 3 && bob.roster.Participants().Count() == 3;
    }));
    EXPECT_TRUE(teacher.polls.Actions().front()->isEnabled());
    EXPECT_FALSE(alice.polls.Actions().front()->isEnabled()) << "participants do not poll";

    // A participant's poll goes nowhere, whatever its client does.
    ASSERT_TRUE(alice.polls.Polls().SendPoll(0, ptPoll, false, false, 1, "from Alice"));

    ASSERT_TRUE(teacher.polls.Polls().CheckConnectivity());
    ASSERT_TRUE(pumpUntil([&] { return teacher.marked(2) && teacher.marked(3); }));
    EXPECT_FALSE(bob.marked(1)) << "only the checker sees who answered";

    ASSERT_TRUE(teacher.polls.Polls().SendNewPoll({"Ready?", 50331648, false}));
    for (PollClient* c : {&alice, &bob})
        ASSERT_TRUE(pumpUntil([&] { return c->open().size() == 1; }));
    ASSERT_EQ(alice.open()[0]->Record().Question(), "Ready?") << "Alice's own poll never arrived";
    EXPECT_EQ(bob.open()[0]->Record().FromId(), 1);
    EXPECT_TRUE(teacher.open().empty());

    alice.open()[0]->Choose(1);
    ASSERT_TRUE(alice.open()[0]->Send());
    bob.open()[0]->Choose(2);
    ASSERT_TRUE(bob.open()[0]->Send());
    const TPollResults& results = teacher.polls.Polls().Results();
    ASSERT_TRUE(pumpUntil([&] { return results.AnswerCount() == 2; }));
    EXPECT_EQ(results.ParticipantCount(), 2);
    const std::vector<TPollTally> tallies = results.Tallies();
    ASSERT_EQ(tallies.size(), 2u);
    EXPECT_EQ(TPollResults::TallyText(tallies[0]), "Yes (50.00% or 1 users)");
    EXPECT_EQ(TPollResults::TallyText(tallies[1]), "No (50.00% or 1 users)");
    EXPECT_EQ(results.Question(), "Ready?");
}

} // namespace
} // namespace orv
