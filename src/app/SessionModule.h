#pragma once
// TDM: the central session module. Created once at start-up, it prepares the folders, the settings and the
// desktop registration, owns the control connection and the shared session state, builds the subsystem
// modules in their fixed order and ends the session in order. It holds no subsystem's state or handlers.

#include "app/LaunchLink.h"
#include "app/MessageBoxDialogs.h"
#include "app/ModuleList.h"
#include "app/ProgramFolders.h"
#include "app/ProgressWindow.h"
#include "app/SettingsWindow.h"
#include "app/ShellServices.h"
#include "link/Dispatcher.h"
#include "link/SessionLink.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/DesktopNotifier.h"
#include "platform/KeyboardHook.h"
#include "platform/PortalGlobalShortcuts.h"
#include "platform/QtAudioSystem.h"
#include "platform/SettingsStore.h"
#include "platform/SystemMixer.h"
#include "platform/TcpClient.h"
#include "platform/TonePlayer.h"
#include "session/RoomEntrySteps.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "session/Settings.h"
#include "session/SettingsEffects.h"

#include <QObject>

namespace orv {

class TfMain;
class TSignInModule;

struct TStartOptions {
    QString launchArgument;  // the program's first argument
    QString preferredServer; // "host:port" given on the command line, shown in the sign-in window
    QString programFile;     // the program's full file name
    QString programFolder;   // the per-user application data folder
};

class TDM final : public QObject {
    Q_OBJECT
public:
    TDM(TfMain& main, TStartOptions options);
    ~TDM() override;

    // The main window's start-up sequence; runs from the event loop.
    void Start();
    // Ends the session for good: every module's own end, then the reader and the writer, in that order.
    void EndSession();

    const TProgramFolders& Folders() const { return m_folders; }
    TLaunchMode LaunchMode() const { return m_launch.mode; }

private:
    void prepareMainWindow();
    // Every module's own end, then the heartbeat, the reader and the writer; a reconnection starts again.
    void stopSession();
    void connectMainWindow();
    void openSettings(int page);
    // The owners of settings that no module of this session acts on.
    std::vector<TSettingOwner> unavailableSettingOwners() const;

    TfMain& m_main;
    TStartOptions m_options;
    TMessageBoxDialogs m_dialogs;
    TfrmProgress m_progress;
    TSettingsStore m_store;
    TProgramFolders m_folders;
    TSettings m_settings;
    QString m_recordingStem;
    TLaunch m_launch;

    TcpClient m_connection;
    TPacketDispatcher m_dispatcher;
    QtMessageSink m_mainSink;
    TSessionLink m_link;
    TSessionState m_state;
    TSessionSender m_sender;
    TShellServices m_shell;
    QtAudioSystem m_audio; // the device lists the settings window offers
    SystemMixer m_mixer;
    TAudioTonePlayer m_tones{m_audio};
    TRoomNoticesRelay m_notices{&m_tones};
    TDBusNotifier m_desktop;
    TRoomEvents m_roomEvents;
    TSessionContext m_context;
    TRoomEntrySteps m_roomEntrySteps;
    TSettingsEffectsFanOut m_settingsEffects;
    TSignInModule* m_signIn = nullptr;
    TModuleList m_modules;
    TKeyboardHook m_keyboardHook;
    std::unique_ptr<PortalGlobalShortcuts>
        m_portalKeys; // the key anywhere on a Wayland desktop that offers it
    bool m_ended = false;
};

} // namespace orv
