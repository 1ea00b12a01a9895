// Polls on one client: the answer mask, the record and its file, favourite polls, received polls, checks and
// wake-up calls, the answering countdown on a virtual clock, and the results.
#include "polls/Polls.h"
#include "platform/SettingsStore.h"
#include "polls/PollAnswers.h"
#include "polls/PollFile.h"
#include "session/ParticipantMarks.h"
#include "support/FakeDirectory.h"
#include "support/FakeSession.h"
#include "support/FakeTimers.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

namespace orv {
namespace {

using test::SentPacket;

constexpr std::uint16_t kOwnId = 1;

struct CountingMarks final : IParticipantMarks {
    void HideLoadMarks() override { ++hidden; }
    int hidden = 0;
};

struct PollsFixture : ::testing::Test {
    PollsFixture() {
        session.state.account.SetUserId(kOwnId);
        session.state.account.SetAccountType(1000);
        directory.add(kOwnId, "Tess");
        directory.add(2, "Alice, \"Al\"");
        directory.add(3, "Bob");
    }
    // Delivers what the polls posted to the main window, as its event loop would.
    void deliverPosts() {
        for (const test::PostedMessage& m : session.sink.all())
            polls.ShowReceivedPoll(m.wParam);
        session.sink.clear();
    }
    TPollRecord poll(std::uint16_t type, std::uint16_t from, const QString& question, std::int32_t mask = 0) {
        TPollRecord r;
        r.SetPingType(type);
        r.SetFromId(from);
        r.SetQuestion(question);
        r.SetAnswerMask(mask);
        return r;
    }

    QTemporaryDir dir;
    TSettingsStore store{dir.filePath("settings.ini")};
    test::FakeSession session;
    test::FakeTimers timers{session.clock};
    test::FakeDirectory directory;
    CountingMarks marks;
    TPolls polls{session.context, directory, marks, timers, &store};
};

TEST(PollAnswers, MaskTable) {
    const struct {
        std::int32_t mask;
        std::vector<int> answers;
    } cases[] = {
        {50331648, {1, 2}},           // Yes and No
        {1, {26}},                    // Wrong
        {0, {}},                      // nothing offered
        {(1 << 26) | (1 << 25), {1}}, // a bit above Yes is ignored
        {-1,
         [] {
             std::vector<int> all(26);
             std::iota(all.begin(), all.end(), 1);
             return all;
         }()}, // the sign and high bits are ignored
        {std::numeric_limits<std::int32_t>::min(), {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PollAnswers::OfMask(c.mask), c.answers) << c.mask;
        EXPECT_EQ(PollAnswers::MaskOf(c.answers), c.mask & ((1 << 26) - 1)) << c.mask;
    }
    EXPECT_EQ(PollAnswers::MaskOf({0, 27, -3, 26}), 1) << "numbers outside the table are left out";
    EXPECT_EQ(PollAnswers::Name(1), "Yes");
    EXPECT_EQ(PollAnswers::Name(27), "");
    EXPECT_EQ(PollAnswers::NumberOf("  not SURE "), 5);
    EXPECT_EQ(PollAnswers::NumberOf("10"), 16);
    EXPECT_EQ(PollAnswers::NumberOf("Maybe"), 0);
}

TEST(PollRecord, LayoutAndPollFileRoundTrip) {
    TPollRecord r;
    r.SetId(0x01020304);
    r.SetFromId(0x0506);
    r.SetToId(0x0708);
    r.SetPingType(ptPoll);
    r.SetMustReply(true);
    r.SetMultipleAns(true);
    r.SetAnswerMask(50331648);
    r.SetQuestion("Q?");
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 217);
    EXPECT_EQ(bytes.left(18).toHex(), QByteArray("04030201"
                                                 "0605"
                                                 "0807"
                                                 "0200"
                                                 "01"
                                                 "01"
                                                 "00000003"
                                                 "02"
                                                 "51"));

    QTemporaryDir dir;
    const QString path = dir.filePath("quiz.exm");
    ASSERT_TRUE(WritePollFile(path, 1, "Is it wrong?"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), PollFileRecord(1, "Is it wrong?").encode()) << "exactly one record";
    const std::optional<TPollRecord> read = ReadPollFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Question(), "Is it wrong?");
    EXPECT_EQ(read->AnswerMask(), 1);
    EXPECT_EQ(read->PingType(), ptPoll);
    EXPECT_EQ(read->Id(), 0);

