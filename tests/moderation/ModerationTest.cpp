// Moderation on one client, driven through the dispatcher with the byte images the server sends.
#include "moderation/Moderation.h"
#include "link/Dispatcher.h"
#include "moderation/ModerationModule.h"
#include "protocol/PacketHeader.h"
#include "protocol/ResultCodes.h"
#include "protocol/Stamp.h"
#include "protocol/WireFormat.h"
#include "roster/Roster.h"
#include "session/RoomEntrySteps.h"
#include "session/Settings.h"
#include "session/SpeakAction.h"
#include "support/FakeSession.h"
#include "support/QtPrinters.h"
#include "support/RoomEventLog.h"

#include <QAction>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::PostedMessage;
using test::SentPacket;

constexpr std::uint16_t kOwnId = 7;

TParticipantRecord Person(std::uint16_t id, const QString& name, std::int32_t userType = 0) {
    TParticipantRecord r;
    r.SetUserId(id);
    r.SetFullName(name);
    r.SetUserType(userType);
    return r;
}

struct FakeSpeak final : ISpeakAction {
    bool IsSpeaking() const override { return speaking; }
    void StopSpeaking() override { speaking = false; }
    void ShowMicrophoneAllowed(bool allowed) override { shown.push_back(allowed); }
    bool speaking = false;
    std::vector<bool> shown;
};

struct ModerationFixture : ::testing::Test {
    ModerationFixture() {
        s.state.account.SetUserId(kOwnId);
        moderation.RegisterHandlers(dispatcher);
        moderation.SetSpeakAction(&speak);
        moderation.SetCloseMainWindow([this] { ++closed; });
        moderation.SetOwnRoleChanged([this] { ++roleChanges; });
        TSettings settings;
        settings.BeepOnUserMotions = true;
        moderation.ApplySettings(settings);
    }
    void receive(std::uint16_t command, std::uint16_t from, const QByteArray& payload = {},
                 std::uint16_t result = 0) {
        QByteArray packet = BuildPacket(command, from, 100, payload);
        packet.replace(18, 2, wire::bytesOf(result));
        dispatcher.DispatchPacket(TPacketHeader::decode(packet), packet);
    }
    TUserNode& add(std::uint16_t id, const QString& name, std::int32_t type = 0) {
        return roster.AddParticipant(Person(id, name, type));
    }
    TRequestRecord request(std::uint16_t from, std::uint8_t type, const QString& text = {}) {
        TRequestRecord r;
        r.SetFrom(from);
        r.SetType(type);
        r.SetText(text);
        return r;
    }

    test::FakeSession s;
    Roster roster{s.state};
    TModeration moderation{s.context, roster};
    TPacketDispatcher dispatcher;
    FakeSpeak speak;
    int closed = 0;
    int roleChanges = 0;
};

TEST_F(ModerationFixture, MicrophoneStatusFollowsItsStateTable) {
    enum class Ev { Request, Clear, Grant, Ban, AwaitFloor, StartSpeaking, StopSpeaking, Promote, Demote };
    struct Row {
        TMicrophoneStatus from;
        bool micAllowed;
        Ev event;
        TMicrophoneStatus to;
        bool micAllowedAfter;
    };
    const Row rows[] = {
        {msNone, false, Ev::Request, msRequesting, false},
        {msForbidden, false, Ev::Request, msRequesting, false},
        {msRequesting, false, Ev::Request, msNone, false},
        {msGranted, true, Ev::Request, msGranted, true},
        {msRequesting, false, Ev::Clear, msNone, false},
        {msForbidden, false, Ev::Clear, msForbidden, false},
        {msRequesting, false, Ev::Grant, msGranted, true},
        {msSpeaking, true, Ev::Ban, msForbidden, false},
        {msGranted, true, Ev::AwaitFloor, msRequesting, true},
        {msSpeaking, true, Ev::AwaitFloor, msSpeaking, true},
        {msRequesting, true, Ev::StopSpeaking, msGranted, true},
        {msGranted, true, Ev::StartSpeaking, msSpeaking, true},
        {msSpeaking, true, Ev::StopSpeaking, msGranted, true},
        {msSpeaking, false, Ev::StopSpeaking, msForbidden, false},
        {msSpeaking, false, Ev::Promote, msSpeaking, true},
        {msForbidden, false, Ev::Promote, msGranted, true},
        {msGranted, true, Ev::Demote, msForbidden, false},
        {msSpeaking, true, Ev::Demote, msSpeaking, false},
    };
    for (const Row& row : rows) {
        roster.ClearRoster();
        TUserNode& entry = add(2, "Ann");
        entry.SetMicrophoneStatus(row.from);
        entry.SetMicAllowed(row.micAllowed);
        switch (row.event) {
        case Ev::Request:
            moderation.OnRequest(request(2, RequestType::Microphone));
            break;
        case Ev::Clear:
            receive(cmClearMotions, 1);
            break;
        case Ev::Grant:
            moderation.ApplyMicrophoneRight(false, 2);
            break;
        case Ev::Ban:
            moderation.ApplyMicrophoneRight(true, 2);
            break;
        case Ev::AwaitFloor:
            moderation.ApplySpeaking(2, SpeakerMarkValue::Requesting);
            break;
        case Ev::StartSpeaking:
            moderation.ApplySpeaking(2, SpeakerMarkValue::Speaking);
            break;
        case Ev::StopSpeaking:
            moderation.ApplySpeaking(2, SpeakerMarkValue::Silent);
            break;
        case Ev::Promote:
            moderation.ApplyAccountType(2, 1000);
            break;
        case Ev::Demote:
            moderation.ApplyAccountType(2, 0);
            break;
        }
        SCOPED_TRACE(testing::Message() << "from " << int(row.from) << " event " << int(row.event));
        EXPECT_EQ(entry.MicrophoneStatus(), row.to);
        EXPECT_EQ(entry.MicAllowed(), row.micAllowedAfter);
    }
}

