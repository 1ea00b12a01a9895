// The chat driven as the program drives it: packets through the dispatcher, main window messages through a
// router, the room entry steps, and the pane's own controls.
#include "chat/ChatConversations.h"
#include "chat/ChatLineWriter.h"
#include "chat/ChatMessageIds.h"
#include "chat/ChatModule.h"
#include "link/Dispatcher.h"
#include "platform/MessageRouter.h"
#include "protocol/PacketHeader.h"
#include "protocol/ResultCodes.h"
#include "session/RoomEntrySteps.h"
#include "session/Settings.h"
#include "support/FakeDirectory.h"
#include "support/FakeSession.h"
#include "support/QtPrinters.h"
#include "support/RoomEventLog.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::PostedMessage;
using test::SentPacket;

constexpr std::uint16_t kOwnId = 2;

// One run of a log: text (pictures as {N}) and how it is written.
struct LogRun {
    QString text;
    bool bold;
    QColor color;
    qreal size;
};

std::vector<LogRun> Runs(const QTextDocument& log) {
    std::vector<LogRun> runs;
    for (QTextBlock block = log.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat format = f.charFormat();
            const QString text = format.isImageFormat()
                                     ? QString("{%1}").arg(EmoticonOfResource(format.toImageFormat().name()))
                                     : f.text();
            runs.push_back({text, format.fontWeight() >= QFont::Bold, format.foreground().color(),
                            format.fontPointSize()});
        }
        if (block.next().isValid())
            runs.push_back({"\n", false, {}, 0});
    }
    return runs;
}

QString PlainText(const QTextDocument* log) {
    QString text;
    if (log)
        for (const LogRun& r : Runs(*log))
            text += r.text;
    return text;
}

QByteArray ChatPayload(std::uint16_t from, std::uint16_t to, TChatKind kind, const QString& text,
                       TChatTextForm form = TChatTextForm::Wide) {
    TChatMessage m;
    m.record.SetFrom(from);
    m.record.SetTo(to);
    m.record.SetRoom(100);
    m.record.SetKind(kind);
    m.text = text;
    return m.encode(form);
}

struct ChatFixture : ::testing::Test {
    ChatFixture() {
        session.state.account.SetUserId(kOwnId);
        session.state.account.SetFirstName("Alice");
        session.state.account.SetRoom(100);
        module.RegisterHandlers(dispatcher);
        module.RegisterMessages(router);
        module.RegisterRoomEntry(steps);
        module.ApplySettings(settings);
    }
    void receive(std::uint16_t command, const QByteArray& payload, std::uint16_t resultCode = 0) {
        const QByteArray packet = BuildPacket(command, 0, 100, payload, resultCode);
        dispatcher.DispatchPacket(TPacketHeader::decode(packet), packet);
    }
    // The main window's handling of what was posted, in order, then of the room events raised.
    void deliverPosted() {
        const auto posted = session.sink.all();
        session.sink.clear();
        for (const PostedMessage& m : posted)
            router.Deliver(m.n, m.wParam, m.lParam);
        test::DeliverRaised(session.events);
    }
    // Another part of the program brings a conversation forward.
    void want(TChatKind mode, std::uint16_t partner) {
        session.events.conversationWanted.Raise(mode, partner);
        test::DeliverRaised(session.events);
    }
    void runStep(TRoomEntryStep step) {
        for (const auto& action : steps.ActionsOf(step))
            action();
    }
    QTextDocument* log(std::uint16_t partner) { return module.Conversations().FindConversation(partner); }

    test::FakeSession session;
    test::RaisedLog<TChatKind, std::uint16_t> wanted = test::LogRaises(session.events.conversationWanted);
    test::FakeDirectory directory{{{1, "Tess", "Tess Marlowe", "Tess Marlowe", 1000},
                                   {kOwnId, "Alice", "Alice Byrne", "Alice Byrne", 0},
                                   {7, "Bob", "Bob Okafor", "Bobby", 0}}};
    TSettings settings;
    TChatModule module{session.context, directory, nullptr};
    TPacketDispatcher dispatcher;
    TMessageRouter router;
    TRoomEntrySteps steps;
};

