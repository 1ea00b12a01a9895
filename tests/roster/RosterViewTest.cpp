// The roster view: entries' layout and looks, sorting, the local-time line, blinking on virtual timers, the
// counters on screen; and the personal information: the card, the profile written into the account record
// and sent, the photo's size limit.
#include "link/SessionState.h"
#include "protocol/Constants.h"
#include "protocol/PacketHeader.h"
#include "protocol/SessionMessages.h"
#include "protocol/Stamp.h"
#include "protocol/WireFormat.h"
#include "roster/LocalTime.h"
#include "roster/ParticipantListPane.h"
#include "roster/PersonalInfo.h"
#include "roster/Roster.h"
#include "roster/RosterModule.h"
#include "roster/RosterPictures.h"
#include "roster/UserEntryView.h"
#include "roster/UserListView.h"
#include "session/ResourceTransfers.h"
#include "support/FakeSession.h"
#include "support/FakeTimers.h"
#include "support/QtPrinters.h"
#include "support/RosterNames.h"

#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace orv {
namespace {

TParticipantRecord Person(std::uint16_t id, const QString& name, std::int32_t userType = 0,
                          std::int32_t bias = 0) {
    TParticipantRecord r;
    r.SetUserId(id);
    r.SetFirstName(name.section(' ', 0, 0));
    r.SetFullName(name);
    r.SetUserType(userType);
    r.SetTimeBias(bias);
    return r;
}

using test::Names;

const QDateTime kNoonUtc(QDate(2026, 3, 2), QTime(12, 0), QTimeZone::utc());

struct ViewFixture : ::testing::Test {
    ViewFixture() {
        session.state.account.SetUserId(1);
        roster.SetTimers(&timers, [this] { return utcNow; });
    }
    TUserNode& add(std::uint16_t id, const QString& name, std::int32_t type = 0, std::int32_t bias = 0) {
        return roster.AddParticipant(Person(id, name, type, bias));
    }

