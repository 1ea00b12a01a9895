#include "app/SettingsWindow.h"
#include "app/settings/ColorButton.h"
#include "app/settings/FavouritePollsPage.h"
#include "platform/SettingsStore.h"
#include "support/FakeDialogs.h"
#include "support/QtPrinters.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace orv {
namespace {

struct RecordingEffects final : ISettingsEffects {
    void SetMicrophoneCount(int count) override { calls << QString("microphones %1").arg(count); }
    void SetAudioCodec(int codec) override { calls << QString("codec %1").arg(codec); }
    void ReconnectVoice() override { calls << "reconnect voice"; }
    void ApplyAudioBufferSize(int size) override { calls << QString("buffer %1").arg(size); }
    void ApplySharingRefreshRate(int ms) override { calls << QString("refresh %1").arg(ms); }
    QStringList calls;
};

struct WindowFixture : ::testing::Test {
    QTemporaryDir dir;
    TSettingsStore store{dir.filePath("settings.ini")};
    TSettings session;
    RecordingEffects effects;
    test::FakeDialogs dialogs;

    std::unique_ptr<TfrmSettings> open(TSettingsWindowContext context = {}) {
        context.audioOutputs = {"Default Playback Device", "Speakers"};
        context.audioInputs = {"Default Recording Device", "Microphone"};
        auto window = std::make_unique<TfrmSettings>(session, store, dir.filePath("program"), context,
                                                     effects, dialogs);
        window->LoadAndFill();
        return window;
    }
    template <typename T> static T* find(TfrmSettings& w, const char* name) {
        T* child = w.findChild<T*>(name);
        if (!child)
            throw std::runtime_error(std::string("no control ") + name);
        return child;
    }
};

TEST_F(WindowFixture, ProxyFieldsFollowTheirCheckBoxes) {
    auto w = open();
    auto* useProxy = find<QCheckBox>(*w, "useProxy");
    auto* authentication = find<QCheckBox>(*w, "proxyAuthentication");
    auto* host = find<QLineEdit>(*w, "proxyHost");
    auto* user = find<QLineEdit>(*w, "proxyUserName");
    struct Case {
        bool proxy, auth, hostEnabled, authEnabled, userEnabled;
    } cases[] = {{false, false, false, false, false},
                 {true, false, true, true, false},
                 {true, true, true, true, true},
                 {false, true, false, false, false}};
    for (const auto& c : cases) {
        useProxy->setChecked(c.proxy);
        authentication->setChecked(c.auth);
        EXPECT_EQ(host->isEnabled(), c.hostEnabled);
        EXPECT_EQ(authentication->isEnabled(), c.authEnabled);
        EXPECT_EQ(user->isEnabled(), c.userEnabled);
    }
}

TEST_F(WindowFixture, PagesDependOnRoomAndRole) {
    struct Case {
        bool inRoom, moderator;
        bool otherPages, voicePage;
    } cases[] = {{false, false, false, false},
                 {false, true, false, false},
                 {true, false, true, false},
                 {true, true, true, true}};
    for (const auto& c : cases) {
        TSettingsWindowContext context;
        context.inRoom = c.inRoom;
        context.moderator = c.moderator;
        auto w = open(context);
        EXPECT_TRUE(w->pages()->isTabEnabled(TfrmSettings::ConnectionPage));
        EXPECT_EQ(w->pages()->isTabEnabled(TfrmSettings::AudioPage), c.otherPages);
        EXPECT_EQ(w->pages()->isTabEnabled(TfrmSettings::VoicePage), c.voicePage);
    }
}

TEST_F(WindowFixture, FavouritePollsAreForModeratorsAndAreDeletedOneByOneOrAllAfterAQuestion) {
    StoredPolls polls(store);
    for (const char* question : {"Ready?", "Shall we go on?", "Was it clear?"}) {
        TPollRecord record;
        record.SetQuestion(question);
        ASSERT_TRUE(polls.Store(record));
    }
    EXPECT_FALSE(open()->pages()->isTabEnabled(TfrmSettings::FavouritePollsPage));
    TSettingsWindowContext moderator;
    moderator.moderator = true;
    auto w = open(moderator);
    EXPECT_TRUE(w->pages()->isTabEnabled(TfrmSettings::FavouritePollsPage)) << "no room needed";
    auto* list = find<QListWidget>(*w, "favouritePolls");
    ASSERT_EQ(list->count(), 3);
    auto* page = static_cast<TFavouritePollsPage*>(w->pages()->widget(TfrmSettings::FavouritePollsPage));
    list->setCurrentRow(1);
    page->DeleteSelected();
    EXPECT_EQ(polls.List(), (QStringList{"Ready?", "Was it clear?"}));
    EXPECT_EQ(list->count(), 2);

    dialogs.answer = false;
    page->DeleteAll();
    EXPECT_EQ(polls.List().size(), 2) << "No keeps them";
    dialogs.answer = true;
    page->DeleteAll();
    EXPECT_TRUE(polls.List().isEmpty());
    EXPECT_EQ(list->count(), 0);
}

TEST_F(WindowFixture, AFontThatIsNotInstalledIsKeptAndColoursShowTheirNames) {
    store.WriteText("", "TextBoxFont", "Arial");
    store.WriteText("", "DefPenColor", "$00123456");
    TSettingsWindowContext context;
    context.inRoom = true;
    auto w = open(context);
    auto* font = w->findChild<QFontComboBox*>();
    ASSERT_NE(font, nullptr);
    // Here the font system shows a look-alike for it, which must not replace it when saving.
    if (!QFontDatabase::hasFamily("Arial"))
        EXPECT_TRUE(font->toolTip().contains("not installed"));

    const auto buttons = w->findChildren<TColorButton*>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->text(), "Black");
    EXPECT_EQ(buttons[1]->text(), "#563412");
    EXPECT_FALSE(buttons[0]->icon().isNull());
    w->ApplyAndSave();
    EXPECT_EQ(store.ReadText("", "TextBoxFont"), "Arial");
    EXPECT_EQ(store.ReadText("", "DefPenColor"), "$00123456");