TEST(ChatLines, NormalAndSystemLinesCarryTheirNameTimeColourAndPictures) {
    const struct Case {
        const char* what;
        TChatLineKind kind;
        const char* name;
        TColor color;
        bool timing;
        const char* text;
        QStringList texts; // runs
        std::vector<bool> bold;
        std::vector<TColor> colors;
    } cases[] = {
        {"own message",
         TChatLineKind::Normal,
         "Alice",
         kBlue,
         false,
         "hi :-)",
         {"Alice", "\n", "hi ", "{11}", "\n"},
         {true, false, false, false},
         {kBlack, 0, kBlue, kBlue}},
        {"with timing",
         TChatLineKind::Normal,
         "Tess (Moderator)",
         kBlack,
         true,
         "ok",
         {"Tess (Moderator) [10:05] ", "\n", "ok", "\n"},
         {true, false, false},
         {kBlack, 0, kBlack}},
        {"system line",
         TChatLineKind::System,
         "",
         kSystemLineColor,
         false,
         "» Bob joined the session :)",
         {": » Bob joined the session :)", "\n"},
         {false},
         {kGray}},
        {"system line with timing",
         TChatLineKind::System,
         "System",
         kRed,
         true,
         "lost",
         {"System [10:05] : lost", "\n"},
         {false},
         {kRed}},
        {"several lines, control characters",
         TChatLineKind::System,
         "",
         kGray,
         false,
         "a\r\nb\x07",
         {": a", "\n", "b", "\n"},
         {false, false, false},
         {kGray, 0, kGray}},
    };
    for (const Case& c : cases) {
        ChatConversations conversations([] { return QTime(10, 5, 59); });
        conversations.SetShowTiming(c.timing);
        conversations.SetFontSize(10);
        conversations.AddChatLine(4, c.name, c.kind, c.color, c.text);
        const std::vector<LogRun> runs = Runs(*conversations.FindConversation(4));
        QStringList texts;
        for (const LogRun& r : runs)
            texts.push_back(r.text);
        EXPECT_EQ(texts, c.texts) << c.what;
        for (std::size_t i = 0; i < c.bold.size() && i < runs.size(); ++i) {
            if (runs[i].text == "\n")
                continue;
            EXPECT_EQ(runs[i].bold, c.bold[i]) << c.what << " run " << i;
            EXPECT_EQ(runs[i].color, ToQColor(c.colors[i])) << c.what << " run " << i;
            EXPECT_EQ(runs[i].size, 10) << c.what << " run " << i;
        }
    }
}

