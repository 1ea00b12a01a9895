// Session notes: which notes and requests are listed and announced, clearing, the saved file's bytes, the
// composer and the notice's slide on virtual timers.
#include "chat/SessionNotes.h"
#include "chat/ChatModule.h"
#include "chat/NoteRequestDialog.h"
#include "chat/NotesPane.h"
#include "chat/PostItMotion.h"
#include "chat/PostItWindow.h"
#include "link/Dispatcher.h"
#include "protocol/PacketHeader.h"
#include "protocol/PayloadReader.h"
#include "session/Settings.h"
#include "support/FakeDirectory.h"
#include "support/FakeSession.h"
#include "support/FakeTimers.h"
#include "support/QtPrinters.h"

#include <QCheckBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr std::uint16_t kNoteTaker = 2;

TChatMessage Note(std::uint16_t from, std::uint16_t to, const QString& text, TChatKind kind = ckNote) {
    TChatMessage m;
    m.record.SetFrom(from);
    m.record.SetTo(to);
    m.record.SetKind(kind);
    m.text = text;
    return m;
}

struct NotesFixture : ::testing::Test {
    NotesFixture() {
        session.state.account.SetUserId(kNoteTaker);
        QObject::connect(&notes, &TSessionNotes::NoticeRequested,
                         [this](const TNoteNotice& n) { notices.push_back(n); });
    }
    test::FakeSession session;
    test::FakeDirectory directory{{{1, "Tess", "Tess Marlowe", "Tess M.", 1000},
                                   {kNoteTaker, "Alice", "Alice Byrne", "Alice Byrne", 0}}};
    ChatConversations conversations;
    ChatState state{session.state, directory, conversations};
    ChatHandlers handlers{session.context, directory, conversations, state};
    QDateTime now{QDate(2026, 2, 9), QTime(14, 5)};
    TSessionNotes notes{session.context, directory, handlers, [this] { return now; }};
    std::vector<TNoteNotice> notices;
};

TEST_F(NotesFixture, NotesToTheUserOrToEverybodyFromOthersAreListedAndAnnounced) {
    const struct {
        TChatMessage message;
        bool listed;
    } cases[] = {
        {Note(1, kNoteTaker, "to me\r\n"), true},        {Note(1, 0, "to all\r\n"), true},
        {Note(1, 9, "to somebody else\r\n"), false},     {Note(kNoteTaker, 0, "my own echo\r\n"), false},
        {Note(5, 0, "from outside the room\r\n"), true}, {Note(1, 0, "public chat\r\n", ckPublic), false}};
    int expected = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.text.toStdString());
        notes.OnChatNote(c.message);
        expected += c.listed;
        ASSERT_EQ(int(notes.Items().size()), expected);
        ASSERT_EQ(int(notices.size()), expected);
    }
    const TNoteItem& first = notes.Items()[0];
    EXPECT_EQ(first.caption, "14:05");
    EXPECT_EQ(first.sender, "Tess Marlowe") << "the full name, not the display name";
    EXPECT_EQ(first.senderId, std::optional<std::uint16_t>(1));
    EXPECT_EQ(notes.Items()[2].sender, "Unknown");
    EXPECT_EQ(notices[0].caption, "Session Note");
    EXPECT_EQ(notices[0].shownMs, 60000);
}

TEST_F(NotesFixture, RequestsAreListedWithTheirOwnTimeAndShowingOneShowsItsOwnText) {
    notes.OnRequestNote(QDateTime(QDate(2026, 2, 9), QTime(9, 7)), "Tess M.", "");
    notes.OnRequestNote(QDateTime(QDate(2026, 2, 9), QTime(9, 8)), "Tess M.", "a question");
    ASSERT_EQ(notes.Items().size(), 2u);
    EXPECT_EQ(notes.Items()[1].caption, "09:08");
    EXPECT_FALSE(notes.Items()[1].senderId);
    notices.clear();
    notes.Show(1);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, "a question");
    EXPECT_EQ(notices[0].time, QTime(9, 8));
}

TEST_F(NotesFixture, WithNoPopUpsOnNotesAreListedSilently) {
    TSettings settings;
    settings.NoPopUpsOnPostIt = true;
    notes.ApplySettings(settings);
    notes.OnChatNote(Note(1, 0, "quiet"));
    EXPECT_EQ(notes.Items().size(), 1u);
    EXPECT_TRUE(notices.empty());
}