    // A font the user picks is saved as picked.
    const QString other = font->itemText(font->count() - 1);
    font->setCurrentFont(QFont(other));
    w->ApplyAndSave();
    EXPECT_EQ(store.ReadText("", "TextBoxFont"), font->currentFont().family());
}

TEST_F(WindowFixture, ControlsWhoseModuleDoesNotRunAreDisabledAndKeepTheirValues) {
    store.WriteInteger("", "VideoFrameRate", 15);
    TSettingsWindowContext context;
    context.inRoom = true;
    context.moderator = true;
    context.unavailable = {TSettingOwner::Voice, TSettingOwner::Video};
    auto w = open(context);
    for (const char* name :
         {"microphones", "codec", "frameRate", "pushToTalk", "echoCancellation", "noiseSuppression"}) {
        auto* control = find<QWidget>(*w, name);
        EXPECT_FALSE(control->isEnabled()) << name;
        EXPECT_FALSE(control->toolTip().isEmpty()) << name;
    }
    for (const char* name : {"useProxy", "pixelFormat"})
        EXPECT_TRUE(find<QWidget>(*w, name)->isEnabled()) << name;
    w->ApplyAndSave();
    EXPECT_EQ(store.ReadInteger("", "VideoFrameRate"), 15);
}

TEST_F(WindowFixture, APushToTalkKeySeenOnlyInTheProgramsWindowsIsSaidSo) {
    for (const bool everywhere : {true, false}) {
        SCOPED_TRACE(everywhere);
        TSettingsWindowContext context;
        context.pushToTalkEverywhere = everywhere;
        auto w = open(context);
        auto* note = w->findChild<QLabel*>("pushToTalkOnlyHere");
        EXPECT_EQ(note != nullptr, !everywhere);
        if (note)
            EXPECT_TRUE(note->text().contains("only while this program's windows are active"));
    }
}

