#pragma once
// From a server address and credentials to a signed-in user inside a room: connecting (directly or through
// a SOCKS proxy), the version check and update download, signing in, the start-up information, starting the
// session link, the room list and room entry, and the records that describe the user and the room.

#include "link/Dispatcher.h"
#include "link/RoomRecords.h"
#include "link/SessionLink.h"
#include "link/SignInRecords.h"
#include "platform/ProxyConnector.h"

#include <QDateTime>
#include <QString>

#include <vector>

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

struct TSignInOptions {
    QString programFolder; // Versions/ and the banner file go here
    TProxySettings proxy;
    std::int32_t connectionSpeed = 65536;
    bool viaSignInWindow = true; // false for a launch link: credentials are then never remembered
    bool playbackMode = false;
    int connectTimeoutMs = 20000;
    int exchangeTimeoutMs = 20000; // bound on each blocking reply before the reader runs
};

class TSignInSession {
public:
    static constexpr int kProgressSteps = 17;
    static constexpr std::uint16_t kDefaultPort = 9910;
    // The largest banner or update the client accepts; larger offers fail like a broken download.
    static constexpr std::uint32_t kMaxBannerBytes = 64u * 1024 * 1024;

    TSignInSession(TcpClient& connection, TSessionLink& link, IMessageSink& mainWindow, ISignInShell& shell,
                   TSettingsStore& store, TSignInOptions options);

    void RegisterHandlers(TPacketDispatcher& dispatcher);
    TSignInOptions& Options() { return m_options; }

    // The credentials to sign in with, kept in the account record until the server's record replaces it.
    void SetCredentials(const QString& userName, const QString& password);

    int ConnectServer(const QString& host, std::uint16_t port);
    std::uint16_t CheckVersion();
    void DownloadUpdate(const TVersionRecord& offered);
    std::uint16_t SignIn();
    int ConnectAndSignIn(const QString& host, std::uint16_t port);
    bool OpenSession(const QString& host, std::uint16_t port);
    bool RequestStartupInfo();
    bool StartSession(const QString& host, std::uint16_t port);
    void SendTimeZone();
    void RequestRoomList();
    void EnterRoom(std::int32_t room);
    // What the main window does with the room list reply: an error ends the program, otherwise the user picks
    // a room (`chooseRoom` returns -1 for none, which ends the program too).
    void OnRoomListReported(int resultCode, const std::function<std::int32_t()>& chooseRoom);

    // Queues a packet from this user in the current room; dropped while the connection is down.
    bool Send(std::uint16_t command, const QByteArray& payload = {});

    // Session values
    QString ServerHost() const { return m_serverHost; }
    std::uint16_t ServerPort() const { return m_serverPort; }
    QString BulkHost() const { return m_serverHost; }
    std::int32_t BulkPort() const { return m_bulkPort; }
    QString VoiceHost() const { return m_serverHost; }
    std::int32_t VoicePort() const { return m_voicePort; }
    std::int32_t ChosenRoom() const { return m_chosenRoom; }
    bool InRoom() const { return m_inRoom; }
    void SetInRoom(bool inRoom);
    // The room was entered: in-room flag set, session start noted.
    void MarkEntered();
    QString WelcomePage() const { return m_welcomePage; }
    void SetWelcomePage(const QString& address) { m_welcomePage = address; }
    ISignInShell& Shell() { return m_shell; }
    QDateTime SessionStart() const { return m_sessionStart; }
    const TAccountRecord& Account() const { return m_account; }
    const TRoomRecord& Room() const { return m_room; }
    const TStartupInfo& Startup() const { return m_startup; }
    QString BannerPath() const { return m_bannerPath; }
    const std::vector<TRoomListEntry>& RoomList() const { return m_roomList; }
    std::int32_t AudioCodec() const { return m_audioCodec; }
    std::int32_t MicrophoneCount() const { return m_microphoneCount; }
    bool UpdateDownloaded() const { return m_quitRequested; }

    // The text a room list row shows for its access.
    static QString AccessText(const TRoomListEntry& entry);
    // The local time-zone bias in minutes: UTC minus local time, daylight saving included.
    static std::int32_t TimeZoneBias(const QDateTime& local = QDateTime::currentDateTime());

private:
    void onRoomList(const TIncomingPacket& packet);
    void onEnterRoom(const TIncomingPacket& packet);
    void onRoomInfo(const TIncomingPacket& packet);
    void reportStatus(const QString& status);
    // Streams `size` bytes from the socket into the file; an empty path reads and drops them.
    void readToFile(const QString& path, std::uint32_t size);
    void takeRoomAudio();

    TcpClient& m_connection;
    TSessionLink& m_link;
    IMessageSink& m_mainWindow;
    ISignInShell& m_shell;
    TSettingsStore& m_store;
    TSignInOptions m_options;

    QString m_serverHost;
    std::uint16_t m_serverPort = 0;
    std::int32_t m_voicePort = 0;
    std::int32_t m_bulkPort = 0;
    std::int32_t m_chosenRoom = 0;
    bool m_inRoom = false;
    bool m_quitRequested = false;
    QDateTime m_sessionStart;
    TAccountRecord m_account;
    TRoomRecord m_room;
    TStartupInfo m_startup;
    QString m_bannerPath;
    QString m_welcomePage;
    std::vector<TRoomListEntry> m_roomList;
    std::int32_t m_audioCodec = 0;
    std::int32_t m_microphoneCount = 1;
};

} // namespace orv
