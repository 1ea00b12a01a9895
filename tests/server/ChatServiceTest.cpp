// The chat's side of the server, driven by simulated clients: who receives a public, private or refused
// message, and the rooms' permission levels.
#include "protocol/ChatMessages.h"
#include "protocol/ResultCodes.h"
#include "protocol/SessionMessages.h"
#include "support/QtPrinters.h"
#include "support/ServerThread.h"
#include "support/SimulatedRoom.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::ReceivedPacket;
using test::Seen;

server::ServerConfig chatClassConfig() {
    return test::ClassroomConfig({{"mod", 1, 1000}, {"ann", 2}, {"ben", 3}, {"cy", 4}}, {100, 200});
}

QByteArray Message(std::uint16_t from, std::uint16_t to, TChatKind kind, const QString& text) {
    TChatMessage m;
    m.record.SetFrom(from);
    m.record.SetTo(to);
    m.record.SetRoom(999);
    m.record.SetKind(kind);
    m.text = text;
    return m.encode();
}

struct ChatRoom : test::SimulatedRoom {
    using SimulatedRoom::SimulatedRoom;
    void say(const std::string& name, std::uint16_t command, std::uint16_t to, TChatKind kind,
             const QString& text) {
        (*this)[name].sendPacket(command, Message(99, to, kind, text)); // a forged sender id
    }
    // The chat packets that reached the user: command, sender in the header, and what the record says.
    QStringList chat(const std::string& name) {
        QStringList out;
        for (const ReceivedPacket& p : received(name)) {
            if (p.header.Command != cmChat && p.header.Command != cmPrivateChat)
                continue;
            PayloadReader reader(p.payload);
            const TChatMessage m = TChatMessage::decode(reader, TChatTextForm::Wide);
            out << QString("%1 from %2/%3 to %4 in %5: %6")
                       .arg(p.header.Command)
                       .arg(p.header.UserId)
                       .arg(m.record.From())
                       .arg(m.record.To())
                       .arg(m.record.Room())
                       .arg(m.text.trimmed());
        }
        return out;
    }
    std::int32_t level(const ReceivedPacket& p) {
        PayloadReader reader(p.payload);
        return TChatPermissionMessage::decode(reader).level;
    }
};

TEST(ChatService, PublicGoesToTheWholeRoomAndPrivateToTheAddresseeAndBack) {
    test::ServerThread server(chatClassConfig());
    ChatRoom room(server.port());
    for (const char* name : {"mod", "ann", "ben", "cy"})
        room.signIn(name);
    room.enter("mod", 100);
    room.enter("ann", 100);
    room.enter("ben", 100);
    room.enter("cy", 200);
    for (const char* name : {"mod", "ann", "ben", "cy"})
        room.received(name); // what entering brought

    room.say("ann", cmChat, 7, ckPublic, "hello all");
    room.say("ann", cmPrivateChat, 3, ckPrivate, "hi ben");
    room.say("ann", cmPrivateChat, 4, ckPrivate, "cy is elsewhere");
    room.say("ann", cmPrivateChat, 3, ckPublic, "a public kind sent privately");
    room.say("ann", cmChat, 0, ckNote, "a question for all");
    room.say("ann", cmChat, 1, ckNote, "a question for the moderator");
    const QString pub = "130 from 2/2 to 7 in 100: hello all";
    const QString toBen = "131 from 2/2 to 3 in 100: hi ben";
    EXPECT_EQ(room.chat("ann"), (QStringList{pub, toBen})) << "the sender sees its own lines come back";
    EXPECT_EQ(room.chat("ben"), (QStringList{pub, toBen, "130 from 2/2 to 0 in 100: a question for all"}));
    EXPECT_EQ(room.chat("mod"), (QStringList{pub, "130 from 2/2 to 0 in 100: a question for all",
                                             "130 from 2/2 to 1 in 100: a question for the moderator"}));
    EXPECT_TRUE(room.chat("cy").isEmpty()) << "another room hears nothing";
}

