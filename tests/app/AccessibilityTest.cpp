// Every control a keyboard user can reach in the program's windows has a name a screen reader can say: its
// own text, a label that names it, or an accessible name.
#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "app/ProgressWindow.h"
#include "app/RoomListWindow.h"
#include "app/SettingsWindow.h"
#include "app/SignInWindow.h"
#include "board/BoardModule.h"
#include "board/BoardWindow.h"
#include "board/FontSettingsWindow.h"
#include "chat/ChatModule.h"
#include "chat/NoteRequestDialog.h"
#include "chat/NotesPane.h"
#include "chat/PostItWindow.h"
#include "moderation/KickReasonDialog.h"
#include "platform/SettingsStore.h"
#include "platform/Timer.h"
#include "playback/PlayerWindow.h"
#include "polls/ExamWindow.h"
#include "polls/PollDialog.h"
#include "polls/PollResultsWindow.h"
#include "protocol/RoomRecords.h"
#include "protocol/SignInRecords.h"
#include "roster/ParticipantListPane.h"
#include "roster/ProfileCardWindow.h"
#include "roster/ProfileEditWindow.h"
#include "roster/RosterModule.h"
#include "support/FakeDialogs.h"
#include "support/FakeSession.h"
#include "video/VideoWindow.h"
#include "voice/AudioControlPane.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace orv {
namespace {

// The reachable controls of `window` that nothing names.
QStringList unnamedControls(QWidget& window) {
    QSet<const QWidget*> labelled;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy())
            labelled << label->buddy();
    for (const QFormLayout* form : window.findChildren<QFormLayout*>())
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* field = form->itemAt(row, QFormLayout::FieldRole))
                if (field->widget() && form->labelForField(field->widget()))
                    labelled << field->widget();
    QStringList unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&window) || w->focusProxy())
            continue;
        // Parts of a composite control: the composite carries the name.
        if (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const bool named = !w->accessibleName().isEmpty() || labelled.contains(w) ||
                           (button && !button->text().isEmpty()) || qobject_cast<QTabBar*>(w) ||
                           (qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->text().isEmpty());
        if (!named)
            unnamed << QString("%1 %2").arg(w->metaObject()->className(), w->objectName());
    }
    return unnamed;
}