TEST_F(ModerationFixture, OwnMicrophoneFollowsTheServerAndTheSpeakAction) {
    TUserNode& own = add(kOwnId, "Me");
    const auto rights = test::LogRaises(s.events.microphoneRight);
    receive(cmGiveMicrophone, 1, wire::bytesOf(kOwnId));
    EXPECT_TRUE(s.state.OwnMicAllowed);
    test::DeliverRaised(s.events);
    EXPECT_EQ(*rights, (std::vector<std::tuple<std::uint16_t, bool>>{{kOwnId, true}}));
    // Given while speaking: the status stays.
    own.SetMicrophoneStatus(msSpeaking);
    speak.speaking = true;
    moderation.ApplyMicrophoneRight(false, kOwnId);
    EXPECT_EQ(own.MicrophoneStatus(), msSpeaking);
    // Withdrawn: the floor goes with it.
    receive(cmBanMicrophone, 1, wire::bytesOf(kOwnId));
    EXPECT_FALSE(s.state.OwnMicAllowed);
    moderation.ApplyMicrophoneRight(true, kOwnId);
    EXPECT_FALSE(speak.speaking);
    EXPECT_EQ(speak.shown, (std::vector<bool>{true, false}));
    EXPECT_EQ(own.MicrophoneStatus(), msForbidden);

    // A refusal is an error, never a grant.
    s.sink.clear();
    receive(cmGiveMicrophone, kOwnId, {}, ResultCode::NoPermission);
    EXPECT_FALSE(s.state.OwnMicAllowed);
    EXPECT_TRUE(s.sink.all().empty());
    ASSERT_EQ(s.dialogs.shown.size(), 1);
    EXPECT_TRUE(s.dialogs.shown[0].contains("[with message code: 31]"));
}

TEST_F(ModerationFixture, CameraStatusFollowsRequestsClearingAndWebcamNotices) {
    TUserNode& ann = add(2, "Ann");
    moderation.OnRequest(request(2, RequestType::Camera));
    EXPECT_EQ(ann.CameraStatus(), csRequesting);
    moderation.OnRequest(request(2, RequestType::Camera));
    EXPECT_EQ(ann.CameraStatus(), csNone);
    moderation.OnRequest(request(2, RequestType::Camera));
    receive(cmClearMotions, 1);
    EXPECT_EQ(ann.CameraStatus(), csNone);

    const auto webcams = test::LogRaises(s.events.webcam);
    receive(cmVideoStarted, 2);
    receive(cmVideoStarted, 99); // nobody: nothing but the event
    test::DeliverRaised(s.events);
    ASSERT_EQ(webcams->size(), 2u);
    moderation.ApplyWebcam(2, true);
    moderation.ApplyWebcam(99, true);
    EXPECT_EQ(ann.CameraStatus(), csBroadcast);
    moderation.ApplyWebcam(2, false);
    EXPECT_EQ(ann.CameraStatus(), csNone);
    EXPECT_EQ(
        s.notices.lines,
        (QStringList{"Ann started a webcam. To watch the user's video stream click on the red camera image "
                     "next to the user's name.",
                     "Ann - webcam stopped."}));
    EXPECT_EQ(s.notices.chatLines[0].name, "System");
}

