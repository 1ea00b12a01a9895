#include "app/SessionModule.h"

#include "app/AboutBox.h"
#include "app/DesktopRegistration.h"
#include "app/ExportVideoDialog.h"
#include "app/MainViews.h"
#include "app/MainWindow.h"
#include "app/SignInModule.h"
#include "app/StatusTexts.h"
#include "link/ErrorMessages.h"
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "platform/WaylandDesktop.h"
#include "session/RoomEvents.h"
#include "video/VideoCapture.h"
#include "voice/AudioDeviceList.h"
#include "voice/VoiceMessageIds.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace orv {
TDM::TDM(TfMain& main, TStartOptions options)
    : QObject(&main), m_main(main), m_options(std::move(options)), m_dialogs(&main), m_store(),
      m_mainSink(&main), m_link(m_connection, m_dispatcher, m_mainSink, &main), m_sender(m_link, m_state),
      m_shell(main, m_progress, m_dialogs, [this] { openSettings(TfrmSettings::ConnectionPage); }),
      m_context{m_state,   m_sender,  m_dialogs,   m_progress, main, m_mainSink, SystemClock::instance(),
                m_notices, m_desktop, m_roomEvents} {
    m_dialogs.SetProgressWindow(&m_progress);
    WriteIdentitySettings(m_store, m_options.programFile);
    m_folders = TProgramFolders::Prepare(m_options.programFolder);
    m_recordingStem = RecordingNameStem();
    m_settings = LoadSettings(m_store, m_folders.program);
    SetSupportAddress(m_settings.HelpURL);
    for (const TFileType& type : {TFileType{"orvane", "Orvane Live Recorded Session"},
                                  TFileType{"or5", "Orvane Live 5 Recorded Session"}})
        RegisterFileType(m_options.programFile, type);

    const TSignInModuleParts signInParts{main,
                                         m_connection,
                                         m_link,
                                         m_state,
                                         m_mainSink,
                                         m_shell,
                                         m_store,
                                         m_settings,
                                         m_folders,
                                         m_roomEntrySteps,
                                         m_options.preferredServer};
    const auto ownRoleChanged = [this] {
        for (const auto& module : m_modules)
            module->OwnRoleChanged();
    };
    // The push-to-talk key anywhere on the desktop where the display allows; else the main window's keys.
    const bool hooked = m_keyboardHook.Install(m_mainSink, MainMsg::PushToTalkKey);
    if (!hooked && WaylandDesktop::InSession()) {
        // Through the desktop portal, beside the window's keys (the desktop may still refuse the binding).
        m_portalKeys = std::make_unique<PortalGlobalShortcuts>();
        if (!m_portalKeys->Start(m_mainSink, MainMsg::PushToTalkKey,
                                 PortalGlobalShortcuts::TriggerOf(m_settings.PushToTalkKey),
                                 [this] { return m_settings.PushToTalkKey; }))
            m_portalKeys.reset();
    }
    m_modules = CreateModules({main, m_context, m_link, m_store, [this] { stopSession(); }, m_folders,
                               m_audio, m_mixer, QtTimerFactory::instance(), ownRoleChanged, hooked},
                              signInParts, m_signIn);
    for (const auto& module : m_modules) {
        module->RegisterHandlers(m_dispatcher);
        module->RegisterMessages(m_main.Router());
        module->RegisterRoomEntry(m_roomEntrySteps);
        if (ISettingsEffects* effects = module->SettingsEffects())
            m_settingsEffects.Add(effects);
        if (IChatLines* lines = module->ChatLines())
            m_notices.SetChatLines(lines);
        module->ApplySettings(m_settings);
    }
    connectMainWindow();
}

TDM::~TDM() {
    m_keyboardHook.Remove();
    m_main.SetKeyPreview({}); // it reaches into the voice module, which goes with this
    m_mainSink.detach();
    // The session ends before anything its handlers use goes away.
    EndSession();
    m_notices.SetChatLines(nullptr);
    if (ClearFolder(m_folders.temporary))
        TProgramFolders::Prepare(m_folders.program);
    m_connection.close();
}

void TDM::EndSession() {
    if (m_ended)
        return;
    m_ended = true;
    stopSession();
}

