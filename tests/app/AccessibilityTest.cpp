// Every control a keyboard user can reach in the program's windows has a name a screen reader can say: its
// own text, a label that names it, or an accessible name.
#include "app/AboutBox.h"
#include "app/ExportVideoDialog.h"
#include "app/MainWindow.h"
#include "app/ProgressWindow.h"
#include "app/RoomListWindow.h"
#include "app/SettingsWindow.h"
#include "app/SignInWindow.h"
#include "appshare/AppShareToolsWindow.h"
#include "appshare/AppShareViewWindow.h"
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
#include "resources/DocumentOfferBox.h"
#include "resources/LibraryWindow.h"
#include "resources/PresentationsPage.h"
#include "resources/ResourceLibrary.h"
#include "roster/ParticipantListPane.h"
#include "roster/ProfileCardWindow.h"
#include "roster/ProfileEditWindow.h"
#include "roster/RosterModule.h"
#include "session/ParticipantDirectory.h"
#include "session/ParticipantMarks.h"
#include "session/ResourceTransfers.h"
#include "slides/PPTExportDialog.h"
#include "slides/SlideControlsPane.h"
#include "slides/SlidesModule.h"
#include "support/FakeAudio.h"
#include "support/FakeDialogs.h"
#include "support/FakeMixer.h"
#include "support/FakeSession.h"
#include "support/UnnamedControls.h"
#include "video/VideoWindow.h"
#include "voice/AudioControlPane.h"
#include "voice/AudioWizardWindow.h"
#include "voice/RemoteAudioWindow.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace orv {
namespace {

struct NoTransfers final : IResourceTransfers {
    void StartUpload(const QString&, const QString&, TNotifyWindow, TTransferKind) override {}
    void StartDownload(const TDownloadOrder&) override {}
    void DownloadUserPicture(std::uint16_t, TNotifyWindow) override {}
    bool UploadAndWait(const QString&, const QString&, std::int32_t, TTransferKind) override { return false; }
};
struct NoParticipants final : IParticipantDirectory {
    std::optional<TParticipantInfo> Lookup(std::uint16_t) const override { return std::nullopt; }
    std::vector<TParticipantInfo> InDisplayOrder() const override { return {}; }
};
struct NoMarks final : IParticipantMarks {
    void HideLoadMarks() override {}
};

// A library with a few items of each kind, for its windows to show.
TResourceRecord LibraryItem(const QString& name, const QString& ext, std::int32_t size,
                            const QString& comment, std::int32_t items = 0) {
    TResourceRecord r;
    r.SetFileName(name);
    r.SetFileExt(ext);
    r.SetFileSize(size);
    r.SetDescription(comment);
    r.SetOwnerName("Tess Marlowe");
    r.SetUploaded(45720.35);
    r.SetItemCount(items);
    return r;
}

// Stands for the sharing logic behind its two windows.
class SharingStub final : public IAppShareViewInput, public IAppShareToolsActions {
public:
    void MouseInput(TMouseAction, TMouseButton, QPointF, QSize) override {}
    void KeyInput(int, bool) override {}
    void StartChosen(bool, int) override {}
    void StopChosen() override {}
    void TakeSnapshot() override {}
    void OpenSettings() override {}
    QAction* GiveControlAction() override { return &give; }
    QAction* TakeControlAction() override { return &take; }
    QAction give{"Give application sharing remote control"};
    QAction take{"Deprive application sharing remote control"};
};

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
    NoTransfers transfers;
    NoMarks marks;
    TSlidesModule slides(session.context,
                         {board.Sharing(), marks, transfers, dir.path(), {}, [] { return true; }});
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
    test::FakeAudioSystem audio(session.clock);
    audio.outputs = {{"a", "Speakers"}};
    audio.inputs = {{"m", "Microphone"}};
    test::FakeMixer mixer;
    mixer.volumes[{TAudioDirection::Output, QByteArray()}] = 30000;
    mixer.controls = std::vector<TMixerControl>{{"Mic Boost", 0, true, 0, 1, {0}}};
    std::int32_t outputDevice = 1, inputDevice = 1;
    const auto wizardParts = [&]() -> TAudioWizardParts {
        return {audio,
                mixer,
                session.clock,
                QtTimerFactory::instance(),
                dialogs,
                CodecRegistry::Installed(),
                0,
                outputDevice,
                inputDevice,
                {},
                {}};
    };
    struct : IParticipantDirectory {
        std::optional<TParticipantInfo> Lookup(std::uint16_t id) const override {
            return TParticipantInfo{id, "Bob", "Bob Smith", "Bob Smith", 0};
        }
        std::vector<TParticipantInfo> InDisplayOrder() const override { return {}; }
        std::optional<std::uint16_t> SelectedUser() const override { return 3; }
    } directory;
    session.state.account.SetAccountType(1000);
    session.state.inRoom = true;
    TRemoteAudioControl remote(session.context, directory, QtTimerFactory::instance());