TEST_F(WindowFixture, ChoicesMapToStoredValues) {

    TSettingsWindowContext context;
    context.inRoom = true;
    auto w = open(context);
    find<QComboBox>(*w, "pushToTalk")->setCurrentText("Shift");
    find<QComboBox>(*w, "socksVersion")->setCurrentText("Socks 4A");
    find<QComboBox>(*w, "pixelFormat")->setCurrentText("32 bit - Highest Quality");
    find<QComboBox>(*w, "frameRate")->setCurrentText("Fast (Requires a Fast Connection)");
    find<QCheckBox>(*w, "popUpChat")->setChecked(false);
    find<QCheckBox>(*w, "popUpPostIt")->setChecked(true);
    w->ApplyAndSave();
    EXPECT_EQ(session.PushToTalkKey, 16);
    EXPECT_EQ(session.SocksVersion, 2);
    EXPECT_EQ(session.AppSharePixelFormat, 7);
    EXPECT_EQ(session.VideoFrameRate, 5);
    EXPECT_TRUE(session.DonPopUpChatMessages);
    EXPECT_FALSE(session.NoPopUpsOnPostIt);
    EXPECT_EQ(store.ReadInteger("", "PushToTalkKey"), 16);
}

TEST_F(WindowFixture, SlidersShowTheirHintsAndSnap) {
    TSettingsWindowContext context;
    context.inRoom = true;
    auto w = open(context);
    auto* buffer = find<QSlider>(*w, "audioBuffer");
    auto* refresh = find<QSlider>(*w, "refreshRate");
    EXPECT_EQ(buffer->minimum(), 2);
    EXPECT_EQ(buffer->maximum(), 15);
    buffer->setValue(5);
    EXPECT_EQ(buffer->toolTip(), "Max 2.5 s.");
    refresh->setValue(1610);
    EXPECT_EQ(refresh->value(), 1500);
    refresh->setValue(1630);
    EXPECT_EQ(refresh->value(), 1750);
    EXPECT_EQ(find<QLabel>(*w, "refreshRateLabel")->text(), "1750 msecs");
}

TEST_F(WindowFixture, OkAppliesChangesAndForgetsTheRecorderPassword) {
    store.WriteText("", "RecorderPassword", "irrelevant");
    TSettingsWindowContext context;
    context.inRoom = true;
    context.moderator = true;
    context.microphones = 2;
    context.codec = 0;
    auto w = open(context);
    find<QSpinBox>(*w, "microphones")->setValue(4);
    find<QComboBox>(*w, "audioOut")->setCurrentText("Speakers");
    find<QComboBox>(*w, "codec")->setCurrentIndex(3);
    find<QSlider>(*w, "audioBuffer")->setValue(6);
    w->ApplyAndSave();
    EXPECT_EQ(effects.calls,
              (QStringList{"microphones 4", "codec 3", "reconnect voice", "buffer 6", "refresh 1750"}));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].contains("re-establishing your audio connection"));
    EXPECT_EQ(session.RecorderPassword, "");
    EXPECT_EQ(store.ReadText("", "RecorderPassword"), "");
    EXPECT_TRUE(session.RecordOnServer);
    EXPECT_FALSE(session.RecSessionsFolder.isEmpty()) << "the default folder is back in use";
    EXPECT_EQ(session.AudioOutDeviceID, 1);
}