TEST_F(ChatFixture, ReceivedMessagesNameTheirSenderAndMakeTheirConversationCurrent) {
    const ChatState& state = module.State();
    receive(cmChat, ChatPayload(1, 0, ckPublic, "  Good morning :)\r\n"));
    receive(cmChat, ChatPayload(kOwnId, 0, ckPublic, "Hello"));
    receive(cmChatAnsi, ChatPayload(99, 0, ckPublic, "caf\u00e9", TChatTextForm::Ansi));
    EXPECT_EQ(PlainText(log(0)), "Tess (Moderator)\nGood morning {11}\nAlice\nHello\nUnknown\ncaf\u00e9\n");
    EXPECT_EQ(Runs(*log(0))[2].color, QColor(Qt::black));
    EXPECT_EQ(Runs(*log(0))[7].text, "Hello");
    EXPECT_EQ(Runs(*log(0))[7].color, QColor(Qt::blue)) << "the own message comes back blue";
    deliverPosted();
    EXPECT_EQ(*wanted, (std::vector<std::tuple<TChatKind, std::uint16_t>>{
                           {ckPublic, 1}, {ckPublic, kOwnId}, {ckPublic, 99}}));
    EXPECT_EQ(state.Mode(), ckPublic);
    EXPECT_EQ(state.Shown(), 0);
    EXPECT_EQ(state.Caption(), "Public Messages");

    // A private message from 7 makes the conversation with 7 current: the next typed text goes to 7.
    receive(cmPrivateChat, ChatPayload(7, kOwnId, ckPrivate, "psst"));
    deliverPosted();
    EXPECT_EQ(PlainText(log(7)), "Bob\npsst\n");
    EXPECT_EQ(state.Shown(), 7);
    EXPECT_EQ(state.Caption(), "Bobby") << "the roster's display name";
    ASSERT_TRUE(module.Handlers().SendTyped("ab"));
    const TChatMessage& sent = [&] {
        static TChatMessage m;
        const QByteArray payload = session.sender.sent.back().payload;
        PayloadReader reader(payload);
        m = TChatMessage::decode(reader, TChatTextForm::Wide);
        EXPECT_EQ(payload.size(), 25);
        return m;
    }();
    EXPECT_EQ(session.sender.sent.back().command, cmPrivateChat);
    EXPECT_EQ(sent.record.From(), kOwnId);
    EXPECT_EQ(sent.record.To(), 7);
    EXPECT_EQ(sent.record.Kind(), ckPrivate);
    EXPECT_EQ(sent.record.Room(), 100);
    EXPECT_EQ(sent.text, "ab\r\n");

    // The own private message comes back: into the conversation with its addressee, in blue.
    receive(cmPrivateChat, ChatPayload(kOwnId, 7, ckPrivate, "ab\r\n"));
    deliverPosted();
    EXPECT_EQ(PlainText(log(7)), "Bob\npsst\nAlice\nab\n");

    // A public message after it shows the public log: a reply can never go privately by mistake.
    receive(cmChat, ChatPayload(1, 0, ckPublic, "everyone"));
    deliverPosted();
    EXPECT_EQ(state.Mode(), ckPublic);
    EXPECT_EQ(state.Shown(), 0);
    module.Handlers().SendTyped("to all");
    EXPECT_EQ(session.sender.sent.back().command, cmChat);

    // A private conversation with nobody or with oneself is never selected.
    want(ckPrivate, 0);
    want(ckPrivate, kOwnId);
    EXPECT_EQ(state.Mode(), ckPublic);
    EXPECT_EQ(state.Shown(), 0);
    want(ckPrivate, 55);
    EXPECT_EQ(state.Caption(), "Unknown User");

    // Nothing but the beep for a message without text, and for notes here.
    settings.BeepOnNewMessage = true;
    module.ApplySettings(settings);
    const QString before = PlainText(log(0));
    receive(cmChat, ChatPayload(1, 0, ckPublic, ""));
    receive(cmChat, ChatPayload(1, 0, ckNote, "a question"));
    EXPECT_EQ(PlainText(log(0)), before);
    EXPECT_EQ(session.notices.beeps, (std::vector<std::pair<int, int>>{{400, 10}, {400, 10}}));
    session.state.launchMode = TLaunchMode::LocalFile;
    receive(cmChat, ChatPayload(1, 0, ckPublic, "replayed"));
    EXPECT_EQ(session.notices.beeps.size(), 2u) << "a recording plays no beeps";
}