TEST_F(ModerationFixture, HandsAreRenumberedInDisplayOrderOnLoweringAndOnDeparture) {
    TUserNode& a = add(2, "A");
    TUserNode& b = add(3, "B");
    TUserNode& c = add(4, "C");
    for (std::uint16_t id : {2, 3, 4})
        receive(cmSignal, id, wire::bytesOf(Motion::Hand));
    roster.MoveToTop(b);
    roster.MoveToTop(c);
    roster.MoveToTop(a); // displayed A, C, B
    receive(cmSignal, 2, wire::bytesOf(Motion::None));
    EXPECT_EQ(c.MotionIndex(), 1);
    EXPECT_EQ(b.MotionIndex(), 2);
    EXPECT_EQ(roster.HandsCount(), 2);

    receive(cmSignal, 2, wire::bytesOf(Motion::Hand)); // A again: number 3
    roster.RemoveParticipant(4);                       // C leaves with number 1
    EXPECT_EQ(a.MotionIndex(), 1) << "in display order: A before B";
    EXPECT_EQ(b.MotionIndex(), 2);
    receive(cmSignal, 5, wire::bytesOf(Motion::Hand)); // unknown: nothing
    TUserNode& d = add(5, "D");
    receive(cmSignal, 5, wire::bytesOf(Motion::Hand));
    EXPECT_EQ(d.MotionIndex(), 3) << "no number handed out twice";
    EXPECT_EQ(s.notices.beeps.front(), (std::pair<int, int>{500, 30}));
}

TEST_F(ModerationFixture, MotionActionsSendTheToggledValueAndOnlyTheEchoChangesTheEntry) {
    EXPECT_FALSE(moderation.ToggleMotion(Motion::Hand)) << "no own entry yet";
    TUserNode& own = add(kOwnId, "Me");
    receive(cmSignal, kOwnId, wire::bytesOf(Motion::Smile));
    ASSERT_TRUE(moderation.ToggleMotion(Motion::Hand));
    ASSERT_TRUE(moderation.ToggleMotion(Motion::Smile));
    EXPECT_EQ(s.sender.sent, (std::vector<SentPacket>{{cmSignal, wire::bytesOf(Motion::Hand)},
                                                      {cmSignal, wire::bytesOf(Motion::None)}}));
    EXPECT_EQ(own.MotionMask(), Motion::Smile);

    receive(cmSignal, kOwnId, wire::bytesOf(std::int32_t(3))); // no picture, blinks, no counter
    EXPECT_EQ(own.MotionImageIndex(), MotionPicture::kNoPicture);
    EXPECT_TRUE(own.MotionBlinking());
    EXPECT_EQ(roster.HandsCount() + roster.PositiveCount() + roster.NegativeCount(), 0);

    s.state.launchMode = TLaunchMode::LocalFile;
    EXPECT_FALSE(moderation.ToggleMotion(Motion::Yes)) << "playback stays silent";
}

TEST_F(ModerationFixture, RequestRecordBytesAndTheRequestsThatBecomeNotes) {
    ASSERT_TRUE(moderation.SendRequest(RequestType::Microphone));
    ASSERT_TRUE(moderation.SendRequest(RequestType::Repeat));
    ASSERT_EQ(s.sender.sent.size(), 2u);
    const QByteArray bytes = s.sender.sent[1].payload;
    ASSERT_EQ(bytes.size(), 217);
    EXPECT_EQ(bytes.left(6), wire::bytesOf(std::uint16_t(2)) + wire::bytesOf(kOwnId) + QByteArray(2, '\0'));
    EXPECT_GT(wire::load<double>(reinterpret_cast<const std::uint8_t*>(bytes.constData() + 6)), 40000.0);
    EXPECT_EQ(bytes.mid(14), QByteArray(1, char(RequestType::Repeat)) + QByteArray(202, '\0'));
    s.sender.connected = false;
    EXPECT_FALSE(moderation.SendRequest(RequestType::Camera));
    EXPECT_EQ(moderation.RequestCounter(), 2u) << "nothing sent, nothing counted";

    add(2, "Ann");
    TRequestRecord note = request(2, RequestType::Repeat, "Slide 4 again");
    note.SetTime(stampFromLocal(QDateTime(QDate(2024, 3, 1), QTime(10, 5))));
    receive(cmRequest, 2, note.toByteArray());
    moderation.OnRequest(request(99, RequestType::Repeat)); // nobody in the room
    ASSERT_EQ(moderation.Requests().Entries().size(), 1u);
    const TRequestListEntry& entry = moderation.Requests().Entries()[0];
    EXPECT_EQ(entry.sender, "Ann");
    EXPECT_EQ(entry.text, "Slide 4 again");
    EXPECT_EQ(entry.time, QDateTime(QDate(2024, 3, 1), QTime(10, 5)));
    EXPECT_EQ(s.notices.beeps.front(), (std::pair<int, int>{200, 50}));
}

