#pragma once
// The sign-in exchange, from a server address and credentials to a signed-in user inside a room: connecting
// (directly or through a SOCKS proxy), the version check and update download, signing in, the start-up
// information, starting the session link, the room list and room entry. What it learns goes into the
// session state.

#include "link/Dispatcher.h"
#include "link/RememberedCredentials.h"
#include "link/ServerEncryption.h"
#include "link/SessionLink.h"
#include "link/SessionState.h"
#include "platform/PasswordVault.h"
#include "platform/ProxyConnector.h"
#include "protocol/SignInMessages.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

namespace orv {

class IDialogs;
class IMessageSink;
class IProgress;
class TSettingsStore;
class TcpClient;

// The program around the sign-in chain: its windows and the application itself.
class ISignInShell {
public:
    virtual ~ISignInShell() = default;
    virtual IProgress& Progress() = 0;
    virtual IDialogs& Dialogs() = 0;
    // Opens a file with the desktop's handler (the downloaded installer).
    virtual void OpenFile(const QString& path) = 0;
    // The settings window on its connection page, modal.
    virtual void OpenConnectionSettings() = 0;
    virtual void RequestQuit(int exitCode) = 0;
    virtual void SetCaption(const QString& text) = 0;
    virtual void SetServerPanel(const QString& text) = 0;
    virtual void SetRoomPanel(const QString& text) = 0;
};

// How starting a session again after a lost connection went.
enum class TRestart {
    Started,     // signed in again, the session link runs
    Unreachable, // no connection to the server: nothing shown, the program goes on
    Ended,       // refused, or an update offered: shown, and the program ends as after a first sign-in
};

struct TSignInOptions {
    QString programFolder; // Versions/ and the banner file go here
    TProxySettings proxy;
    // How the control connection is encrypted; unset: as the settings keep it for the server.
    std::optional<TEncryption> encryption;
    std::int32_t connectionSpeed = kDefaultConnectionSpeed;
    bool viaSignInWindow = true; // false for a launch link: credentials are then never remembered
    bool playbackMode = false;
    int connectTimeoutMs = 20000;
    int exchangeTimeoutMs = 20000; // bound on each blocking reply before the reader runs
};

class TSignInSession {
    Q_DECLARE_TR_FUNCTIONS(orv::TSignInSession)

public:
    static constexpr int kProgressSteps = 17;

    TSignInSession(TcpClient& connection, TSessionLink& link, TSessionState& state, IMessageSink& mainWindow,
                   ISignInShell& shell, TSettingsStore& store, TSignInOptions options);

    void RegisterHandlers(TPacketDispatcher& dispatcher);
    TSignInOptions& Options() { return m_options; }

    // The credentials to sign in with, kept in the account record until the server's record replaces it.
    void SetCredentials(const QString& userName, const QString& password);

    int ConnectServer(const QString& host, std::uint16_t port);
    std::uint16_t CheckVersion();
    void DownloadUpdate(const TUpdateOffer& offer);
    std::uint16_t SignIn();
    int ConnectAndSignIn(const QString& host, std::uint16_t port);
    bool OpenSession(const QString& host, std::uint16_t port);
    bool RequestStartupInfo();
    bool StartSession(const QString& host, std::uint16_t port);
    // `StartSession` again with the server and credentials in use, after the session ended (a reconnection).
    // A server that cannot be reached ends nothing: the caller tries again later.
    TRestart RestartSession();
    void SendTimeZone();
    void RequestRoomList();
    void EnterRoom(std::int32_t room);
    // What the main window does with the room list reply: an error ends the program, otherwise the user picks
    // a room (`chooseRoom` returns -1 for none, which ends the program too).
    void OnRoomListReported(int resultCode, const std::function<std::int32_t()>& chooseRoom);

    void SetInRoom(bool inRoom) { m_state.inRoom = inRoom; }
    ISignInShell& Shell() { return m_shell; }
    // Where "remember" keeps the credentials; without a call, the settings file alone.
    void SetRememberedCredentials(TRememberedCredentials* remembered) {
        m_remembered = remembered ? remembered : &m_fileOnly;
    }
    bool UpdateDownloaded() const { return m_quitRequested; }

    // The text a room list row shows for its access.
    static QString AccessText(const TRoomListEntry& entry);

private:
    void onRoomList(const TIncomingPacket& packet);
    void onEnterRoom(const TIncomingPacket& packet);
    void onRoomInfo(const TIncomingPacket& packet);
    void reportStatus(const QString& status);
    // Streams `size` bytes from the socket into the file; an empty path reads and drops them.
    void readToFile(const QString& path, std::uint32_t size);
    // The connection to host:port, encrypted as `mode` asks. Throws EChannelError (ETlsRefused when a
    // certificate was not accepted).
    void connectEncrypted(const QString& host, std::uint16_t port, TEncryption mode);

    TcpClient& m_connection;
    TSessionLink& m_link;
    IMessageSink& m_mainWindow;
    ISignInShell& m_shell;
    TSettingsStore& m_store;
    TSessionState& m_state;
    TSignInOptions m_options;
    TNoPasswordVault m_noVault;
    TRememberedCredentials m_fileOnly{m_store, m_noVault};
    TRememberedCredentials* m_remembered = &m_fileOnly;
    bool m_quitRequested = false;
    bool m_restarting = false;
    int m_lastCode = 0; // of the last ConnectAndSignIn
    // Why the last connection failed for its encryption, told instead of the proxy question; empty when
    // the user was told already.
    std::optional<QString> m_encryptionProblem;
};

} // namespace orv
