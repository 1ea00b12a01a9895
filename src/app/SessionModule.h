#pragma once
// TDM: the session module. Created once at start-up, it owns the control connection, the session link, the
// dispatcher and every subsystem's session state, runs the start-up sequence and ends the session in order.

#include "app/LaunchLink.h"
#include "app/MainViews.h"
#include "app/MessageBoxDialogs.h"
#include "app/ProgramFolders.h"
#include "app/ProgressWindow.h"
#include "app/ServerText.h"
#include "session/Settings.h"
#include "app/SettingsWindow.h"
#include "link/Dispatcher.h"
#include "link/RoomEntrySequence.h"
#include "link/SessionLink.h"
#include "link/SignInSession.h"
#include "platform/AppMessage.h"
#include "platform/SettingsStore.h"
#include "platform/TcpClient.h"

#include <QObject>
#include <QPointer>

namespace orv {

class TfMain;

struct TStartOptions {
    QString launchArgument;  // the program's first argument
    QString preferredServer; // "host:port" given on the command line, shown in the sign-in window
    QString programFile;     // the program's full file name
    QString programFolder;   // the per-user application data folder
};

class TDM final : public QObject, public ISignInShell, public IRoomEntryHooks, public ISettingsEffects {
    Q_OBJECT
public:
    TDM(TfMain& main, TStartOptions options);
    ~TDM() override;

    // The main window's start-up sequence; runs from the event loop.
    void Start();
    // Ends the session: the reader and the writer stop, in that order.
    void EndSession();

    const TProgramFolders& Folders() const { return m_folders; }
    TSignInSession& SignIn() { return m_signIn; }
    TLaunchMode LaunchMode() const { return m_launch.mode; }

    // ISignInShell
    IProgress& Progress() override { return m_progress; }
    IDialogs& Dialogs() override { return m_dialogs; }
    void OpenFile(const QString& path) override;
    void OpenConnectionSettings() override;
    void RequestQuit(int exitCode) override;
    void SetCaption(const QString& text) override;
    void SetServerPanel(const QString& text) override;
    void SetRoomPanel(const QString& text) override;

    // IRoomEntryHooks
    void ShowMainWindow() override;
    void CloseMainWindow() override;
    void StartSessionClock() override;
    void RequestCurrentView() override;
    void ShowWelcomePage(const QString& address) override;
    void BringToFront() override;

    // ISettingsEffects: the voice and sharing subsystems act on these once they run in this session.
    void SetMicrophoneCount(int) override {}
    void SetAudioCodec(int) override {}
    void ReconnectVoice() override {}
    void ApplyAudioBufferSize(int) override {}
    void ApplySharingRefreshRate(int) override {}

private:
    void prepareMainWindow();
    void continueStart();
    void startLive(const TServerAddress& server);
    void routeMessages();
    void openSettings(int page);
    void onRoomList(int resultCode);
    TSignInOptions signInOptions() const;

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
    TSignInSession m_signIn;
    TMainViews m_views;
    bool m_ended = false;
};

} // namespace orv