TEST_F(ModerationFixture, EntryRequestsClearTheQueueNumberAndTogglePictures) {
    TUserNode& ann = add(2, "Ann");
    receive(cmSignal, 2, wire::bytesOf(Motion::Hand));
    ann.SetMicrophoneStatus(msGranted);
    moderation.OnRequest(request(2, RequestType::Microphone));
    EXPECT_EQ(ann.MicrophoneStatus(), msGranted);
    EXPECT_EQ(ann.MotionIndex(), 0);
    EXPECT_EQ(ann.MotionMask(), Motion::Hand) << "mask and counters stay";
    EXPECT_EQ(roster.HandsCount(), 1);

    TUserNode& ben = add(3, "Ben");
    moderation.OnRequest(request(3, RequestType::Hand));
    EXPECT_EQ(ben.MotionImageIndex(), MotionPicture::Hand);
    EXPECT_EQ(ben.MotionIndex(), 1);
    moderation.OnRequest(request(3, RequestType::Hand));
    EXPECT_EQ(ben.MotionImageIndex(), MotionPicture::kNoPicture);
    moderation.OnRequest(request(3, RequestType::Clap));
    EXPECT_EQ(ben.MotionImageIndex(), MotionPicture::Clap);
    moderation.OnRequest(request(3, RequestType::Clap));
    EXPECT_EQ(ben.MotionImageIndex(), MotionPicture::kNoPicture);
    test::DeliverRaised(s.events); // what the requests above raised
    const auto changes = test::LogRaises(s.events.participantsChanged);
    moderation.OnRequest(request(99, RequestType::Smile));
    test::DeliverRaised(s.events);
    EXPECT_EQ(changes->size(), 1u) << "the counters follow a request even from nobody listed";

    ann.SetActivityImageIndex(MotionPicture::LoadMark);
    receive(cmClearMotions, 1);
    EXPECT_EQ(roster.HandsCount(), 0);
    EXPECT_EQ(ann.MotionIndex(), 0);
    EXPECT_EQ(ann.ActivityImageIndex(), MotionPicture::kNoPicture);
    test::DeliverRaised(s.events);
    EXPECT_EQ(changes->size(), 2u) << "and a clearing";
}

TEST_F(ModerationFixture, RemovalCutsTheReasonAndItsTextTakesNoMarkersFromNamesOrReasons) {
    ASSERT_TRUE(moderation.SendRemoval(2, "  " + QString(60, 'r') + "  "));
    ASSERT_TRUE(moderation.SendRemoval(3, ""));
    const QByteArray cut = s.sender.sent[0].payload;
    ASSERT_EQ(cut.size(), 52);
    EXPECT_EQ(cut.left(3), wire::bytesOf(std::uint16_t(2)) + char(49));
    EXPECT_EQ(cut.mid(3), QByteArray(49, 'r'));
    EXPECT_EQ(s.sender.sent[1].payload, wire::bytesOf(std::uint16_t(3)) + QByteArray(50, '\0'));

    add(1, "Eve %2");
    const auto removals = test::LogRaises(s.events.removed);
    receive(cmRemoveParticipant, 1, TRemovalMessage{kOwnId, "late %1 again"}.encode());
    test::DeliverRaised(s.events);
    EXPECT_EQ(*removals, (std::vector<std::tuple<std::uint16_t>>{{1}}));
    EXPECT_EQ(moderation.RemovalText(1),
              "You've just been removed from the session by Eve %2\r\nReason: late %1 again");
    EXPECT_EQ(moderation.RemovalText(4),
              "Your session was terminated by an administrator\r\nwith the following "
              "message:\r\nlate %1 again")
        << "the moderator has left";
    moderation.ShowRemoval(1);
    EXPECT_EQ(closed, 1);
    ASSERT_EQ(s.dialogs.shown.size(), 1);
    s.state.launchMode = TLaunchMode::LocalFile;
    moderation.ShowRemoval(1);
    EXPECT_EQ(closed, 1) << "a recording is not ended by it";
}