TEST_F(ChatFixture, PermissionLevelsSetTheControlsForParticipantsAndModerators) {
    const struct Case {
        std::int32_t level;
        bool moderator;
        bool entry, recipientMenu;
        std::int32_t checked;
        const char* caption;
        bool warns;
    } cases[] = {
        {0, false, true, true, 0, "Public Messages", false},
        {1, false, true, false, 1, "Public Messages", false},
        {2, false, true, true, -1, "Public Messages", false},
        {3, false, false, false, 3, "Public Messages - Disabled for users", true},
        {3, true, true, false, 3, "Public Messages - Disabled for users", true},
        {0, true, true, true, 0, "Public Messages", false},
    };
    const ChatState& state = module.State();
    for (const Case& c : cases) {
        session.state.account.SetAccountType(c.moderator ? 1000 : 0);
        want(ckPrivate, 7);
        receive(cmSetChatPermissions, TChatPermissionMessage{c.level}.encode());
        EXPECT_EQ(session.sink.all(), (std::vector<PostedMessage>{{MainMsg::ChatPermissions, c.level, 0}}));
        deliverPosted();
        EXPECT_EQ(state.EntryVisible(), c.entry) << c.level << c.moderator;
        EXPECT_EQ(state.RecipientMenuEnabled(), c.recipientMenu) << c.level;
        EXPECT_EQ(state.CheckedPermission(), c.checked) << c.level;
        EXPECT_EQ(state.Caption(), c.caption) << c.level;
        EXPECT_EQ(state.CaptionWarns(), c.warns) << c.level;
        EXPECT_EQ(state.Shown(), 0) << "the public conversation becomes current";
    }
    // A refusal carries no level; moderators alone ask for a change, which waits for the server's notice.
    receive(cmSetChatPermissions, TChatPermissionMessage{3}.encode(), ResultCode::NotPermitted);
    EXPECT_TRUE(session.sink.all().empty());
    session.state.account.SetAccountType(0);
    EXPECT_FALSE(module.Commands().ChoosePermission(1));
    session.state.account.SetRoomRole(1000);
    EXPECT_TRUE(module.Commands().ChoosePermission(1));
    EXPECT_EQ(session.sender.sent.back(), (SentPacket{cmSetChatPermissions, QByteArray("\x01\0\0\0", 4)}));
    EXPECT_EQ(state.CheckedPermission(), 0);
}

// A promotion or demotion while chat is denied to participants takes effect at once; the private
// conversation shown stays.
TEST_F(ChatFixture, APromotionOrDemotionSetsTheEntryAndThePermissionMenuAtOnce) {
    receive(cmSetChatPermissions, TChatPermissionMessage{cpDenyAll}.encode());
    deliverPosted();
    want(ckPrivate, 7);
    const ChatState& state = module.State();
    for (const bool moderator : {true, false, true}) {
        session.state.account.SetAccountType(moderator ? 1000 : 0);
        module.OwnRoleChanged();
        EXPECT_EQ(state.EntryVisible(), moderator) << moderator;
        EXPECT_EQ(state.PermissionMenuVisible(), moderator) << moderator;
        EXPECT_EQ(state.Shown(), 7) << moderator;
    }
}

TEST_F(ChatFixture, RoomEntryStepsAndTheRoomResetKeepAReconnectionsConversations) {
    session.state.room.SetNumber(100);
    runStep(TRoomEntryStep::ResetRoomState);
    runStep(TRoomEntryStep::ChatPane);
    runStep(TRoomEntryStep::ChatPermissions);
    EXPECT_EQ(session.sink.all(), (std::vector<PostedMessage>{{MainMsg::ChatPermissions, 3, 0}}));
    EXPECT_EQ(session.sender.sent, (std::vector<SentPacket>{{cmChatPermissions, {}}}));
    for (const bool moderator : {false, true}) {
        session.state.account.SetAccountType(moderator ? 1000 : 0);
        runStep(TRoomEntryStep::ChatPermissionsMenu);
        EXPECT_EQ(module.State().PermissionMenuVisible(), moderator);
    }

    settings.ConnectionSpeedIsDefault = true;
    module.ApplySettings(settings);
    runStep(TRoomEntryStep::SpeedNotice);
    runStep(TRoomEntryStep::SpeedNotice);
    EXPECT_EQ(PlainText(log(0)),
              ": The system is using a default value for your connection speed. You can set "
              "your real connection speed visiting File - Connection Speed.\n")
        << "once";

    // Entered again after a reconnection: the same room keeps its conversations; another room does not.
    module.Conversations().AddChatLine(7, "Bob", TChatLineKind::Normal, kBlack, "hi");
    want(ckPrivate, 7);
    runStep(TRoomEntryStep::ResetRoomState);
    EXPECT_NE(log(7), nullptr);
    EXPECT_EQ(module.State().Mode(), ckPublic);
    EXPECT_EQ(module.State().Partner(), 0);
    session.state.room.SetNumber(200);
    runStep(TRoomEntryStep::ResetRoomState);
    EXPECT_EQ(log(7), nullptr);
    EXPECT_EQ(log(0), nullptr);
}