TEST(ChatService, TheLevelIsAnsweredChangedByModeratorsAloneAnnouncedAndEnforced) {
    test::ServerThread server(chatClassConfig());
    ChatRoom room(server.port());
    for (const char* name : {"mod", "ann", "ben", "cy"})
        room.signIn(name);
    room.enter("mod", 100);
    room.enter("ann", 100);
    room.enter("ben", 100);
    room.enter("cy", 200);
    for (const char* name : {"mod", "ann", "ben", "cy"})
        room.received(name);

    const ReceivedPacket initial = room.ask("ann", cmChatPermissions);
    EXPECT_EQ(initial.header.Command, cmChatPermissions);
    EXPECT_EQ(room.level(initial), cpAllowAll);

    room["ann"].sendPacket(cmSetChatPermissions, TChatPermissionMessage{cpDenyAll}.encode());
    const ReceivedPacket refused = room["ann"].readPacket();
    EXPECT_EQ(refused.header.ResultCode, ResultCode::NoPermission);
    EXPECT_EQ(room.level(room.ask("ann", cmChatPermissions)), cpAllowAll);
    room["mod"].sendPacket(cmSetChatPermissions, TChatPermissionMessage{9}.encode());
    EXPECT_EQ(room["mod"].readPacket().header.ResultCode, ResultCode::InvalidParameter);

    const struct Case {
        std::int32_t level;
        bool participantPublic, participantPrivate;
    } cases[] = {{cpPublicOnly, true, false},
                 {cpDenyAll, false, false},
                 {cpAllowAllToo, true, true},
                 {cpAllowAll, true, true}};
    for (const Case& c : cases) {
        room["mod"].sendPacket(cmSetChatPermissions, TChatPermissionMessage{c.level}.encode());
        for (const char* name : {"mod", "ann", "ben"}) {
            const std::vector<ReceivedPacket> told = room.received(name);
            ASSERT_EQ(told.size(), 1u) << name;
            EXPECT_EQ(told[0].header.Command, cmSetChatPermissions);
            EXPECT_EQ(told[0].header.UserId, 1);
            EXPECT_EQ(room.level(told[0]), c.level);
        }
        EXPECT_TRUE(room.received("cy").empty()) << "another room keeps its level";
        EXPECT_EQ(room.level(room.ask("ben", cmChatPermissions)), c.level);
        EXPECT_EQ(room.level(room.ask("cy", cmChatPermissions)), cpAllowAll);

        room.say("ann", cmChat, 0, ckPublic, "public");
        room.say("ann", cmPrivateChat, 3, ckPrivate, "private");
        room.say("mod", cmPrivateChat, 2, ckPrivate, "from the moderator");
        QStringList allowed;
        if (c.participantPublic)
            allowed << "130 from 2/2 to 0 in 100: public";
        if (c.participantPrivate)
            allowed << "131 from 2/2 to 3 in 100: private";
        EXPECT_EQ(room.chat("ben"), allowed) << "level " << c.level;
        // Two senders' packets may reach the server in either order.
        QStringList atAnn = room.chat("ann");
        QStringList expected = allowed + QStringList{"131 from 1/1 to 2 in 100: from the moderator"};
        atAnn.sort();
        expected.sort();
        EXPECT_EQ(atAnn, expected) << "moderators always may; level " << c.level;
        room.received("mod");
    }
}

TEST(ChatService, AModeratorClearsEverybodysNotesInTheRoomAndAParticipantIsRefused) {
    test::ServerThread server(chatClassConfig());
    ChatRoom room(server.port());
    for (const char* name : {"mod", "ann", "cy"})
        room.signIn(name);
    room.enter("mod", 100);
    room.enter("ann", 100);
    room.enter("cy", 200);
    for (const char* name : {"mod", "ann", "cy"})
        room.received(name);
    room["ann"].sendPacket(cmClearNotes);
    EXPECT_EQ(room["ann"].readPacket().header.ResultCode, ResultCode::NoPermission);
    EXPECT_TRUE(room.received("mod").empty());
    room["mod"].sendPacket(cmClearNotes);
    for (const char* name : {"mod", "ann"}) {
        const std::vector<ReceivedPacket> told = room.received(name);
        ASSERT_EQ(told.size(), 1u) << name;
        EXPECT_EQ(told[0].header.Command, cmClearNotes);
        EXPECT_EQ(told[0].header.UserId, 1);
    }
    EXPECT_TRUE(room.received("cy").empty());
}

TEST(SignInService, AnEditedProfileAppliesAtTheNextSignInButNeverItsIdentityOrRights) {
    test::ServerThread server(chatClassConfig());
    test::SimulatedClient ann;
    TAccountRecord edited = ann.connectAndSignIn(server.port(), "ann", "annpw");
    edited.SetFullName("Ann Newname");
    edited.SetCity("Porto");
    edited.SetUserId(1);         // somebody else
    edited.SetAccountType(1000); // a moderator
    edited.SetPassword("changed");
    ann.sendPacket(cmUpdateProfile, TProfileUpdate{edited}.encode());
    ann.sendPacket(cmRoomList);
    EXPECT_EQ(ann.readPacket().header.Command, cmRoomList);
    test::SimulatedClient again;
    const TAccountRecord next = again.connectAndSignIn(server.port(), "ann", "annpw");
    EXPECT_EQ(next.FullName(), "Ann Newname");
    EXPECT_EQ(next.City(), "Porto");
    EXPECT_EQ(next.UserId(), 2);
    EXPECT_EQ(next.AccountType(), 0);
    test::SimulatedClient mod;
    EXPECT_NE(mod.connectAndSignIn(server.port(), "mod", "modpw").FullName(), "Ann Newname");
}

} // namespace
} // namespace orv