// Every page shows its stored values and takes them back: OK without changes saves what was loaded, apart
// from what OK always forgets.
TEST_F(WindowFixture, OkWithoutChangesSavesWhatWasLoaded) {
    TSettings stored;
    stored.UseProxy = true;
    stored.SocksVersion = 3;
    stored.ProxyHost = "proxy.example";
    stored.ProxyPort = 3128;
    stored.ProxyAuthentication = true;
    stored.ProxyUserName = "user";
    stored.ProxyPassword = "pw";
    stored.ColorTheme = 4;
    stored.BeepOnUserConnect = true;
    stored.BeepOnUserMotions = true;
    stored.DonPopUpChatMessages = true;
    stored.FlashOnActions = true;
    stored.InvitationURL = "http://invite.example";
    stored.MuteSpeakersWhileTalking = true;
    stored.InputAudioQueueSize = 9;
    stored.PushToTalkKey = 27;
    stored.AudioOptimizeOption = 1;
    stored.AudioInDeviceID = 1;
    stored.EchoCancellation = false;
    stored.DefaultVideoCaptureDriver = 1;
    stored.DefaultVideoCompressor = 12345;
    stored.VideoFrameRate = 15;
    stored.VideoFormatSize = 3;
    stored.VideoKFR = 13;
    stored.VideoBPS = 14000;
    stored.VideoBitCount = 16;
    stored.RecSessionsFolder = dir.path();
    stored.RecorderUserName = "recorder";
    stored.RecorderPassword = "secret";
    QFontComboBox fonts; // a family as the font list names it, not an alias such as "Serif"
    fonts.setCurrentFont(QFont(fonts.itemText(fonts.count() - 1)));
    stored.TextBoxFont = fonts.currentFont().family();
    stored.TextBoxFontColor = 0x00123456;
    stored.TextBoxFontSize = 20;
    stored.BoardGridSize = 40;
    stored.DefPenWidth = 5;
    stored.DefPenColor = 0x0000FF;
    stored.AppShareRefreshRate = 2250;
    stored.AppShareCursorRefreshRate = 200;
    stored.AppSharePixelFormat = 2;
    SaveSettings(store, stored);
    const auto values = [this] {
        std::map<QString, QString> all;
        for (const QString& name : store.Names(""))
            all[name] = store.ReadText("", name);
        return all;
    };
    auto expected = values();
    expected["RecorderPassword"] = "";
    expected["RecSessionsFolder"] = QDir(dir.filePath("program")).filePath("Sessions");

    TSettingsWindowContext context;
    context.inRoom = true;
    context.moderator = true;
    context.captureDrivers = {"First camera", "Second camera"};
    open(context)->ApplyAndSave();
    const auto saved = values();
    for (const auto& [name, value] : expected)
        EXPECT_EQ(saved.count(name) ? saved.at(name) : "(missing)", value) << name.toStdString();
    EXPECT_EQ(saved.size(), expected.size());
}

// A control's part (a spin box's editor, a list's scroll bar) is named by the control.
bool isPartOfAControl(const QWidget* widget, const QWidget* window) {
    for (const QWidget* p = widget->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QTabBar*>(p) || qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

TEST_F(WindowFixture, EveryControlHasALabel) {
    TSettingsWindowContext context;
    context.inRoom = true;
    context.moderator = true;
    auto w = open(context);
    QSet<const QWidget*> withLabel;
    for (const QLabel* label : w->findChildren<QLabel*>())
        withLabel.insert(label->buddy());
    int checked = 0;
    for (const QWidget* control : w->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const bool input =
            button || qobject_cast<const QComboBox*>(control) || qobject_cast<const QLineEdit*>(control) ||
            qobject_cast<const QAbstractSpinBox*>(control) || qobject_cast<const QAbstractSlider*>(control);
        if (!input || isPartOfAControl(control, w.get()))
            continue;
        // A colour button's text is the colour, not what it is for.
        const bool namedByText =
            button && !qobject_cast<const TColorButton*>(button) && !button->text().isEmpty();
        EXPECT_TRUE(withLabel.contains(control) || namedByText || !control->accessibleName().isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 30) << "the pages' controls were found";
}

} // namespace
} // namespace orv
