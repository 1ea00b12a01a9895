// A moderator and a participant in one room of our session server, each with the real sign-in chain, link,
// dispatcher, roster and moderation: hands, requests, grants, refusals, promotion and removal.
#include "moderation/ModerationModule.h"
#include "roster/Roster.h"
#include "roster/RosterHandlers.h"
#include "support/LiveClient.h"
#include "support/QtPrinters.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QAction>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

struct Client : test::LiveClient {
    explicit Client(const QString& folder) : LiveClient(folder) {
        rosterHandlers.RegisterHandlers(dispatcher);
        rosterHandlers.RegisterMessages(mainWindow.router);
        rosterHandlers.RegisterRoomEntry(steps);
        add(module);
        module.Moderation().SetCloseMainWindow([this] { closed = true; });
    }
    void enter(std::uint16_t port, const QString& user) {
        LiveClient::enter(port, user, test::PasswordOf(user), 100);
    }
    TUserNode* entry(std::uint16_t id) const { return roster.FindEntry(id); }

    Roster roster{state};
    RosterHandlers rosterHandlers{context, roster};
    TModerationModule module{context, roster, [] { return std::optional<QString>("Too noisy"); }};
    bool closed = false;
};

TEST(ModerationEndToEnd, HandRequestGrantBanRefusalPromotionAndRemoval) {
    test::ServerThread server(
        test::ClassroomConfig({{"teacher", 1, 1000, "Tess", "Marlowe"}, {"alice", 2, 0, "Alice", "Byrne"}}));
    QTemporaryDir teacherDir, aliceDir;
    Client teacher(teacherDir.path());
    teacher.enter(server.port(), "teacher");
    auto alice = std::make_unique<Client>(aliceDir.path());
    alice->enter(server.port(), "alice");
    ASSERT_TRUE(pumpUntil([&] { return teacher.entry(2) && alice->roster.OwnEntry(); }));
    EXPECT_TRUE(teacher.state.OwnMicAllowed);
    EXPECT_FALSE(alice->state.OwnMicAllowed);

    // Alice raises her hand and asks for the microphone.
    alice->module.ActionList().raiseHand->trigger();
    alice->module.ActionList().requestMike->trigger();
    ASSERT_TRUE(pumpUntil([&] { return teacher.entry(2)->MicrophoneStatus() == msRequesting; }));
    EXPECT_EQ(teacher.entry(2)->MotionIndex(), 0) << "a request takes the queue number away";
    EXPECT_EQ(teacher.entry(2)->MotionMask(), Motion::Hand);
    ASSERT_TRUE(pumpUntil([&] { return alice->roster.OwnEntry()->MotionMask() == Motion::Hand; }))
        << "the echo raises her own hand";

    // The teacher gives it: Alice may take the floor.
    teacher.roster.Select(2);
    teacher.module.ActionList().giveVoice->trigger();
    ASSERT_TRUE(pumpUntil([&] { return alice->state.OwnMicAllowed; }));
    ASSERT_TRUE(pumpUntil([&] { return teacher.entry(2)->MicrophoneStatus() == msGranted; }));
    EXPECT_TRUE(teacher.entry(2)->MicAllowed());
    ASSERT_TRUE(pumpUntil([&] { return !alice->module.ActionList().requestMike->isEnabled(); }));
    // The server's status list says the same: asked again (its answer comes before the smile's echo), it
    // takes nothing back.
    alice->rosterHandlers.RequestStatuses();
    alice->module.ActionList().smile->trigger();
    ASSERT_TRUE(pumpUntil([&] { return alice->roster.OwnEntry()->MotionMask() == Motion::Smile; }));
    EXPECT_TRUE(alice->state.OwnMicAllowed);
    EXPECT_EQ(alice->roster.OwnEntry()->MicrophoneStatus(), msGranted);

    // Alice may not give herself anything: the server refuses.
    alice->roster.Select(1);
    ASSERT_TRUE(alice->module.Moderation().SendPermission(TPermission::GiveVoice, 1));
    ASSERT_TRUE(pumpUntil([&] { return !alice->dialogs.shown.isEmpty(); }));
    EXPECT_TRUE(alice->dialogs.shown[0].contains("[with message code: 31]"));
    alice->module.Moderation().ClearMotions(); // not a moderator: nothing sent

    // The teacher takes the microphone away, clears the hands, then promotes and demotes her.
    teacher.module.ActionList().banVoice->trigger();
    ASSERT_TRUE(pumpUntil([&] { return !alice->state.OwnMicAllowed; }));
    teacher.module.ActionList().clearMotions->trigger();
    ASSERT_TRUE(pumpUntil([&] { return alice->roster.OwnEntry()->MotionMask() == Motion::None; }));
    EXPECT_EQ(teacher.entry(2)->MicrophoneStatus(), msForbidden);
    teacher.module.ActionList().toggleModeratorStatus->trigger();
    ASSERT_TRUE(pumpUntil([&] { return alice->state.IsModerator(); }));
    EXPECT_TRUE(alice->module.ActionList().clearMotions->isVisible());
    ASSERT_TRUE(pumpUntil([&] { return teacher.entry(2)->UserType() == utModerator; }));
    EXPECT_EQ(teacher.module.ActionList().toggleModeratorStatus->text(), "Demote to Participant");
    teacher.module.ActionList().toggleModeratorStatus->trigger();
    ASSERT_TRUE(pumpUntil([&] { return !alice->state.IsModerator(); }));

    // Removed with a reason: told, and gone from the room.
    teacher.module.ActionList().kick->trigger();
    ASSERT_TRUE(pumpUntil([&] { return alice->closed; }));
    EXPECT_EQ(alice->dialogs.shown.last(),
              "error: You've just been removed from the session by Tess Marlowe\r\nReason: Too noisy");
    ASSERT_TRUE(pumpUntil([&] { return teacher.roster.Count() == 1; }));
}

} // namespace
} // namespace orv