void TDM::stopSession() {
    for (const auto& module : m_modules)
        module->EndSession();
    m_link.StopReader(); // the heartbeat stops with it
    m_link.StopWriter();
}

void TDM::connectMainWindow() {
    connect(&m_main, &TfMain::settingsRequested, this, &TDM::openSettings);
    connect(&m_main, &TfMain::connectionSpeedChosen, this, [this](std::int32_t speed) {
        m_link.SetConnectionSpeed(speed);
        m_settings.ConnectionSpeed = speed;
        m_store.WriteInteger("", "ConnectionSpeedBytesPerSec", speed);
        m_store.Flush();
    });
    connect(&m_main, &TfMain::themeChosen, this, [this](std::int32_t theme) {
        m_main.ApplyTheme(theme);
        m_settings.ColorTheme = theme;
        m_store.WriteInteger("", "ColorTheme", theme);
        m_store.Flush();
    });
    connect(&m_main, &TfMain::exportVideoRequested, this, [this] {
        TfrmExportVideo window(m_launch.mode == TLaunchMode::LocalFile ? m_launch.rest : QString(), &m_main);
        window.exec();
    });
    connect(&m_main, &TfMain::aboutRequested, this, [this] { TfrmAbout(&m_main).exec(); });
    connect(&m_main, &TfMain::helpRequested, this, [this] { m_shell.OpenAddress(SupportAddress()); });
    connect(&m_main, &TfMain::closed, this, [] { QCoreApplication::quit(); });
}

void TDM::prepareMainWindow() {
    m_main.TickConnectionSpeed(m_settings.ConnectionSpeed);
    m_main.ApplyTheme(m_settings.ColorTheme);
    m_main.FitToWorkArea();
    m_main.SetInRoom(false);
    if (const QScreen* screen = QApplication::primaryScreen())
        for (const QString& warning :
             ScreenWarnings(screen->geometry().height(), screen->logicalDotsPerInch()))
            m_dialogs.Information(warning);
    m_roomEvents.conversationWanted.Raise(ckPublic, 0);
    m_main.ShowView(vwWhiteBoard);
}

void TDM::Start() {
    prepareMainWindow();
    m_launch = ParseLaunchArgument(m_options.launchArgument);
    m_state.launchMode = m_launch.mode;
    QTimer::singleShot(1000, this, [this] { m_signIn->Begin(m_launch); });
}

std::vector<TSettingOwner> TDM::unavailableSettingOwners() const {
    std::vector<TSettingOwner> unavailable;
    for (const TSettingOwner owner :
         {TSettingOwner::Roster, TSettingOwner::Chat, TSettingOwner::Board, TSettingOwner::Voice,
          TSettingOwner::Video, TSettingOwner::AppShare, TSettingOwner::Playback}) {
        const bool running = std::any_of(m_modules.begin(), m_modules.end(),
                                         [owner](const auto& m) { return m->SettingsOwner() == owner; });
        if (!running)
            unavailable.push_back(owner);
    }
    return unavailable;
}

void TDM::openSettings(int page) {
    TSettingsWindowContext context;
    context.inRoom = m_state.inRoom;
    context.moderator = m_state.IsModerator();
    context.microphones = m_state.microphoneCount;
    context.codec = m_state.audioCodec;
    context.audioOutputs = ListOutputDevices(m_audio).lines;
    context.audioInputs = ListInputDevices(m_audio).lines;
    ListCaptureDrivers(context.captureDrivers);
    context.unavailable = unavailableSettingOwners();
    context.pushToTalkEverywhere = m_keyboardHook.Installed() || (m_portalKeys && m_portalKeys->Bound());
    const TfrmProgress::StepAside aside(&m_progress);
    TfrmSettings window(m_settings, m_store, m_folders.program, context, m_settingsEffects, m_dialogs,
                        &m_main);
    window.LoadAndFill(TfrmSettings::Page(page));
    const bool saved = window.exec() == QDialog::Accepted;
    SetSupportAddress(m_settings.HelpURL);
    if (saved)
        for (const auto& module : m_modules)
            module->ApplySettings(m_settings);
}

} // namespace orv
