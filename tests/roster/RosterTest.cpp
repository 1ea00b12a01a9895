// The roster and its packets, driven through the dispatcher with byte images as the server sends them.
#include "roster/Roster.h"
#include "link/Dispatcher.h"
#include "protocol/PacketHeader.h"
#include "protocol/WireFormat.h"
#include "roster/ParticipantListPane.h"
#include "roster/RosterHandlers.h"
#include "roster/RosterMessageIds.h"
#include "roster/RosterModule.h"
#include "session/RoomEntrySteps.h"
#include "session/Settings.h"
#include "support/FakeSession.h"
#include "support/QtPrinters.h"
#include "support/RoomEventLog.h"
#include "support/RosterNames.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <limits>

namespace orv {
namespace {

using test::PostedMessage;
using test::SentPacket;

constexpr std::uint16_t kOwnId = 7;

// A participant record's byte image as the server sends it.
QByteArray RecordImage(std::uint16_t id, const QByteArray& fullName, std::int32_t userType = 0,
                       std::int32_t bias = 0, std::uint8_t online = usOnline) {
    QByteArray image(759, '\0');
    image.replace(0, 2, wire::bytesOf(id));
    image[23] = char(fullName.size());
    image.replace(24, fullName.size(), fullName);
    image.replace(336, 4, wire::bytesOf(userType));
    image.replace(703, 4, wire::bytesOf(bias));
    image[707] = char(online);
    return image;
}

TParticipantRecord Record(const QByteArray& image) {
    TParticipantRecord record;
    record.fromBytes(reinterpret_cast<const std::uint8_t*>(image.constData()));
    return record;
}

QByteArray StatusImage(std::uint16_t id, std::uint8_t microphone, std::uint8_t camera, bool board,
                       std::int32_t motions) {
    QByteArray image(13, '\0');
    image.replace(0, 2, wire::bytesOf(id));
    image[3] = char(microphone);
    image[4] = char(camera);
    image[5] = board ? 1 : 0;
    image.replace(7, 4, wire::bytesOf(motions));
    return image;
}

QByteArray ListPayload(std::uint16_t count, const QList<QByteArray>& records) {
    QByteArray payload(759, '\0');
    payload.replace(0, 2, wire::bytesOf(count));
    for (const QByteArray& r : records)
        payload += r;
    return payload;
}

using test::Names;

struct RosterFixture : ::testing::Test {
    RosterFixture() {
        session.state.account.SetUserId(kOwnId);
        handlers.RegisterHandlers(dispatcher);
        handlers.RegisterRoomEntry(steps);
    }
    void receive(std::uint16_t command, std::uint16_t from, const QByteArray& payload = {}) {
        const QByteArray packet = BuildPacket(command, from, 100, payload);
        dispatcher.DispatchPacket(TPacketHeader::decode(packet), packet);
    }
    void join(std::uint16_t id, const QByteArray& name, std::int32_t userType = 0) {
        receive(cmParticipantJoined, id, RecordImage(id, name, userType));
    }
    void states(const QList<QByteArray>& records) {
        QByteArray payload;
        for (const QByteArray& r : records)
            payload += r;
        receive(cmParticipantStates, 0, payload);
    }
    void applySettings(bool beepOnConnect, bool beepOnDisconnect) {
        TSettings settings;
        settings.BeepOnUserConnect = beepOnConnect;
        settings.BeepOnUserDisconnect = beepOnDisconnect;
        handlers.ApplySettings(settings);
    }
    void runStep(TRoomEntryStep step) {
        for (const auto& action : steps.ActionsOf(step))
            action();
    }

    // How often, since the last asking, the public conversation was brought forward and the participants'
    // counters were told to follow.
    using Raised = std::pair<std::size_t, std::size_t>;
    Raised raised() {
        test::DeliverRaised(session.events);
        const Raised counts{wanted->size(), changed->size()};
        wanted->clear();
        changed->clear();
        return counts;
    }