    SharingStub sharing;
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> windows = {
        {"sharing view", [&] { return std::make_unique<TfrmAppShareViewWindow>(sharing); }},
        {"sharing tools",
         [&] {
             auto w = std::make_unique<TfrmAppShareToolsWindow>(sharing);
             w->ShowList({TDesktopWindow{1, "Editor", QRect(0, 0, 10, 10), {}}});
             return w;
         }},
        {"sharing tool bar",
         [&] {
             auto w = std::make_unique<TfrmAppShareToolsWindow>(sharing);
             w->ShowToolBar();
             return w;
         }},
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
        {"video export", [&] { return std::make_unique<TfrmExportVideo>(dir.filePath("session.orvane")); }},
        {"presentation upload", [&] { return slides.NewWizard(); }},
        {"slide controls", [&] { return std::make_unique<TSlideControlsPane>(slides.Navigation()); }},
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
        {"audio wizard", [&] { return std::make_unique<TfrmAudioWizard>(wizardParts()); }},
        {"remote audio",
         [&] {
             auto w = std::make_unique<TfrmRemoteAudio>(remote);
             remote.QuerySelected();
             TRemoteAudioRecord reply = TRemoteAudioRecord::Request(0, 3, RemoteAudioCommand::Query);
             reply.SetVoiceStatus(1);
             reply.SetSpeakerDevice(0);
             reply.SetSpeakerLevel(40000);
             reply.SetBoost(0);
             remote.OnReply(reply);
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
                EXPECT_EQ(test::UnnamedControls(*window), QStringList()) << name << " page " << page;
            }
            continue;
        }
        if (auto* wizard = dynamic_cast<TfrmAudioWizard*>(window.get())) {
            wizard->ShowPage(TfrmAudioWizard::MicrophonePage);
            if (!shots.isEmpty())
                window->grab().save(QDir(shots).filePath(QString(name) + " 2.png"));
            EXPECT_EQ(test::UnnamedControls(*window), QStringList()) << name << " microphone page";
            wizard->ShowPage(TfrmAudioWizard::PlaybackPage);
        }
        EXPECT_EQ(test::UnnamedControls(*window), QStringList()) << name;
    }
    // The library windows belong to the library they show.
    NoParticipants noParticipants;
    TResourceLibrary library(session.context, transfers, noParticipants, marks, dir.path());
    session.state.account.SetAccountType(1000);
    library.Documents().SetItems(
        {LibraryItem("Course outline.pdf", ".pdf", 48213, "Weeks, topics and marking"),
         LibraryItem("Reading list.txt", ".txt", 1536, "Chapters for the first month"),
         LibraryItem("Pendulum lab.csv", ".csv", 2560, "Periods for five lengths"),
         LibraryItem("Lab report.DOC", ".DOC", 90112, "Template")});
    library.Images().SetItems({LibraryItem("pendulum.jpg", ".jpg", 20000, "A simple pendulum"),
                               LibraryItem("cell.jpg", ".jpg", 20000, "An animal cell")});
    library.Presentations().SetItems({LibraryItem("Lecture 2.ppt", ".ppt", 512, "Pres_1_1", 12)});
    TDocumentOffer offer{LibraryItem("Reading list.txt", ".txt", 1536, "Chapters"), dir.filePath("x.txt"), 1,
                         "Tess Marlowe", 1};
    const std::unique_ptr<ILibraryWindow> documents = NewDocumentsWindow(library, dir.path());
    const std::unique_ptr<ILibraryWindow> images = NewImagesWindow(library);
    const std::unique_ptr<QWidget> presentations(NewPresentationsPage(library));
    const QPointer<QWidget> offerBox = static_cast<QWidget*>(ShowDocumentOffer(library, offer));
    for (const auto& [name, window] : {std::pair{"documents", documents->Widget()},
                                       {"images", images->Widget()},
                                       {"presentations", presentations.get()},
                                       {"document offer", offerBox.data()}}) {
        window->show();
        if (!shots.isEmpty())
            window->grab().save(QDir(shots).filePath(QString(name) + ".png"));
        EXPECT_EQ(test::UnnamedControls(*window), QStringList()) << name;
    }
    delete offerBox.data();

    // The video window belongs to the session that drives it.
    TVideoSession video({{}, {}, {}, QtTimerFactory::instance(), SystemClock::instance(), NewVideoWindow});
    auto& videoWindow = static_cast<TfrmVideo&>(video.View());
    videoWindow.show();
    EXPECT_EQ(test::UnnamedControls(videoWindow), QStringList()) << "video";
}

} // namespace
} // namespace orv