    test::FakeSession session;
    test::FakeTimers timers{session.clock};
    QDateTime utcNow = kNoonUtc;
    Roster roster{session.state};
};

TEST(LocalTimeLine, TheOffsetFollowsTheBiasWithItsSignTurned) {
    const struct {
        int bias;
        QTime local;
        QString offset;
    } cases[] = {{-120, QTime(14, 0), "(GMT+2:00)"},
                 {330, QTime(6, 30), "(GMT-5:30)"},
                 {0, QTime(12, 0), "(GMT 0:00)"},
                 {-345, QTime(17, 45), "(GMT+5:45)"},
                 {720, QTime(0, 0), "(GMT-12:00)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bias);
        EXPECT_EQ(ParticipantLocalTime(kNoonUtc, c.bias).time(), c.local);
        EXPECT_EQ(LocalTimeLine(kNoonUtc, c.bias),
                  QLocale().toString(c.local, QLocale::ShortFormat) + " " + c.offset);
    }
}

TEST_F(ViewFixture, ExpandingWritesTheLocalTimeAndTheMinuteTickKeepsExpandedEntriesCurrent) {
    TUserNode& ann = add(2, "Ann", 0, -60);
    TUserNode& bob = add(3, "Bob", 0, 0);
    std::vector<std::pair<std::uint16_t, bool>> told;
    QObject::connect(&roster, &Roster::ItemExpanded,
                     [&told](std::uint16_t user, bool expanded) { told.emplace_back(user, expanded); });
    roster.SetExpanded(ann, true);
    EXPECT_TRUE(ann.InfoText().endsWith("(GMT+1:00)"));
    EXPECT_EQ(ann.UserLocalTime().time(), QTime(13, 0));
    EXPECT_TRUE(bob.InfoText().isEmpty());
    utcNow = utcNow.addSecs(60);
    timers.advance(60000);
    EXPECT_EQ(ann.UserLocalTime().time(), QTime(13, 1));
    EXPECT_TRUE(bob.InfoText().isEmpty()) << "collapsed entries are left alone";
    roster.SetExpanded(ann, false);
    EXPECT_EQ(told, (std::vector<std::pair<std::uint16_t, bool>>{{2, true}, {2, false}}));
}

TEST_F(ViewFixture, SortingOrdersByItsKindBreaksTiesByNameAndCollapsesEveryEntry) {
    const QLocale before;
    QLocale::setDefault(
        QLocale(QLocale::English, QLocale::UnitedStates)); // names compare as people read them
    add(2, "carl");
    add(3, "Bea", 1000);
    add(4, "Ada");
    add(5, "Dan", 1000);
    add(6, "Eve");
    roster.FindEntry(6)->SetMotionMask(Motion::Hand); // queue 1
    roster.FindEntry(2)->SetMotionMask(Motion::Hand); // queue 2
    roster.SetAllExpanded(true);
    const struct {
        TSortKind kind;
        QStringList order;
    } cases[] = {{TSortKind::Name, {"Ada", "Bea", "carl", "Dan", "Eve"}},
                 {TSortKind::ModeratorsOnTop, {"Bea", "Dan", "Ada", "carl", "Eve"}},
                 {TSortKind::HandQueue, {"Eve", "carl", "Ada", "Bea", "Dan"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.kind));
        roster.SetAllExpanded(true);
        roster.Sort(c.kind);
        EXPECT_EQ(Names(roster), c.order);
        for (int i = 0; i < roster.Count(); ++i)
            EXPECT_FALSE(roster.Entry(i).Expanded());
    }
    QLocale::setDefault(before);
}

TEST_F(ViewFixture, MotionPicturesBlinkTwentyOneTimesThenStayAndNegativeValuesStandStill) {
    const struct {
        std::int32_t value;
        bool blinks;
    } cases[] = {{Motion::Hand, true}, {Motion::Smile, true}, {Motion::Clap, true}, {3, true},
                 {Motion::Yes, false}, {Motion::No, false},   {0, false},           {-1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        TUserNode& entry = add(9, "Blinker");
        roster.SetMotions(entry, c.value);
        EXPECT_EQ(entry.MotionBlinking(), c.blinks);
        const bool picture = entry.MotionImageIndex() != MotionPicture::kNoPicture;
        std::vector<bool> seen;
        for (int tick = 0; tick < 22; ++tick) {
            timers.advance(TUserNode::kBlinkIntervalMs);
            seen.push_back(entry.MotionPictureVisible());
        }
        if (c.blinks && picture) {
            EXPECT_FALSE(seen[0]);
            EXPECT_TRUE(seen[1]);
            EXPECT_FALSE(seen[18]);
            EXPECT_TRUE(seen[19]);
            EXPECT_TRUE(seen[20]) << "the 21st toggle leaves it visible, for good";
            EXPECT_TRUE(seen[21]);
        } else {
            EXPECT_EQ(std::count(seen.begin(), seen.end(), picture), 22);
        }
        EXPECT_FALSE(entry.MotionBlinking());
        roster.RemoveParticipant(9);
    }
    EXPECT_EQ(timers.activeCount(), 1) << "only the minute tick runs";
}

TEST_F(ViewFixture, EntriesAreTwentyHighCollapsedAndSeventyFiveExpandedWithTheirPartsInPlace) {
    TOrvaneUserList list(roster);
    list.resize(240, 300);
    TUserNode& ann = add(2, "Ann Lee", 1000);
    ann.SetMicrophoneStatus(msRequesting);
    ann.SetCameraStatus(csGranted);
    ann.SetMotionMask(Motion::Hand);
    list.Refresh();
    list.show();
    TOrvaneUserCanvas* canvas = list.CanvasOf(2);
    ASSERT_NE(canvas, nullptr);
    canvas->resize(240, canvas->height());
    EXPECT_EQ(canvas->height(), TOrvaneUserCanvas::kCollapsedHeight);
    EXPECT_EQ(canvas->MikeHint(), "The user is requesting a microphone");
    EXPECT_EQ(canvas->CamHint(), "The user is given a webcam access") << "blank picture, hint kept";
    const QRect mike = canvas->PartGeometry("mike");
    EXPECT_EQ(mike.size(), QSize(16, 16));
    EXPECT_EQ(mike.top(), 2);
    EXPECT_EQ(canvas->PartGeometry("cam").left(), mike.left() - 17);
    EXPECT_EQ(canvas->PartGeometry("motion").left(), mike.left() - 34);
    EXPECT_TRUE(canvas->BadgeText().isEmpty());

    roster.SetExpanded(ann, true);
    list.Refresh();
    EXPECT_EQ(canvas->height(), TOrvaneUserCanvas::kExpandedHeight);
    EXPECT_EQ(canvas->PartGeometry("photoFrame"), QRect(4, 21, 62, 47));
    EXPECT_EQ(canvas->PartGeometry("photo"), QRect(5, 22, 60, 45));
    EXPECT_EQ(canvas->PartGeometry("badge").bottom() + 1, 71);
    EXPECT_EQ(canvas->PartGeometry("border"), QRect(0, 0, canvas->width(), 74));
    EXPECT_EQ(canvas->BadgeText(), "ONLINE");
    EXPECT_EQ(canvas->PartGeometry("mike").left(), canvas->width() - 19);
    EXPECT_EQ(TOrvaneBorder::CornerSize(QSize(240, 74)), 10);

    ann.SetOnlineStatus(usAway);
    list.Refresh();
    EXPECT_EQ(canvas->NameText(), "Away - Ann Lee");
    EXPECT_EQ(canvas->BadgeText(), "AWAY");
    ann.SetOnlineStatus(usBusy);
    list.Refresh();
    EXPECT_EQ(canvas->NameText(), "(In Audio Test) - Ann Lee");
    EXPECT_EQ(canvas->BadgeText(), "Audio Test");
}

TEST_F(ViewFixture, DoubleClickAndEnterToggleAndSelectAndRemovingTheSelectedSelectsTheFirst) {
    TOrvaneUserList list(roster);
    add(2, "Ann");
    add(3, "Bob");
    list.Refresh();
    TOrvaneUserCanvas* bob = list.CanvasOf(3);
    std::vector<bool> expansions;
    QObject::connect(&roster, &Roster::ItemExpanded,
                     [&expansions](std::uint16_t, bool expanded) { expansions.push_back(expanded); });
    emit bob->toggleRequested(3);
    EXPECT_EQ(roster.Selected(), roster.FindEntry(3));
    EXPECT_TRUE(roster.FindEntry(3)->Expanded());
    EXPECT_EQ(expansions, std::vector<bool>{true});
    roster.RemoveParticipant(3);
    list.Refresh();
    EXPECT_EQ(roster.Selected(), roster.FindEntry(2));
    EXPECT_EQ(list.Count(), 1);
}

TEST(RosterPictures, EveryIndexTheRosterUsesIsDrawn) {
    for (const int index : RosterPictureIndexes()) {
        SCOPED_TRACE(index);
        const QImage picture = RosterPicture(index).toImage();
        ASSERT_EQ(picture.size(), QSize(16, 16));
        int painted = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                painted += qAlpha(picture.pixel(x, y)) > 0;
        EXPECT_GT(painted, 10);
    }
    EXPECT_TRUE(RosterPicture(-1).isNull());
}

// Personal information.

struct ProfileFixture : ::testing::Test {
    ProfileFixture() { session.state.account.SetUserId(1); }
    test::FakeSession session;
    Roster roster{session.state};
    TUserPhotos photos{session.state};
    TPersonalInfo info{session.context, roster, photos};
};

TEST_F(ProfileFixture, TheCardShowsTheRecordAndTheAgeOnlyFromOneToNinetyNine) {
    TParticipantRecord r = Person(2, "Ann Lee", 1000);
    r.SetLocation("Lisbon");
    r.SetProfession("Physicist");
    const struct {
        std::int32_t age;
        QString shown;
    } ages[] = {{0, ""}, {1, "Age: 1 yrs"}, {30, "Age: 30 yrs"}, {99, "Age: 99 yrs"}, {100, ""}, {-5, ""}};
    for (const auto& a : ages) {
        SCOPED_TRACE(a.age);
        TParticipantRecord aged = r;
        aged.SetAge(a.age);
        const TProfileCard card = info.CardOf(roster.AddParticipant(aged));
        EXPECT_EQ(card.age, a.shown);
        EXPECT_EQ(card.caption, "Ann Lee");
        EXPECT_EQ(card.location, "Lisbon");
        EXPECT_EQ(card.type, "Moderator");
        EXPECT_FALSE(card.own);
    }
    EXPECT_TRUE(info.CardOf(roster.AddParticipant(Person(1, "Me Myself"))).own);
}

TProfileForm FullForm() {
    TProfileForm f;
    f.firstName = "  Ann ";
    f.lastName = "Lee";
    f.email = "ann@example.org";
    f.address = "1 Rua Nova";
    f.city = QString(60, 'c'); // longer than its field
    f.zip = "1000-001";
    f.phones = "+351 1";
    f.company = "Lab";
    f.languages = "pt, en";
    f.gender = "F";
    f.birthDate = QDate(1990, 5, 17);
    return f;
}

TEST_F(ProfileFixture, RequiredFieldsAreCheckedInOrderAndTheFirstMissingOneIsNamed) {
    const struct {
        std::function<void(TProfileForm&)> spoil;
        std::optional<TProfileField> field;
        QString message;
    } cases[] = {
        {[](TProfileForm&) {}, std::nullopt, ""},
        {[](TProfileForm& f) { f.email = " "; }, TProfileField::Email, "eMail Address is required !"},
        {[](TProfileForm& f) { f.lastName.clear(), f.email.clear(); }, TProfileField::LastName,
         "Last Name is required !"},
        {[](TProfileForm& f) { f.firstName = "\t", f.lastName.clear(); }, TProfileField::FirstName,
         "First Name is required !"}};
    for (const auto& c : cases) {
        TProfileForm form = FullForm();
        c.spoil(form);
        const auto problem = TPersonalInfo::Check(form);
        ASSERT_EQ(problem.has_value(), c.field.has_value());
        if (problem) {
            EXPECT_EQ(problem->field, *c.field);
            EXPECT_EQ(problem->message, c.message);
        }
    }
}

TEST_F(ProfileFixture, SavingWritesTheFieldsAtTheirOffsetsAndSendsTheWholeRecord) {
    TAccountRecord& account = session.state.account;
    account.SetFullName("Ann");
    account.SetAccountType(1000);
    account.SetPassword("secret");
    EXPECT_TRUE(info.OwnForm().lastName.isEmpty()) << "a full name without a blank has no last name";
    EXPECT_EQ(info.Save(FullForm()), TProfileSaved::Sent);
    const QByteArray bytes = account.toByteArray();
    const auto field = [&bytes](int offset) { return bytes.mid(offset + 1, quint8(bytes[offset])); };
    EXPECT_EQ(field(6), "Ann");
    EXPECT_EQ(field(27), "Ann Lee");
    EXPECT_EQ(field(156), "ann@example.org");
    EXPECT_EQ(field(285), "1 Rua Nova");
    EXPECT_EQ(field(418), QByteArray(50, 'c'));
    EXPECT_EQ(field(473), "1000-001");
    EXPECT_EQ(field(494), "+351 1");
    EXPECT_EQ(field(649), "F");
    EXPECT_EQ(
        localFromStamp(wire::load<double>(reinterpret_cast<const std::uint8_t*>(bytes.constData()) + 653))
            .date(),
        QDate(1990, 5, 17));
    EXPECT_EQ(field(676), "Lab");
    EXPECT_EQ(field(777), "pt, en");
    EXPECT_EQ(account.AccountType(), 1000);
    EXPECT_EQ(account.Password(), "secret");
    ASSERT_EQ(session.sender.sent.size(), 1u);
    EXPECT_EQ(session.sender.sent[0].command, cmUpdateProfile);
    EXPECT_EQ(session.sender.sent[0].payload, bytes);
    EXPECT_EQ(session.dialogs.shown,
              QStringList{"info: Updates were sent to server. They will be applied next time you log into."});
}

TEST_F(ProfileFixture, WithoutAConnectionSavingSaysSoInsteadOfSent) {
    session.sender.connected = false;
    EXPECT_EQ(info.Save(FullForm()), TProfileSaved::NotConnected);
    ASSERT_EQ(session.dialogs.shown.size(), 1);
    EXPECT_TRUE(session.dialogs.shown[0].startsWith("error: ")) << session.dialogs.shown[0].toStdString();
    EXPECT_TRUE(session.dialogs.shown[0].contains("no connection"));
    TProfileForm missing = FullForm();
    missing.lastName.clear();
    EXPECT_EQ(info.Save(missing), TProfileSaved::Invalid);
    EXPECT_EQ(session.dialogs.shown.back(), "error: Last Name is required !");
}

TEST_F(ProfileFixture, APhotoOfAtMost51200BytesIsTakenOneByteMoreIsRefused) {
    QTemporaryDir dir;
    const auto file = [&dir](qint64 size) {
        const QString path = dir.filePath(QString::number(size) + ".jpg");
        // A real JPEG, padded to the size: readers stop at its end.
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImage(8, 8, QImage::Format_RGB32).save(&buffer, "JPEG");
        bytes.append(QByteArray(size - bytes.size(), '\0'));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    };
    struct Uploads final : IResourceTransfers {
        void StartUpload(const QString& path, const QString&, TNotifyWindow, TTransferKind kind) override {
            uploads << path;
            kinds.push_back(kind);
        }
        void StartDownload(const TDownloadOrder&) override {}
        void DownloadUserPicture(std::uint16_t, TNotifyWindow) override {}
        bool UploadAndWait(const QString&, const QString&, std::int32_t, TTransferKind) override {
            return false;
        }
        QStringList uploads;
        std::vector<TTransferKind> kinds;
    } transfers;
    photos.SetTransfers(&transfers, dir.path());
    EXPECT_TRUE(info.UploadPhoto(file(kMaxPictureBytes)));
    EXPECT_FALSE(info.UploadPhoto(file(kMaxPictureBytes + 1)));
    const QString text = dir.filePath("text.jpg");
    QFile notJpeg(text);
    ASSERT_TRUE(notJpeg.open(QIODevice::WriteOnly));
    notJpeg.write("not a picture");
    notJpeg.close();
    EXPECT_FALSE(info.UploadPhoto(text));
    EXPECT_EQ(transfers.uploads, QStringList{dir.filePath("51200.jpg")});
    EXPECT_EQ(transfers.kinds, std::vector<TTransferKind>{tkPicture});
    ASSERT_EQ(session.dialogs.shown.size(), 2);
    EXPECT_EQ(session.dialogs.shown[0],
              "error: The image you have selected is too large. Your personal image must not exceed 50 KB.");
    EXPECT_TRUE(session.dialogs.shown[1].startsWith("error: The file is not a JPEG picture"));
}

TEST(RosterModuleView, ThePaneCountsAndTheMenusItemsAreInstalled) {
    test::FakeSession session;
    session.state.account.SetUserId(1);
    test::FakeTimers timers(session.clock);
    TRosterModule module(session.context, &timers);
    module.Handlers().OnParticipantList({{Person(1, "Me"), Person(2, "Ann", 1000), Person(3, "Bob")}});
    EXPECT_EQ(session.panes.participantHeader, " Participants [3]");
    QStringList items;
    for (const auto& action : session.panes.menuActions)
        items << action->text();
    EXPECT_EQ(items, (QStringList{"View My Profile", "Edit My Profile", "Change / Upload Personal Image"}));
    ASSERT_NE(session.panes.participantList, nullptr);
    EXPECT_EQ(ParticipantListRows(*session.panes.participantList),
              (QStringList{"Ann  (Moderator)", "Me  (you)", "Bob"}));
}

} // namespace
} // namespace orv