TEST_F(ModerationFixture, OwnPromotionAndDemotionChangeRightsAndAccountTypes) {
    s.state.room.SetVideoFlag(true);
    add(kOwnId, "Me");
    const auto types = test::LogRaises(s.events.accountType);
    receive(cmSetAccountType, 1, TAccountTypeMessage{kOwnId, 1000}.encode());
    test::DeliverRaised(s.events);
    EXPECT_EQ(*types, (std::vector<std::tuple<std::uint16_t, std::int32_t>>{{kOwnId, 1000}}));
    moderation.ApplyAccountType(kOwnId, 1000);
    EXPECT_TRUE(s.state.IsModerator());
    EXPECT_TRUE(s.state.OwnMicAllowed && s.state.OwnBoardAllowed && s.state.OwnCamAllowed);
    EXPECT_EQ(roster.FindEntry(kOwnId)->Record().UserType(), 1000);
    EXPECT_EQ(roleChanges, 1);
    moderation.ApplyAccountType(kOwnId, 0);
    EXPECT_FALSE(s.state.IsModerator());
    EXPECT_FALSE(s.state.OwnMicAllowed || s.state.OwnBoardAllowed || s.state.OwnCamAllowed);
    EXPECT_EQ(roleChanges, 2);
    moderation.ApplyAccountType(2, 1000); // somebody else without an entry: nothing
    EXPECT_EQ(roleChanges, 2);
}

TEST_F(ModerationFixture, ClickingAMicrophoneGivesOrTakesItByItsStatus) {
    struct Row {
        TMicrophoneStatus status;
        std::uint16_t user;
        bool answer;
        std::vector<SentPacket> sent;
    };
    const QByteArray ann = wire::bytesOf(std::uint16_t(2));
    const std::vector<Row> rows = {
        {msRequesting, 2, true, {{cmGiveMicrophone, ann}}},
        {msForbidden, 2, true, {{cmGiveMicrophone, ann}}},
        {msGranted, 2, true, {{cmBanMicrophone, ann}}},
        {msNone, 2, true, {}},
        {msSpeaking, 2, true, {{cmBanMicrophone, ann}}},
        {msSpeaking, 2, false, {}},
        {msSpeaking, kOwnId, true, {}},
    };
    s.state.account.SetAccountType(1000);
    add(2, "Ann");
    add(kOwnId, "Me", 1000);
    for (const Row& row : rows) {
        roster.FindEntry(row.user)->SetMicrophoneStatus(row.status);
        s.dialogs.answer = row.answer;
        s.sender.sent.clear();
        moderation.ClickMicrophone(row.user);
        EXPECT_EQ(s.sender.sent, row.sent) << int(row.status) << " of " << row.user;
    }
    s.state.account.SetAccountType(0);
    s.sender.sent.clear();
    roster.FindEntry(2)->SetMicrophoneStatus(msRequesting);
    moderation.ClickMicrophone(2);
    EXPECT_TRUE(s.sender.sent.empty()) << "only moderators";
}

TEST(ModerationModule, ActionsFollowTheRoleAndTheSelection) {
    test::FakeSession s;
    s.state.account.SetUserId(kOwnId);
    Roster roster{s.state};
    std::optional<QString> answer = QString("noise");
    TModerationModule module(s.context, roster, [&] { return answer; });
    TRoomEntrySteps steps;
    module.RegisterRoomEntry(steps);
    const auto runRights = [&] {
        for (const auto& action : steps.ActionsOf(TRoomEntryStep::Rights))
            action();
    };
    const auto& a = module.ActionList();
    roster.AddParticipant(Person(kOwnId, "Me"));
    roster.AddParticipant(Person(2, "Ann", 1000));
    runRights();
    EXPECT_FALSE(a.giveVoice->isVisible() || a.clearMotions->isVisible());
    EXPECT_TRUE(a.requestMike->isEnabled());

    s.state.account.SetAccountType(1000);
    module.OwnRoleChanged();
    EXPECT_TRUE(a.giveVoice->isVisible() && a.clearMotions->isVisible());
    EXPECT_FALSE(a.giveVoice->isEnabled()) << "nobody selected";
    roster.Select(kOwnId);
    EXPECT_FALSE(a.kick->isEnabled()) << "not oneself";
    roster.Select(2);
    EXPECT_TRUE(a.giveVoice->isEnabled() && a.kick->isEnabled());
    EXPECT_EQ(a.toggleModeratorStatus->text(), "Demote to Participant");

    a.banBoard->trigger();
    a.kick->trigger();
    answer.reset();
    a.kick->trigger(); // cancelled
    a.toggleModeratorStatus->trigger();
    EXPECT_EQ(s.sender.sent, (std::vector<SentPacket>{
                                 {cmBanBoard, wire::bytesOf(std::uint16_t(2))},
                                 {cmRemoveParticipant, TRemovalMessage{2, "noise"}.encode()},
                                 {cmSetAccountType, TAccountTypeMessage{2, 0}.encode()},
                             }));
}

} // namespace
} // namespace orv