    EXPECT_FALSE(DecodePollFile(bytes.left(216))) << "a short file has no poll";
    EXPECT_FALSE(ReadPollFile(dir.filePath("missing.exm")));
    EXPECT_FALSE(WritePollFile(dir.filePath("no/such/folder/x.exm"), 1, "x"));
}

TEST_F(PollsFixture, FavouritePollsKeepAnyQuestionAndAreSentAfterConfirmation) {
    const QString slashes = "Is a/b or a\\b a path?";
    const QString longQuestion = QString(230, 'q');
    ASSERT_TRUE(polls.SendNewPoll({"  " + slashes + "  ", 50331648, true}));
    ASSERT_TRUE(polls.SendNewPoll({longQuestion, 1, true}));
    StoredPolls& stored = *polls.Favourites();
    EXPECT_EQ(stored.List(), (QStringList{slashes, QString(200, 'q')}));
    const std::optional<TPollRecord> kept = stored.Load(slashes);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->AnswerMask(), 50331648);
    EXPECT_EQ(kept->PingType(), ptPoll);
    EXPECT_FALSE(kept->MustReply());
    EXPECT_EQ(TSettingsStore(store.path()).Subkeys({"StoredPolls"}).size(), 2) << "written to the file";

    session.sender.sent.clear();
    session.dialogs.answer = false;
    EXPECT_FALSE(polls.ResendStoredPoll(slashes)) << "the user said Cancel";
    EXPECT_TRUE(session.sender.sent.empty());
    session.dialogs.answer = true;
    ASSERT_TRUE(polls.ResendStoredPoll(slashes));
    ASSERT_EQ(session.sender.sent.size(), 1u);
    auto reader = PayloadReader(session.sender.sent[0].payload);
    const TPollRecord sent = TPollRecord::decode(reader);
    EXPECT_EQ(sent.Question(), slashes);
    EXPECT_EQ(sent.FromId(), kOwnId);
    EXPECT_EQ(polls.Results().Question(), slashes);

    stored.Delete(slashes);
    EXPECT_FALSE(polls.ResendStoredPoll(slashes));
    EXPECT_TRUE(session.dialogs.shown.last().contains("This poll could not be found."))
        << session.dialogs.shown.join(" | ").toStdString();
    EXPECT_EQ(stored.List(), QStringList{QString(200, 'q')});
}

TEST_F(PollsFixture, ChecksAndWakeUpCallsAreAcknowledgedAndPollsOpenEachInItsOwnWindow) {
    polls.OnPoll(poll(ptConnectivity, 9, ""));
    polls.OnPoll(poll(ptWakeUp, 9, ""));
    polls.OnPoll(poll(ptPoll, 9, "first", 50331648));
    polls.OnPoll(poll(ptPoll, 9, "second", 1)); // before the first is shown
    std::vector<TPollAnswering*> opened;
    QObject::connect(&polls, &TPolls::AnswerRequested, [&](TPollAnswering* a) { opened.push_back(a); });
    deliverPosts();

    const SentPacket ack{cmAcknowledge, TAcknowledgeMessage{9}.encode()};
    EXPECT_EQ(session.sender.sent, (std::vector<SentPacket>{ack, ack}));
    EXPECT_EQ(session.notices.beeps, (std::vector<std::pair<int, int>>{{1000, 500}}));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0]->Record().Question(), "first");
    EXPECT_EQ(opened[1]->Record().Question(), "second");
    EXPECT_EQ(opened[1]->Offered(), std::vector<int>{26});

    // Sending hides the marks of what came before.
    session.sender.sent.clear();
    ASSERT_TRUE(polls.CheckConnectivity());
    EXPECT_EQ(marks.hidden, 1);
    session.sender.connected = false;
    EXPECT_FALSE(polls.WakeUpUsers());
    EXPECT_EQ(marks.hidden, 1) << "nothing sent, nothing hidden";
}

TEST_F(PollsFixture, InPlaybackNothingIsSentBeepedOrOpened) {
    session.state.launchMode = TLaunchMode::LocalFile;
    int opened = 0;
    QObject::connect(&polls, &TPolls::AnswerRequested, [&] { ++opened; });
    for (std::uint16_t type : {ptConnectivity, ptWakeUp, ptPoll})
        polls.OnPoll(poll(type, 9, "q", 1));
    deliverPosts();
    EXPECT_FALSE(polls.MaySend());
    EXPECT_FALSE(polls.CheckConnectivity());
    EXPECT_TRUE(session.sender.sent.empty());
    EXPECT_TRUE(session.notices.beeps.empty());
    EXPECT_EQ(opened, 0);
}