TEST_F(ChatFixture, OthersMessagesPopUpOutOfSightAndNotifyTheDesktopInTheBackground) {
    settings.DesktopNotifications = true;
    module.ApplySettings(settings);
    int popUps = 0;
    QObject::connect(&module.Handlers(), &ChatHandlers::PopUpRequested, [&] { ++popUps; });
    const struct Case {
        const char* what;
        std::uint16_t from;
        TChatKind kind;
        const char* text;
        TNavigationPage page;
        bool fullScreen, largeWindow, active, noPopUps, notifications;
        int popUps;
        const char* notification; // summary, or empty for none
    } cases[] = {
        {"public, chat in sight", 1, ckPublic, "hi", TNavigationPage::TextChat, false, false, false, false,
         true, 0, ""},
        {"public, notes page", 1, ckPublic, "hi", TNavigationPage::Notes, false, false, true, false, true, 1,
         ""},
        {"public, full screen", 1, ckPublic, "hi", TNavigationPage::TextChat, true, false, true, false, true,
         1, ""},
        {"public, large window", 1, ckPublic, "hi", TNavigationPage::Notes, false, true, true, false, true, 0,
         ""},
        {"own public", kOwnId, ckPublic, "hi alice", TNavigationPage::Notes, false, false, false, false, true,
         0, ""},
        {"public naming the user", 1, ckPublic, "Thanks, ALICE!", TNavigationPage::TextChat, false, false,
         false, false, true, 0, "Tess (Moderator) mentioned you"},
        {"a longer word is no name", 1, ckPublic, "Alicesprings", TNavigationPage::TextChat, false, false,
         false, false, true, 0, ""},
        {"private, background", 7, ckPrivate, "psst", TNavigationPage::TextChat, false, false, false, false,
         true, 0, "Private message from Bob"},
        {"private, window active", 7, ckPrivate, "psst", TNavigationPage::Notes, false, false, true, false,
         true, 1, ""},
        {"private, large window", 7, ckPrivate, "psst", TNavigationPage::Notes, false, true, false, false,
         true, 1, "Private message from Bob"},
        {"pop-ups and notifications off", 7, ckPrivate, "psst", TNavigationPage::Notes, false, false, false,
         true, false, 0, ""},
    };
    for (const Case& c : cases) {
        session.panes.page = c.page;
        session.panes.fullScreen = c.fullScreen;
        session.panes.active = c.active;
        if (c.largeWindow)
            module.Commands().OpenLargeWindow();
        else
            module.Commands().CloseLargeWindow();
        session.panes.page = c.page;
        settings.DonPopUpChatMessages = c.noPopUps;
        settings.DesktopNotifications = c.notifications;
        module.ApplySettings(settings);
        popUps = 0;
        session.desktop.shown.clear();
        receive(c.kind == ckPublic ? cmChat : cmPrivateChat, ChatPayload(c.from, kOwnId, c.kind, c.text));
        EXPECT_EQ(popUps, c.popUps) << c.what;
        const QString summary = session.desktop.shown.empty() ? "" : session.desktop.shown[0].summary;
        EXPECT_EQ(summary, c.notification) << c.what;
    }

    // Clicking the notification brings the window up on that conversation.
    settings.DesktopNotifications = true;
    module.ApplySettings(settings);
    module.Commands().CloseLargeWindow();
    session.panes.page = TNavigationPage::Notes;
    session.panes.active = false;
    session.desktop.shown.clear();
    receive(cmPrivateChat, ChatPayload(7, kOwnId, ckPrivate, "are you there?"));
    deliverPosted();
    want(ckPublic, 0);
    ASSERT_EQ(session.desktop.shown.size(), 1u);
    EXPECT_EQ(session.desktop.shown[0].body, "are you there?");
    session.desktop.shown[0].activated();
    EXPECT_EQ(session.panes.raised, 1);
    EXPECT_EQ(session.panes.page, TNavigationPage::TextChat);
    EXPECT_EQ(module.State().Shown(), 7);
    EXPECT_EQ(module.State().Mode(), ckPrivate);
}

} // namespace
} // namespace orv