TEST_F(NotesFixture, ClearingAModeratorSendsThirtySevenAParticipantEmptiesTheOwnListOnly) {
    notes.OnChatNote(Note(1, 0, "one"));
    session.state.account.SetAccountType(1000);
    notes.ClearAll();
    EXPECT_EQ(session.dialogs.shown.back(), "question: Are you sure you want to clear all the items?");
    ASSERT_EQ(session.sender.sent.size(), 1u);
    EXPECT_EQ(session.sender.sent[0].command, cmClearNotes);
    EXPECT_EQ(notes.Items().size(), 1u) << "the server's echo empties it";
    notes.OnClearNotes();
    EXPECT_TRUE(notes.Items().empty());

    notes.OnChatNote(Note(1, 0, "two"));
    session.state.account.SetAccountType(0);
    notes.ClearAll();
    EXPECT_EQ(session.dialogs.shown.back(), "question: Are you sure you want to clear your local list?");
    EXPECT_EQ(session.sender.sent.size(), 1u);
    EXPECT_TRUE(notes.Items().empty());
}

TEST_F(NotesFixture, ThirtySevenFromTheServerEmptiesTheModulesList) {
    TChatModule module(session.context, directory, nullptr);
    TPacketDispatcher dispatcher;
    module.RegisterHandlers(dispatcher);
    module.Notes().OnChatNote(Note(1, 0, "one"));
    const QByteArray packet = BuildPacket(cmClearNotes, 1, 100, {});
    dispatcher.DispatchPacket(TPacketHeader::decode(packet), packet);
    EXPECT_TRUE(module.Notes().Items().empty());
}

TEST_F(NotesFixture, ANoteTravelsAsAKindFiveChatMessageOnOneThirtyWithItsLines) {
    session.state.account.SetRoom(100);
    EXPECT_TRUE(notes.SendNote(1, "May I ask\nsomething"));
    ASSERT_EQ(session.sender.sent.size(), 1u);
    EXPECT_EQ(session.sender.sent[0].command, cmChat);
    PayloadReader reader(session.sender.sent[0].payload);
    const TChatMessage sent = TChatMessage::decode(reader, TChatTextForm::Wide);
    EXPECT_EQ(sent.record.Kind(), ckNote);
    EXPECT_EQ(sent.record.To(), 1);
    EXPECT_EQ(sent.record.From(), kNoteTaker);
    EXPECT_EQ(sent.text, "May I ask\r\nsomething\r\n");
    session.sender.connected = false;
    EXPECT_FALSE(notes.SendNote(0, "lost"));
}

TEST(SessionNotesFile, FieldsAreQuotedOnlyWhereTheyMustBe) {
    const struct {
        QString field;
        QString saved;
    } cases[] = {{"Pending", "Pending"},
                 {"Tess Marlowe", "\"Tess Marlowe\""},
                 {"a,b", "\"a,b\""},
                 {"say \"hi\"", "\"say \"\"hi\"\"\""},
                 {"line\r\n", "\"line\r\n\""},
                 {"", "\"\""},
                 {"Olá", "Olá"}};
    for (const auto& c : cases)
        EXPECT_EQ(TSessionNotes::QuoteField(c.field), c.saved) << c.field.toStdString();
}

TEST_F(NotesFixture, TheSavedFileHasTheHeadingTheItemsAndTheEndAndKeepsTheOlderFileAsBak) {
    notes.OnChatNote(Note(1, kNoteTaker, "May I ask a question\r\n"));
    notes.OnRequestNote(QDateTime(QDate(2026, 2, 9), QTime(9, 8)), "Tess", "go");
    notes.SetComplete(1);
    QTemporaryDir dir;
    const QString path = dir.filePath("notes.txt");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("older");
    }
    ASSERT_TRUE(notes.Save(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("Orvane Live Session Notes and Question\r\n"
                                          "Date: Feb-09-2026 14:05\r\n"
                                          "\r\n"
                                          "14:05,\"Tess Marlowe\",\"May I ask a question\r\n\",Pending,1\r\n"
                                          "09:08,Tess,go,Complete\r\n"
                                          "\r\n"
                                          "\r\n"));
    QFile backup(dir.filePath("notes.bak"));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), "older");
    EXPECT_EQ(TSessionNotes::ProposedFileName(now), "Orvane Session Notes Feb-09-2026 1405.txt");
}