TEST(Accessibility, EveryReachableControlOfEveryWindowHasAName) {
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath("settings.ini"));
    test::FakeDialogs dialogs;
    TAccountRecord account;
    account.SetFirstName("Ann");
    TStartupInfo startup;
    TSettings settings;
    TSettingsEffectsFanOut effects;
    TSettingsWindowContext context;
    context.inRoom = true;
    context.moderator = true;
    context.captureDrivers = {"Test pattern"};
    TPollRecord poll;
    poll.SetAnswerMask(50331648);
    TPollAnswering answering(poll, QtTimerFactory::instance(), dialogs,
                             [](std::uint16_t, int) { return true; });
    TPollResults results;
    test::FakeSession session;
    TBoardModule board(session.context);
    board.ApplySettings(settings);
    board.Sharing().SetPublicBoardAccess(true);
    TPlayerStatus playerStatus;
    playerStatus.SetPacketCount(120);
    // A room with several participants in every state the list shows.
    session.state.account.SetUserId(1);
    TRosterModule roster(session.context);
    const auto person = [](std::uint16_t id, const QString& name, std::int32_t type, std::uint8_t online) {
        TParticipantRecord r;
        r.SetUserId(id);
        r.SetFullName(name);
        r.SetUserType(type);
        r.SetOnlineStatus(TUserOnlineStatus(online));
        r.SetTimeBias(-60);
        r.SetAge(34);
        r.SetLocation("Lisbon");
        r.SetProfession("Physics teacher");
        return r;
    };
    roster.Handlers().OnParticipantList(
        {{person(1, "Tess Marlowe", 1000, usOnline), person(2, "Alice Byrne", 0, usOnline),
          person(3, "Bob Okafor", 0, usAway), person(4, "Carol Nguyen-Lindqvist", 0, usBusy),
          person(5, "Dmitri Alexandrovich Volkov", 0, usOnline)}});
    Roster& participants = roster.Participants();
    participants.FindEntry(1)->SetMicrophoneStatus(msSpeaking);
    participants.FindEntry(1)->SetCameraStatus(csBroadcast);
    participants.FindEntry(2)->SetMotionMask(Motion::Hand);
    participants.FindEntry(2)->SetMicrophoneStatus(msRequesting);
    participants.FindEntry(5)->SetMotionMask(Motion::Hand);
    participants.FindEntry(5)->SetActivityImageIndex(MotionPicture::LoadMark);
    participants.FindEntry(3)->SetMotionMask(Motion::Yes);
    participants.FindEntry(4)->SetCameraStatus(csRequesting);
    participants.SetExpanded(*participants.FindEntry(2), true);
    participants.Select(2);
    TChatModule chat(session.context, roster.Directory(), nullptr);
    TSettings quiet;
    quiet.NoPopUpsOnPostIt = true;
    chat.ApplySettings(quiet);
    chat.Notes().OnRequestNote(QDateTime::currentDateTime(), "Alice Byrne", "May I ask a question");
    chat.Notes().OnRequestNote(QDateTime::currentDateTime(), "Bob Okafor", "Would you please repeat this");
    chat.Notes().SetComplete(1);

    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> windows = {
        {"sign-in", [&] { return std::make_unique<TfrmSignIn>(store, QStringList{"a:1"}); }},
        {"room list",
         [&] {
             auto w = std::make_unique<TfrmRoomList>("srv", account, startup, QString(), QString());
             TRoomListEntry entry;
             entry.SetNumber(100);
             entry.SetName("Physics 101");
             w->AddRoom(entry);
             return w;
         }},
        {"settings",
         [&] {
             auto w = std::make_unique<TfrmSettings>(settings, store, dir.path(), context, effects, dialogs);
             w->LoadAndFill();
             return w;
         }},
        {"main",
         [&] {
             auto w = std::make_unique<TfMain>(dialogs);
             auto* audio = new TAudioControlPane;
             audio->SetCodecName("GSM 6.10");
             audio->ShowSpeakerLevel(40000);
             audio->ShowMicrophoneLevel(std::nullopt);
             audio->ShowConnectAudio(true);
             w->InstallAudioPane(audio);
             w->resize(1024, 768);
             return w;
         }},
        {"progress", [] { return std::make_unique<TfrmProgress>(); }},
        {"about", [] { return std::make_unique<TfrmAbout>(); }},
        {"file offer", [] { return std::make_unique<TfrmFileOffer>("A file", "Open", "Close"); }},
        {"new poll", [&] { return std::make_unique<TfrmNewPoll>(dialogs); }},
        {"answering", [&] { return std::make_unique<TfrmExam>(answering); }},
        {"poll results", [&] { return std::make_unique<TfrmPollresults>(results, dialogs); }},
        {"board",
         [&] {
             return std::make_unique<TfrmBoard>(board.Boards(), board.Tools(), board.Sharing(), dialogs, 25,
                                                nullptr);
         }},
        {"font settings", [&] { return std::make_unique<TFontsForm>(board.Tools(), nullptr); }},
        {"kick reason", [] { return std::make_unique<TKickReasonDialog>(); }},
        {"player", [&] { return std::make_unique<TfrmPlayer>(playerStatus); }},
        {"participant list",
         [&] {
             std::unique_ptr<QWidget> w(NewParticipantListPane(participants, roster.Photos()));
             w->resize(260, 330);
             return w;
         }},
        {"notes",
         [&] {
             std::unique_ptr<QWidget> w(
                 NewNotesPane({chat.Notes(), dialogs, QtTimerFactory::instance(), {}}));
             w->resize(300, 200);
             return w;
         }},
        {"note composer",
         [&] { return std::make_unique<TfrmRequest>("All Attendees in the room", dialogs); }},
        {"post-it",
         [&] {
             return std::make_unique<TfrmPostIt>(
                 TNoteNotice{"Session Note", "Alice Byrne", "May I ask a question", QTime(9, 8), 60000},
                 false, [](bool) {}, QtTimerFactory::instance());
         }},
        {"profile edit",
         [&] { return std::unique_ptr<QWidget>(OpenProfileEditWindow(roster.PersonalInfo(), nullptr)); }},
        {"profile card",
         [&] {
             std::unique_ptr<QWidget> w(ShowProfileCard(roster.PersonalInfo(), 2, nullptr));
             w->resize(395, w->height());
             return w;
         }},
    };
    // ORV_SCREENSHOTS=DIR keeps a picture of each window there, to look at.
    const QString shots = qEnvironmentVariable("ORV_SCREENSHOTS");
    for (const auto& [name, make] : windows) {
        const std::unique_ptr<QWidget> window = make();
        window->show();
        if (!shots.isEmpty())
            window->grab().save(QDir(shots).filePath(QString(name) + ".png"));
        // The settings window's pages are each reachable through their tab.
        if (auto* settingsWindow = dynamic_cast<TfrmSettings*>(window.get())) {
            for (int page = 0; page < settingsWindow->pages()->count(); ++page) {
                settingsWindow->pages()->setCurrentIndex(page);
                EXPECT_EQ(unnamedControls(*window), QStringList()) << name << " page " << page;
            }
            continue;
        }
        EXPECT_EQ(unnamedControls(*window), QStringList()) << name;
    }
    // The video window belongs to the session that drives it.
    TVideoSession video({{}, {}, {}, QtTimerFactory::instance(), SystemClock::instance(), NewVideoWindow});
    auto& videoWindow = static_cast<TfrmVideo&>(video.View());
    videoWindow.show();
    EXPECT_EQ(unnamedControls(videoWindow), QStringList()) << "video";
}

} // namespace
} // namespace orv