    test::FakeSession session;
    test::RaisedLog<TChatKind, std::uint16_t> wanted = test::LogRaises(session.events.conversationWanted);
    test::RaisedLog<> changed = test::LogRaises(session.events.participantsChanged);
    Roster roster{session.state};
    RosterHandlers handlers{session.context, roster};
    TPacketDispatcher dispatcher;
    TRoomEntrySteps steps;
};

TEST_F(RosterFixture, AddedRecordsFixTheirBiasTakeTheirStatusAndPutModeratorsOnTop) {
    const struct Case {
        const char* what;
        std::int32_t userType, bias;
        std::uint8_t online;
        bool playback;
        std::int32_t storedBias;
        TUserType type;
        TUserOnlineStatus status;
        TMicrophoneStatus microphone;
        bool onTop;
    } cases[] = {
        {"bias beyond half a day", 0, -780, usOnline, false, 0, utParticipant, usOnline, msForbidden, false},
        {"bias of half a day", 0, -720, usOnline, false, -720, utParticipant, usOnline, msForbidden, false},
        {"bias beyond, eastward", 0, 721, usOnline, false, 0, utParticipant, usOnline, msForbidden, false},
        {"the lowest bias there is", 0, std::numeric_limits<std::int32_t>::min(), usOnline, false, 0,
         utParticipant, usOnline, msForbidden, false},
        {"away", 999, 60, usAway, false, 60, utParticipant, usAway, msForbidden, false},
        {"audio test", 0, 0, usBusy, false, 0, utParticipant, usBusy, msForbidden, false},
        {"a status nobody knows", 0, 0, 9, false, 0, utParticipant, usOnline, msForbidden, false},
        {"moderator", 1000, 0, usOnline, false, 0, utModerator, usOnline, msGranted, true},
        {"in a recording", 0, 0, usOnline, true, 0, utParticipant, usOnline, msGranted, false},
    };
    for (const Case& c : cases) {
        roster.ClearRoster();
        session.state.launchMode = c.playback ? TLaunchMode::LocalFile : TLaunchMode::SignInWindow;
        roster.AddParticipant(Record(RecordImage(1, "First")));
        const QByteArray image = RecordImage(2, "Second", c.userType, c.bias, c.online);
        TUserNode& entry = roster.AddParticipant(Record(image));

        EXPECT_EQ(entry.Record().TimeBias(), c.storedBias) << c.what;
        EXPECT_EQ(entry.TimeBias(), c.storedBias) << c.what;
        EXPECT_EQ(entry.UserType(), c.type) << c.what;
        EXPECT_EQ(entry.OnlineStatus(), c.status) << c.what;
        EXPECT_EQ(entry.MicrophoneStatus(), c.microphone) << c.what;
        EXPECT_EQ(entry.MicAllowed(), c.microphone == msGranted) << c.what;
        EXPECT_EQ(entry.CameraStatus(), csNone) << c.what;
        EXPECT_FALSE(entry.CamAllowed() || entry.BoardAllowed()) << c.what;
        EXPECT_EQ(entry.MotionMask(), 0) << c.what;
        EXPECT_EQ(Names(roster),
                  c.onTop ? (QStringList{"Second", "First"}) : (QStringList{"First", "Second"}))
            << c.what;
        // Everything but the corrected bias is the record as it came.
        QByteArray expected = image;
        expected.replace(703, 4, wire::bytesOf(c.storedBias));
        EXPECT_EQ(entry.Record().toByteArray(), expected) << c.what;
    }
}

TEST_F(RosterFixture, JoinsAndDeparturesOfOthersAndOfOneself) {
    applySettings(true, true);
    join(3, "Alice Byrne");
    EXPECT_EQ(session.panes.participantHeader, " Participants [1]");
    EXPECT_EQ(session.notices.lines, QStringList{"» Alice Byrne joined the session"});
    EXPECT_EQ(session.notices.beeps, (std::vector<std::pair<int, int>>{{3000, 300}}));
    EXPECT_EQ(session.sink.all(), (std::vector<PostedMessage>{{MainMsg::ParticipantJoined, 3, 0}}));
    EXPECT_EQ(raised(), (Raised{1, 0})) << "the public conversation comes forward";
    EXPECT_EQ(roster.OwnEntry(), nullptr);

    join(kOwnId, "Me Myself");
    ASSERT_NE(roster.OwnEntry(), nullptr);
    EXPECT_EQ(roster.OwnEntry()->UserName(), "Me Myself");
    join(3, "Alice Byrne");
    EXPECT_EQ(Names(roster), (QStringList{"Me Myself", "Alice Byrne"})) << "a second join replaces the entry";

    session.sink.clear();
    raised();
    session.notices.beeps.clear();
    session.state.boardHolder = 3;
    receive(cmParticipantLeft, 3);
    EXPECT_EQ(session.notices.lines.last(), "« Alice Byrne left the session");
    EXPECT_EQ(session.notices.beeps, (std::vector<std::pair<int, int>>{{10000, 300}}));
    EXPECT_EQ(roster.FindParticipant(3), nullptr);
    EXPECT_EQ(session.state.boardHolder, 0);
    EXPECT_EQ(session.panes.participantHeader, " Participants [1]");
    EXPECT_EQ(raised(), (Raised{1, 1}));

    // Nobody by that id: only the header and the counters are refreshed.
    session.sink.clear();
    session.panes.participantHeader.clear();
    const int lines = session.notices.lines.size();
    receive(cmParticipantLeft, 55);
    EXPECT_EQ(session.notices.lines.size(), lines);
    EXPECT_EQ(session.panes.participantHeader, " Participants [1]");
    EXPECT_EQ(raised(), (Raised{0, 1}));

    receive(cmParticipantLeft, kOwnId);
    EXPECT_EQ(roster.OwnEntry(), nullptr);
    EXPECT_EQ(roster.Count(), 0);
    EXPECT_EQ(session.panes.participantHeader, " Participants [0]");
}

TEST_F(RosterFixture, BeepsFollowTheSettingsAndStaySilentInARecording) {
    const struct Case {
        bool onConnect, onDisconnect, playback;
        std::size_t beeps;
    } cases[] = {{false, false, false, 0},
                 {true, false, false, 1},
                 {false, true, false, 1},
                 {true, true, false, 2},
                 {true, true, true, 0}};
    for (const Case& c : cases) {
        session.notices.beeps.clear();
        session.state.launchMode = c.playback ? TLaunchMode::LocalFile : TLaunchMode::SignInWindow;
        applySettings(c.onConnect, c.onDisconnect);
        join(3, "Alice");
        receive(cmParticipantLeft, 3);
        EXPECT_EQ(session.notices.beeps.size(), c.beeps) << c.onConnect << c.onDisconnect << c.playback;
        EXPECT_EQ(session.notices.lines.size() % 2, 0);
    }
}

TEST_F(RosterFixture, ARosterReplyReadsTheWholeRecordsThereAreAndZeroLeavesItEmpty) {
    join(9, "Earlier");
    const QByteArray ann = RecordImage(2, "Ann"), mod = RecordImage(1, "Mod", 1000);
    receive(cmParticipantList, 0, ListPayload(3, {ann, mod, mod.left(300)}));
    EXPECT_EQ(Names(roster), (QStringList{"Mod", "Ann"}));
    EXPECT_EQ(session.panes.participantHeader, " Participants [2]");

    receive(cmParticipantList, 0, ListPayload(0, {ann}));
    EXPECT_EQ(roster.Count(), 0);
    EXPECT_EQ(session.panes.participantHeader, " Participants [2]") << "only adds and departures write it";

    join(9, "Kept");
    receive(cmParticipantList, 0, QByteArray(100, '\x01'));
    EXPECT_EQ(Names(roster), QStringList{"Kept"}) << "a reply without its leading block is dropped whole";
}

TEST_F(RosterFixture, TheStatusListSetsStatusesCountersAndOwnRights) {
    for (const int id : {1, 2, int(kOwnId), 4})
        join(std::uint16_t(id), QByteArray("User ") + QByteArray::number(id));
    session.sink.clear();
    raised();
    session.progress.visible = true;

    states({StatusImage(1, msGranted, csBroadcast, true, Motion::Hand),
            StatusImage(2, msRequesting, csRequesting, false, Motion::Yes),
            StatusImage(kOwnId, msSpeaking, csGranted, true, Motion::No),
            StatusImage(4, 17, 42, false, 3), // statuses this client does not know
            StatusImage(99, msGranted, csNone, true, Motion::Hand)});
    EXPECT_FALSE(session.progress.visible);
    EXPECT_EQ(raised(), (Raised{0, 1})) << "the counters follow";

    const TUserNode& one = *roster.FindEntry(1);
    EXPECT_EQ(one.MicrophoneStatus(), msGranted);
    EXPECT_TRUE(one.MicAllowed());
    EXPECT_EQ(one.CameraStatus(), csBroadcast);
    EXPECT_TRUE(one.CamAllowed() && one.BoardAllowed());
    EXPECT_EQ(one.MotionIndex(), 1);
    EXPECT_EQ(one.MotionImageIndex(), MotionPicture::Hand);
    EXPECT_TRUE(one.MotionBlinking());
    const TUserNode& two = *roster.FindEntry(2);
    EXPECT_EQ(two.MicrophoneStatus(), msRequesting);
    EXPECT_FALSE(two.MicAllowed() || two.CamAllowed() || two.BoardAllowed());
    EXPECT_EQ(two.MotionImageIndex(), MotionPicture::Yes);
    EXPECT_FALSE(two.MotionBlinking());
    const TUserNode& four = *roster.FindEntry(4);
    EXPECT_EQ(four.MicrophoneStatus(), msForbidden) << "kept as it was";
    EXPECT_EQ(four.CameraStatus(), csNone);
    EXPECT_EQ(four.MotionImageIndex(), MotionPicture::kNoPicture);
    EXPECT_TRUE(four.MotionBlinking());
    EXPECT_FALSE(four.MotionPictureVisible()) << "a value without a picture shows nothing";
    EXPECT_EQ(roster.FindEntry(99), nullptr);
    EXPECT_EQ(roster.HandsCount(), 1);
    EXPECT_EQ(roster.PositiveCount(), 1);
    EXPECT_EQ(roster.NegativeCount(), 1);
    EXPECT_TRUE(session.state.OwnMicAllowed);
    EXPECT_TRUE(session.state.OwnCamAllowed);
    EXPECT_TRUE(session.state.OwnBoardAllowed);

    handlers.ShowMotionCounters();
    EXPECT_EQ(session.panes.counters, (std::vector<int>{1, 1, 1}));

    // A 27-byte list: two records, the last byte ignored.
    states({StatusImage(kOwnId, msForbidden, csNone, false, 0), StatusImage(2, msGranted, csNone, false, 0),
            QByteArray(1, '\x01')});
    EXPECT_FALSE(session.state.OwnMicAllowed || session.state.OwnCamAllowed || session.state.OwnBoardAllowed);
    EXPECT_EQ(roster.FindEntry(2)->MicrophoneStatus(), msGranted);
    EXPECT_EQ(roster.PositiveCount(), 0);
    EXPECT_EQ(roster.NegativeCount(), 0);
}

TEST_F(RosterFixture, ARecordingForcesTheMicrophoneOnAndTheCameraOff) {
    session.state.launchMode = TLaunchMode::PlayFromServer;
    join(1, "Speaker");
    join(2, "Listener");
    EXPECT_EQ(roster.FindEntry(2)->MicrophoneStatus(), msGranted);
    states(
        {StatusImage(1, msSpeaking, csBroadcast, false, 0), StatusImage(2, msForbidden, csGranted, true, 0)});
    const TUserNode& speaker = *roster.FindEntry(1);
    EXPECT_EQ(speaker.MicrophoneStatus(), msSpeaking);
    EXPECT_EQ(speaker.CameraStatus(), csNone);
    EXPECT_TRUE(speaker.MicAllowed());
    EXPECT_TRUE(speaker.CamAllowed()) << "from the record";
    const TUserNode& listener = *roster.FindEntry(2);
    EXPECT_EQ(listener.MicrophoneStatus(), msGranted);
    EXPECT_TRUE(listener.MicAllowed());
    EXPECT_EQ(listener.CameraStatus(), csNone);
}

TEST_F(RosterFixture, CountersFollowMotionsAndHandsCloseUpInDisplayOrder) {
    for (std::uint16_t id : {1, 2, 3, 4})
        join(id, QByteArray(1, char('A' + id - 1)));
    roster.MoveToTop(*roster.FindEntry(3)); // C, A, B, D
    TUserNode& a = *roster.FindEntry(1);
    TUserNode& b = *roster.FindEntry(2);
    TUserNode& c = *roster.FindEntry(3);
    TUserNode& d = *roster.FindEntry(4);
    a.SetHand(true);
    b.SetHand(true);
    c.SetHand(true);
    d.SetMotionMask(Motion::No);
    EXPECT_EQ(roster.HandsCount(), 3);
    EXPECT_EQ(c.MotionIndex(), 3);

    a.SetHand(false);
    EXPECT_EQ(c.MotionIndex(), 1) << "C is displayed before B";
    EXPECT_EQ(b.MotionIndex(), 2);
    EXPECT_EQ(a.MotionIndex(), 0);
    EXPECT_EQ(a.MotionImageIndex(), MotionPicture::kNoPicture);
    EXPECT_EQ(roster.HandsCount(), 2);

    c.SetSmile(true); // the mask becomes 3: no picture, no counter
    EXPECT_EQ(c.MotionMask(), 3);
    EXPECT_EQ(c.MotionImageIndex(), MotionPicture::kNoPicture);
    EXPECT_EQ(roster.HandsCount(), 1);
    EXPECT_EQ(b.MotionIndex(), 1);

    d.SetPositive(true); // 24: neither yes nor no any more
    EXPECT_EQ(roster.NegativeCount(), 0);
    EXPECT_EQ(roster.PositiveCount(), 0);
    d.SetMotionMask(Motion::Yes);
    EXPECT_TRUE(d.Positive());
    EXPECT_EQ(roster.PositiveCount(), 1);

    roster.RemoveParticipant(2); // B's raised hand and D's yes go with the entries
    roster.RemoveParticipant(4);
    EXPECT_EQ(roster.HandsCount(), 0);
    EXPECT_EQ(roster.PositiveCount(), 0);
    a.SetHand(true);
    EXPECT_EQ(a.MotionIndex(), 1);
    roster.ClearRoster();
    EXPECT_EQ(roster.HandsCount(), 0);
    EXPECT_EQ(roster.Count(), 0);
}

TEST_F(RosterFixture, RemovingTheSelectedEntrySelectsTheFirstButOthersLeaveTheSelection) {
    for (std::uint16_t id : {1, 2, 3})
        join(id, QByteArray(1, char('A' + id - 1)));
    roster.Select(2);
    roster.RemoveParticipant(3);
    EXPECT_EQ(roster.Selected(), roster.FindEntry(2));
    roster.RemoveParticipant(2);
    EXPECT_EQ(roster.Selected(), roster.FindEntry(1));
    roster.RemoveParticipant(1);
    EXPECT_EQ(roster.Selected(), nullptr);
}

TEST_F(RosterFixture, OnlineStatusGoesThroughTheMainWindowAndIntoTheRecord) {
    join(3, "Alice");
    join(kOwnId, "Me");
    receive(cmOnlineStatus, 3, TOnlineStatusMessage{usAway}.encode());
    EXPECT_EQ(session.sink.all().back(), (PostedMessage{MainMsg::OnlineStatus, 3, usAway}));
    handlers.ApplyOnlineStatus(3, usAway);
    EXPECT_EQ(roster.FindEntry(3)->OnlineStatus(), usAway);
    EXPECT_EQ(roster.FindParticipant(3)->OnlineStatus(), usAway);
    handlers.ApplyOnlineStatus(3, 5);
    handlers.ApplyOnlineStatus(77, usBusy);
    EXPECT_EQ(roster.FindEntry(3)->OnlineStatus(), usAway);

    EXPECT_TRUE(handlers.SendOnlineStatus(usBusy));
    EXPECT_EQ(session.sender.sent.back(), (SentPacket{cmOnlineStatus, QByteArray("\x02")}));
    EXPECT_EQ(roster.OwnEntry()->OnlineStatus(), usBusy) << "the server tells only the others";
    session.sender.connected = false;
    EXPECT_FALSE(handlers.SendOnlineStatus(usOnline));
    EXPECT_EQ(roster.OwnEntry()->OnlineStatus(), usBusy);
}

TEST_F(RosterFixture, RoomEntryResetsTheRoomThenAsksForParticipantsAndStates) {
    join(1, "Someone");
    session.state.OwnMicAllowed = session.state.OwnBoardAllowed = session.state.OwnCamAllowed = true;
    session.state.boardHolder = 1;
    runStep(TRoomEntryStep::ResetRoomState);
    EXPECT_EQ(roster.Count(), 0);
    EXPECT_FALSE(session.state.OwnMicAllowed || session.state.OwnBoardAllowed || session.state.OwnCamAllowed);
    EXPECT_EQ(session.state.boardHolder, 0);
    runStep(TRoomEntryStep::Participants);
    runStep(TRoomEntryStep::ParticipantStates);
    EXPECT_EQ(session.sender.sent,
              (std::vector<SentPacket>{{cmParticipantList, {}}, {cmParticipantStates, {}}}));
}

TEST(RosterModule, StepOutSendsTheStatusAndFollowsTheOwnEntry) {
    test::FakeSession session;
    session.state.account.SetUserId(kOwnId);
    TRosterModule module(session.context);
    ASSERT_EQ(session.panes.actions.size(), 1u);
    QAction& stepOut = *session.panes.actions[0];
    EXPECT_EQ(stepOut.text(), "Step Out");
    EXPECT_EQ(module.SettingsOwner(), TSettingOwner::Roster);

    module.Handlers().OnParticipantList({{Record(RecordImage(kOwnId, "Me"))}});
    stepOut.trigger();
    EXPECT_TRUE(stepOut.isChecked());
    EXPECT_EQ(stepOut.text(), "Step In");
    EXPECT_EQ(module.Participants().OwnEntry()->OnlineStatus(), usAway);
    stepOut.trigger();
    EXPECT_EQ(stepOut.text(), "Step Out");
    EXPECT_EQ(session.sender.sent, (std::vector<SentPacket>{{cmOnlineStatus, QByteArray("\x01")},
                                                            {cmOnlineStatus, QByteArray(1, '\0')}}));

    // Re-entering a room where the server still has the user away shows the button down, without sending.
    module.Handlers().OnParticipantList({{Record(RecordImage(kOwnId, "Me", 0, 0, usAway))}});
    EXPECT_TRUE(stepOut.isChecked());
    EXPECT_EQ(session.sender.sent.size(), 2u);

    // The connection is down: the press changes nothing.
    session.sender.connected = false;
    stepOut.trigger();
    EXPECT_TRUE(stepOut.isChecked());
    EXPECT_EQ(stepOut.text(), "Step In");
}

TEST(RosterModule, ThePaneListsTheEntriesOnceTheEventLoopRuns) {
    test::FakeSession session;
    session.state.account.SetUserId(3);
    TRosterModule module(session.context);
    ASSERT_NE(session.panes.participantList, nullptr);
    module.Handlers().OnParticipantList(
        {{Record(RecordImage(2, "Alice Byrne", 0, 0, usAway)), Record(RecordImage(1, "Tess Marlowe", 1000)),
          Record(RecordImage(3, "Bob Okafor", 0, 0, usBusy))}});
    QCoreApplication::processEvents();
    EXPECT_EQ(
        ParticipantListRows(*session.panes.participantList),
        (QStringList{"Tess Marlowe  (Moderator)", "Alice Byrne  (Away)", "Bob Okafor  (you, Audio Test)"}));
    module.Participants().FindEntry(2)->SetHand(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(ParticipantListRows(*session.panes.participantList)[1], "Alice Byrne  (Away, hand 1)");
}

TEST(RosterModule, TheDirectoryGivesOtherSubsystemsTheEntriesInDisplayOrderWithTheirNames) {
    test::FakeSession session;
    TRosterModule module(session.context);
    TParticipantRecord alice = Record(RecordImage(2, "Alice Byrne"));
    alice.SetFirstName("Alice");
    module.Handlers().OnParticipantList({{alice, Record(RecordImage(1, "Tess Marlowe", 1000))}});
    module.Participants().FindEntry(2)->SetUserName("Ali");

    const IParticipantDirectory& directory = module.Directory();
    const std::vector<TParticipantInfo> all = directory.InDisplayOrder();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].userId, 1) << "the moderator on top";
    EXPECT_TRUE(all[0].IsModerator());
    const auto found = directory.Lookup(2);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->firstName, "Alice");
    EXPECT_EQ(found->fullName, "Alice Byrne");
    EXPECT_EQ(found->displayName, "Ali");
    EXPECT_FALSE(found->IsModerator());
    EXPECT_FALSE(directory.Lookup(9));
}

} // namespace
} // namespace orv
