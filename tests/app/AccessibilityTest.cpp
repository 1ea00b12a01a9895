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
#include "moderation/KickReasonDialog.h"
#include "platform/SettingsStore.h"
#include "platform/Timer.h"
#include "playback/PlayerWindow.h"
#include "polls/ExamWindow.h"
#include "polls/PollDialog.h"
#include "polls/PollResultsWindow.h"
#include "protocol/RoomRecords.h"
#include "protocol/SignInRecords.h"
#include "session/ParticipantDirectory.h"
#include "support/FakeAudio.h"
#include "support/FakeDialogs.h"
#include "support/FakeMixer.h"
#include "support/FakeSession.h"
#include "video/VideoWindow.h"
#include "voice/AudioControlPane.h"
#include "voice/AudioWizardWindow.h"
#include "voice/RemoteAudioWindow.h"

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
                EXPECT_EQ(unnamedControls(*window), QStringList()) << name << " page " << page;
            }
            continue;
        }
        if (auto* wizard = dynamic_cast<TfrmAudioWizard*>(window.get())) {
            wizard->ShowPage(TfrmAudioWizard::MicrophonePage);
            if (!shots.isEmpty())
                window->grab().save(QDir(shots).filePath(QString(name) + " 2.png"));
            EXPECT_EQ(unnamedControls(*window), QStringList()) << name << " microphone page";
            wizard->ShowPage(TfrmAudioWizard::PlaybackPage);
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
