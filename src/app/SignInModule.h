#pragma once
// Signing in and choosing a room as a module: the sign-in window or a launch link, the sign-in exchange,
// the room list window, and the room entry sequence when the server answers.

#include "app/ConnectionKeeper.h"
#include "app/LaunchLink.h"
#include "app/RoomEntrySequence.h"
#include "app/ServerText.h"
#include "link/RememberedCredentials.h"
#include "link/SignInSession.h"
#include "platform/PasswordVault.h"
#include "session/Module.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

namespace orv {

class TfMain;
class TPlaybackModule;
class TcpClient;
class TSessionLink;
class TSettingsStore;
class TShellServices;
class IMessageSink;
struct TProgramFolders;
struct TSettings;

struct TSignInModuleParts {
    TfMain& main;
    TcpClient& connection;
    TSessionLink& link;
    TSessionState& state;
    IMessageSink& mainWindow;
    TShellServices& shell;
    TSettingsStore& store;
    const TSettings& settings;
    const TProgramFolders& folders;
    const TRoomEntrySteps& steps;
    QString preferredServer; // "host:port" given on the command line
};

class TSignInModule final : public QObject,
                            public ISessionModule,
                            public ISessionRestarter,
                            private IRoomEntryShell {
    Q_OBJECT
public:
    explicit TSignInModule(TSignInModuleParts parts);

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override;

    // Recordings play through it; without it the program refuses to play them.
    void SetPlayback(TPlaybackModule* playback) { m_playback = playback; }
    // Signs in as the launch asks: through the sign-in window, or straight from a join link.
    void Begin(const TLaunch& launch);
    // A reconnection: `StartSession` again with the server and credentials in use, then the same room.
    TRestart RestartSession() override;
    void EnterRoom(std::int32_t room) override { m_signIn.EnterRoom(room); }

private:
    void startLive(const TServerAddress& server);
    void onRoomList(int resultCode);
    void onRoomEntered(int resultCode);
    // Before a room is entered a lost connection ends the program, with a message.
    void onLinkState(int value);
    TSignInOptions options() const;

    // IRoomEntryShell
    IDialogs& Dialogs() override;
    IProgress& Progress() override;
    void ShowMainWindow() override;
    void CloseMainWindow() override;
    void StartSessionClock() override;
    void SetRoomPanel(const QString& text) override;
    void RequestRoomList() override;

    TSignInModuleParts m_parts;
    // The keyring is asked only when a sign-in through the window needs it.
    TKeyringVault m_keyring;
    TRememberedCredentials m_remembered{m_parts.store, m_keyring};
    TSignInSession m_signIn;
    TLaunch m_launch;
    QPointer<QDialog> m_roomList; // while the room list is open
    bool m_lost = false;
    TPlaybackModule* m_playback = nullptr;
};

} // namespace orv