TEST_F(NotesFixture, AFailedSaveIsReported) {
    notes.OnChatNote(Note(1, 0, "x"));
    EXPECT_FALSE(notes.Save("/nonexistent-folder/notes.txt"));
    ASSERT_FALSE(session.dialogs.shown.isEmpty());
    EXPECT_TRUE(session.dialogs.shown.back().startsWith("error: The notes could not be saved"));
}

TEST_F(NotesFixture, ThePaneStrikesOutCompleteItemsWhichKeepTheirPlace) {
    std::unique_ptr<QWidget> pane(NewNotesPane({notes, session.dialogs, QtTimerFactory::instance(), {}}));
    TSettings quiet;
    quiet.NoPopUpsOnPostIt = true; // no notice windows here
    notes.ApplySettings(quiet);
    notes.OnChatNote(Note(1, 0, "first"));
    notes.OnChatNote(Note(1, 0, "second"));
    notes.SetComplete(0);
    EXPECT_EQ(NotesPaneRows(*pane), (QStringList{"14:05 | Tess Marlowe: first | Complete (struck)",
                                                 "14:05 | Tess Marlowe: second | Pending"}));
}

TEST(NoteComposer, SendNeedsTextAndAPredefinedEntryFillsTheNote) {
    test::FakeDialogs dialogs;
    TfrmRequest composer("All Attendees in the room", dialogs);
    composer.SetNote("   ");
    composer.Send();
    EXPECT_EQ(composer.result(), QDialog::Rejected);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith("error: Nothing to send."));
    composer.SetNote("Hello");
    composer.Send();
    EXPECT_EQ(composer.result(), QDialog::Accepted);
}

TEST(PostItMotion, RisesTenPixelsEveryTwentyFiveMillisecondsStaysThenSinksAndCloses) {
    test::FakeClock clock;
    test::FakeTimers timers(clock);
    std::vector<int> tops;
    int closed = 0;
    TPostItMotion motion(
        timers, [&tops](int top) { tops.push_back(top); }, [&closed] { ++closed; });
    // A 768-high screen whose work area ends 40 pixels above its bottom; a 100-high notice.
    motion.Start(QRect(0, 0, 1024, 728), 768, 100, 20000);
    EXPECT_EQ(tops, std::vector<int>{728});
    timers.advance(25);
    EXPECT_EQ(motion.Top(), 718);
    timers.advance(25 * 12);
    EXPECT_EQ(motion.Top(), 618) << "stops once at most 728 - 100 - 5";
    EXPECT_EQ(motion.Phase(), TPostItMotion::TPhase::Shown);
    timers.advance(19000);
    EXPECT_EQ(motion.Top(), 618);
    timers.advance(1000 - 25 * 13);
    EXPECT_EQ(motion.Phase(), TPostItMotion::TPhase::RollingIn);
    timers.advance(25);
    EXPECT_EQ(motion.Top(), 628);
    timers.advance(25 * 13);
    EXPECT_EQ(motion.Top(), 758);
    EXPECT_EQ(closed, 0);
    timers.advance(25);
    EXPECT_EQ(motion.Top(), 768);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(timers.activeCount(), 0);
}

TEST(PostItWindow, ShowsTheNoteAndCloseStopsItAtOnce) {
    test::FakeClock clock;
    test::FakeTimers timers(clock);
    bool kept = false;
    QPointer<TfrmPostIt> notice = new TfrmPostIt(
        {"Session Note", "Tess", "May I ask?\r\n", QTime(9, 8), 60000}, false,
        [&kept](bool on) { kept = on; }, timers);
    notice->Start(QRect(0, 0, 800, 600), 600);
    EXPECT_EQ(notice->Sender(), "Tess");
    EXPECT_EQ(notice->Text(), "May I ask?");
    EXPECT_EQ(notice->x(), 800 - notice->width() - 5);
    notice->findChild<QCheckBox*>("noPopUps")->setChecked(true);
    EXPECT_TRUE(kept);
    notice->findChild<QPushButton*>("postItCloseLink")->click();
    EXPECT_EQ(notice->Motion().Phase(), TPostItMotion::TPhase::Closed);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(notice.isNull());
}

} // namespace
} // namespace orv