TEST_F(PollsFixture, TheAnswerWindowCountsDownTwoMinutesAndSendsOnlyAChosenAnswer) {
    TPollRecord must = poll(ptPoll, 9, "q", 50331648);
    must.SetMustReply(true);
    polls.OnPoll(must);
    polls.OnPoll(poll(ptPoll, 9, "q2", 50331648));
    std::vector<TPollAnswering*> opened;
    QObject::connect(&polls, &TPolls::AnswerRequested, [&](TPollAnswering* a) { opened.push_back(a); });
    deliverPosts();
    ASSERT_EQ(opened.size(), 2u);
    TPollAnswering& unanswered = *opened[0];
    TPollAnswering& answered = *opened[1];
    EXPECT_FALSE(unanswered.CanCancel());
    std::vector<int> shown;
    QObject::connect(&unanswered, &TPollAnswering::RemainingChanged, [&](int s) { shown.push_back(s); });
    unanswered.Start();
    answered.Start();

    EXPECT_FALSE(answered.Send());
    EXPECT_TRUE(session.dialogs.shown.last().contains("No answer selected."))
        << session.dialogs.shown.join(" | ").toStdString();
    EXPECT_TRUE(answered.IsOpen());
    answered.Choose(26);
    EXPECT_EQ(answered.Chosen(), 0) << "not offered";
    answered.Choose(2);
    timers.advance(30'000);
    ASSERT_TRUE(answered.Send());
    EXPECT_EQ(session.sender.sent,
              (std::vector<SentPacket>{{cmPollAnswer, TPollAnswerMessage{9, 2}.encode()}}));
    EXPECT_FALSE(answered.IsOpen());

    timers.advance(89'000);
    EXPECT_TRUE(unanswered.IsOpen());
    EXPECT_EQ(unanswered.Remaining(), 1);
    timers.advance(1'000);
    EXPECT_FALSE(unanswered.IsOpen()) << "closed 120 s after showing";
    EXPECT_EQ(shown.front(), 120);
    EXPECT_EQ(shown.back(), 1);
    EXPECT_EQ(shown.size(), 120u);
    EXPECT_EQ(session.sender.sent.size(), 1u) << "no answer for the poll that ran out";
    EXPECT_EQ(timers.activeCount(), 0);
    EXPECT_TRUE(polls.OpenAnswers().empty());
}

TEST_F(PollsFixture, ResultsKeepTheRowsOfParticipantsWhoLeftAndTallyTheAnswers) {
    polls.OnPollAnswer(3, 1); // Bob: Yes
    ASSERT_EQ(polls.Results().Rows().size(), 2u) << "everybody but the user";
    directory.remove(3);
    directory.add(4, "Carol");
    polls.OnPollAnswer(4, 1);
    polls.OnPollAnswer(3, 2); // Bob, gone: ignored
    polls.OnPollAnswer(5, 2); // never here
    const TPollResults& results = polls.Results();
    ASSERT_EQ(results.ParticipantCount(), 3);
    EXPECT_EQ(results.Rows()[1].name, "Bob");
    EXPECT_EQ(TPollResults::AnswerText(results.Rows()[1]), "Yes");
    EXPECT_EQ(results.AnswerCount(), 2);
    const std::vector<TPollTally> tallies = results.Tallies();
    ASSERT_EQ(tallies.size(), 2u);
    EXPECT_EQ(TPollResults::TallyText(tallies[0]), "<No Answer> (33.33% or 1 users)");
    EXPECT_TRUE(tallies[0].noAnswer);
    EXPECT_EQ(TPollResults::TallyText(tallies[1]), "Yes (66.67% or 2 users)");
    EXPECT_FALSE(tallies[1].noAnswer);

    polls.OnPollAnswer(4, 2); // Carol changes her mind
    EXPECT_EQ(TPollResults::AnswerText(results.Rows()[2]), "No");

    polls.Results().SetQuestion("Ready?");
    const QString path = dir.filePath("results.rtf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ASSERT_EQ(results.SaveTo(path), "");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()),
              "Ready?\n\n\"Alice, \"\"Al\"\"\",<No Answer>\nBob,Yes\nCarol,No\n\n"
              "<No Answer> (33.33% or 1 users)\nYes (33.33% or 1 users)\nNo (33.33% or 1 users)\n");
    QFile backup(dir.filePath("results.bak"));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), "old");
    EXPECT_NE(results.SaveTo(dir.filePath("no/such/folder/r.rtf")), "") << "a failure is reported";

    polls.BeginNewPoll();
    EXPECT_EQ(results.ParticipantCount(), 0);
    EXPECT_TRUE(results.Tallies().empty());
}

} // namespace
} // namespace orv
