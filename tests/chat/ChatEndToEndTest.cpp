// Three clients in one room of our session server, each with its real sign-in chain, session link, roster
// and chat: they talk in public and in private, and the moderator changes who may chat.
#include "chat/ChatModule.h"
#include "roster/RosterModule.h"
#include "support/LiveClient.h"
#include "support/QtPrinters.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

server::ServerConfig classroom() {
    return test::ClassroomConfig(
        {{"teacher", 1, 1000, "Tess"}, {"alice", 2, 0, "Alice"}, {"bob", 3, 0, "Bob"}});
}

struct ChatClient : test::LiveClient {
    explicit ChatClient(const QString& folder) : LiveClient(folder) {
        add(roster);
        add(chat);
    }
    QString log(std::uint16_t partner) {
        const QTextDocument* doc = chat.Conversations().FindConversation(partner);
        return doc ? doc->toPlainText() : QString();
    }
    bool shows(std::uint16_t partner, const QString& text) { return log(partner).contains(text); }

    TRosterModule roster{context};
    TChatModule chat{context, roster.Directory(), nullptr};
};

TEST(ChatEndToEnd, ParticipantsTalkInPublicAndInPrivateAndTheModeratorDecidesWhoMay) {
    test::ServerThread server(classroom());
    QTemporaryDir homes[3];
    ChatClient teacher(homes[0].path()), alice(homes[1].path()), bob(homes[2].path());
    teacher.enter(server.port(), "teacher", "teacherpw", 100);
    alice.enter(server.port(), "alice", "alicepw", 100);
    bob.enter(server.port(), "bob", "bobpw", 100);
    ASSERT_TRUE(pumpUntil([&] {
        return teacher.roster.Participants().Count() == 3 && alice.roster.Participants().Count() == 3;
    }));
    ASSERT_TRUE(pumpUntil([&] { return alice.chat.State().CheckedPermission() == cpAllowAll; }))
        << "the level asked for at entry";

    ASSERT_TRUE(alice.chat.Handlers().SendTyped("Hello everyone :-)"));
    for (ChatClient* c : {&teacher, &alice, &bob})
        ASSERT_TRUE(pumpUntil([&] { return c->shows(0, "Alice\nHello everyone "); }));
    EXPECT_TRUE(teacher.log(0).contains("» Alice Tester joined the session"))
        << "the roster's line is in the chat";
    EXPECT_TRUE(alice.log(0).contains("» Bob Tester joined the session"));

    // Alice writes to Bob alone: Bob's conversation with Alice, Alice's own with Bob, nobody else.
    alice.chat.State().SelectConversation(ckPrivate, 3);
    ASSERT_TRUE(alice.chat.Handlers().SendTyped("psst, Bob"));
    ASSERT_TRUE(pumpUntil([&] { return bob.shows(2, "Alice\npsst, Bob"); }));
    ASSERT_TRUE(pumpUntil([&] { return alice.shows(3, "Alice\npsst, Bob"); }));
    ASSERT_TRUE(pumpUntil([&] { return bob.chat.State().Shown() == 2; }));
    ASSERT_TRUE(bob.chat.Handlers().SendTyped("hi Alice"))
        << "the reply goes to the partner of the last message";
    ASSERT_TRUE(pumpUntil([&] { return alice.shows(3, "Bob\nhi Alice"); }));
    EXPECT_EQ(teacher.chat.Conversations().Partners(), std::vector<std::uint16_t>{0});

    // The moderator allows public messages only.
    ASSERT_TRUE(teacher.chat.Commands().ChoosePermission(cpPublicOnly));
    for (ChatClient* c : {&teacher, &alice, &bob})
        ASSERT_TRUE(pumpUntil([&] { return c->chat.State().CheckedPermission() == cpPublicOnly; }));
    EXPECT_FALSE(alice.chat.State().RecipientMenuEnabled());
    alice.chat.State().SelectConversation(ckPrivate, 3); // as if her menu still offered it
    ASSERT_TRUE(alice.chat.Handlers().SendTyped("a private word"));
    alice.chat.State().SelectConversation(ckPublic, 0);
    ASSERT_TRUE(alice.chat.Handlers().SendTyped("a public word"));
    ASSERT_TRUE(pumpUntil([&] { return bob.shows(0, "a public word"); }));
    EXPECT_FALSE(bob.shows(2, "a private word")) << "the server kept it back";

    // Then no chat for participants: the entry goes, and the server keeps their messages back.
    ASSERT_TRUE(teacher.chat.Commands().ChoosePermission(cpDenyAll));
    ASSERT_TRUE(pumpUntil([&] { return !alice.chat.State().EntryVisible(); }));
    EXPECT_TRUE(teacher.chat.State().EntryVisible()) << "moderators still chat";
    // Each participant hears of the change in its own time.
    EXPECT_TRUE(
        pumpUntil([&] { return bob.chat.State().Caption() == "Public Messages - Disabled for users"; }));
    ASSERT_TRUE(alice.chat.Handlers().SendTyped("may I?"));
    ASSERT_TRUE(teacher.chat.Handlers().SendTyped("Quiet please"));
    ASSERT_TRUE(pumpUntil([&] { return alice.shows(0, "Tess (Moderator)\nQuiet please"); }));
    ASSERT_TRUE(pumpUntil([&] { return bob.shows(0, "Quiet please"); }));
    EXPECT_FALSE(teacher.shows(0, "may I?"));
    EXPECT_FALSE(alice.shows(0, "may I?")) << "not even echoed";
}

} // namespace
} // namespace orv
