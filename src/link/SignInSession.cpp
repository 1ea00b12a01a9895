#include "link/SignInSession.h"

#include "link/ErrorMessages.h"
#include "platform/AppMessageIds.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Progress.h"
#include "platform/Scramble.h"
#include "platform/SettingsStore.h"
#include "platform/TcpClient.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

namespace orv {
namespace {

const QString kDownloadFailed =
    QStringLiteral("Unable to download new version from server. \r\nPlease contact your server administrator "
                   "for support.\r\n"
                   "You could also try to download Orvane Live Browser from Orvane's official web site");
const QString kVendorSite = QStringLiteral(" https://www.orvane-live.example/");
constexpr std::size_t kBlock = 64 * 1024;

// A file name that came from the server, reduced to its last part so it can never leave our folder.
QString safeBaseName(const QString& name) {
    const QString base = QFileInfo(QString(name).replace('\\', '/')).fileName();
    return (base == "." || base == "..") ? QString() : base;
}

} // namespace

TSignInSession::TSignInSession(TcpClient& connection, TSessionLink& link, IMessageSink& mainWindow,
                               ISignInShell& shell, TSettingsStore& store, TSignInOptions options)
    : m_connection(connection), m_link(link), m_mainWindow(mainWindow), m_shell(shell), m_store(store),
      m_options(std::move(options)) {}

void TSignInSession::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmRoomList}, [this](const TIncomingPacket& p) { onRoomList(p); });
    dispatcher.RegisterHandler({cmEnterRoom}, [this](const TIncomingPacket& p) { onEnterRoom(p); });
    dispatcher.RegisterHandler({cmRoomInfo}, [this](const TIncomingPacket& p) { onRoomInfo(p); });
}

void TSignInSession::SetCredentials(const QString& userName, const QString& password) {
    m_account.SetUserId(0);
    m_account.SetUserName(userName.left(50));
    m_account.SetPassword(password.left(10));
}

void TSignInSession::SetInRoom(bool inRoom) {
    m_inRoom = inRoom;
}

void TSignInSession::MarkEntered() {
    m_inRoom = true;
    m_sessionStart = QDateTime::currentDateTime();
}

void TSignInSession::reportStatus(const QString& status) {
    m_shell.SetServerPanel(QString(" Server %1:%2 %3").arg(m_serverHost).arg(m_serverPort).arg(status));
}

int TSignInSession::ConnectServer(const QString& host, std::uint16_t port) {
    if (m_connection.isConnected() && m_connection.host() == host && m_connection.port() == port)
        return 0;
    if (m_connection.isConnected()) {
        m_connection.close();
        reportStatus("Disconnected.");
    }
    m_serverHost = host;
    m_serverPort = port;
    reportStatus(m_options.proxy.inUse() ? "Connecting through the proxy..." : "Connecting...");
    try {
        ConnectThrough(m_connection, host, port, m_options.proxy, m_options.connectTimeoutMs);
    } catch (const EChannelError& e) {
        reportStatus(QString("Disconnected (%1).").arg(e.what()));
        return ResultCode::ConnectionFailed;
    }
    m_connection.setReceiveTimeout(m_options.exchangeTimeoutMs);
    reportStatus("Connected.");
    return 0;
}

std::uint16_t TSignInSession::CheckVersion() {
    try {
        TVersionRecord version;
        version.SetVersion("4.9.1");
        version.SetBuildDate("Jul-16-2007");
        m_connection.writeAll(version.bytes().data(), TVersionRecord::kSize);
        std::uint8_t header[TPacketHeader::kSize];
        m_connection.readExact(header, sizeof header);
        return TPacketHeader::decode(header).ResultCode;
    } catch (const EChannelError&) {
        return ResultCode::OperationFailed;
    }
}

void TSignInSession::readToFile(const QString& path, std::uint32_t size) {
    QFile file(path);
    if (!path.isEmpty() && !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EChannelError("cannot write " + path.toStdString());
    std::vector<char> block(kBlock);
    for (std::uint32_t left = size; left > 0;) {
        const std::size_t n = std::min<std::size_t>(left, kBlock);
        m_connection.readExact(block.data(), n);
        if (file.isOpen() && file.write(block.data(), qint64(n)) != qint64(n))
            throw EChannelError("cannot write " + path.toStdString());
        left -= std::uint32_t(n);
    }
}

void TSignInSession::DownloadUpdate(const TVersionRecord& offered) {
    const QString folder = QDir(m_options.programFolder).filePath("Versions");
    QDir().mkpath(folder);
    QString version = offered.Version();
    version.remove(QRegularExpression("[^A-Za-z0-9._-]"));
    const QString path = QDir(folder).filePath(
        QString("%1OrvaneBrowserSetup%2.exe").arg(SystemClock::instance().tickCount()).arg(version));
    try {
        std::uint8_t countBytes[4];
        m_connection.readExact(countBytes, sizeof countBytes);
        const auto count = wire::load<std::uint32_t>(countBytes);
        if (count == 0) {
            m_shell.Dialogs().Error(kDownloadFailed + kVendorSite);
            return;
        }
        // Streamed in blocks: the count comes from the network and is never allocated whole.
        readToFile(path, count);
    } catch (const EChannelError&) {
        QFile::remove(path);
        m_shell.Dialogs().Error(kDownloadFailed + kVendorSite);
        return;
    }
    m_shell.Progress().Step(4, "Download complete. Starting new version.");
    m_shell.Dialogs().Information("Download complete!\r\nPress the OK button to continue. Follow the "
                                  "instructions to install the new version!");
    m_shell.OpenFile(path);
}

std::uint16_t TSignInSession::SignIn() {
    try {
        TSignInRecord record;
        record.SetPassword(m_account.Password());
        record.SetUserName(m_account.UserName());
        m_connection.writeAll(record.bytes().data(), TSignInRecord::kSize);
        std::uint8_t header[TPacketHeader::kSize];
        m_connection.readExact(header, sizeof header);
        const std::uint16_t code = TPacketHeader::decode(header).ResultCode;
        if (code == 0) {
            TAccountRecord account;
            std::array<std::uint8_t, TAccountRecord::kSize> bytes;
            m_connection.readExact(bytes.data(), bytes.size());
            account.fromBytes(bytes.data());
            m_account = account;
        }
        return code;
    } catch (const EChannelError&) {
        return ResultCode::OperationFailed;
    }
}

int TSignInSession::ConnectAndSignIn(const QString& host, std::uint16_t port) {
    if (const int code = ConnectServer(host, port); code != 0)
        return code;
    m_shell.Progress().Step(1, "Checking for updates...");
    const std::uint16_t versionCode = CheckVersion();
    if (versionCode != 0) {
        // Any answer but 0 offers an update; the program ends after the download.
        m_shell.Progress().Step(2, "New version available.");
        m_shell.Dialogs().Information("A new Orvane Live Browser version is available. \r\nYour version of "
                                      "Orvane Live Browser will be updated "
                                      "with a new one.\r\nOn slow internet connections it may take several "
                                      "minutes.\r\nPress the OK button to "
                                      "continue.");
        TVersionRecord offered;
        try {
            std::array<std::uint8_t, TVersionRecord::kSize> bytes;
            m_connection.readExact(bytes.data(), bytes.size());
            offered.fromBytes(bytes.data());
            m_shell.Progress().Step(3, "Getting version updates. Please wait...");
            DownloadUpdate(offered);
        } catch (const EChannelError&) {
            m_shell.Dialogs().Error(kDownloadFailed + kVendorSite);
        }
        m_quitRequested = true;
        m_shell.RequestQuit(0);
        return versionCode;
    }
    m_shell.Progress().Step(2, "Validating user info...");
    return SignIn();
}

bool TSignInSession::OpenSession(const QString& host, std::uint16_t port) {
    IProgress& progress = m_shell.Progress();
    progress.Setup(kProgressSteps);
    progress.Show();
    progress.Step(0, "Trying to connect to remote server...");
    m_store.WriteText("", "ServerIP", host);
    m_store.WriteInteger("", "ServerPort", port);

    const int code = ConnectAndSignIn(host, port);
    if (m_quitRequested)
        return false; // the update path ends the program without further messages
    if (code == ResultCode::ConnectionFailed) {
        const bool configure =
            m_shell.Dialogs().ErrorQuestion(ErrorText(code) + "\r\n" +
                                            "\r\nTo configure the Proxy settings press the Yes button. To "
                                            "try again later press the No button.");
        if (configure) {
            m_shell.OpenConnectionSettings();
            m_shell.Dialogs().Information(
                "Orvane Live will now close. The setting will take effect the next time you try to sign in.");
        }
        return false;
    }
    if (code != 0) {
        m_shell.Dialogs().Error(AccessDeniedMessage(code));
        return false;
    }
    progress.Step(3, "User account validated.");

    if (m_options.viaSignInWindow) {
        const bool remember = m_store.ReadFlag("", "RememberMe");
        m_store.WriteInteger("", "UserID", remember ? m_account.UserId() : 0);
        m_store.WriteText("", "UserName", remember ? m_account.UserName() : QString());
        m_store.WriteText("", "Password", remember ? Scramble(m_account.Password()) : QString());
        m_store.Flush();
    }
    progress.Step(3, "Getting startup information.");
    return RequestStartupInfo();
}

bool TSignInSession::RequestStartupInfo() {
    if (!m_connection.isConnected())
        return false;
    try {
        m_connection.writeAll(BuildPacket(cmStartupInfo, m_account.UserId(), 0).constData(),
                              TPacketHeader::kSize);
        std::uint8_t headerBytes[TPacketHeader::kSize];
        m_connection.readExact(headerBytes, sizeof headerBytes);
        const TPacketHeader header = TPacketHeader::decode(headerBytes);
        if (header.DataSize <= 0 || header.ResultCode != 0)
            throw EChannelError("start-up information refused");
        std::array<std::uint8_t, TStartupInfo::kSize> bytes;
        m_connection.readExact(bytes.data(), bytes.size());
        m_startup.fromBytes(bytes.data());
        m_bannerPath.clear();
        const std::uint32_t size = m_startup.BannerFileSize();
        if (size > 0) {
            if (size > kMaxBannerBytes)
                throw EChannelError("banner too large");
            const QString name = safeBaseName(m_startup.BannerFileName());
            // The bytes are read in any case (an unusable name drops them): the next exchange follows them.
            const QString path = name.isEmpty() ? QString() : QDir(m_options.programFolder).filePath(name);
            if (!path.isEmpty())
                QFile::remove(path);
            readToFile(path, size);
            m_bannerPath = path;
        }
        if (m_bannerPath.isEmpty())
            m_startup.SetBannerFlag(false);
        return true;
    } catch (const EChannelError&) {
        m_startup.SetBannerFlag(false);
        m_startup.SetWelcomeFlag(false);
        return false;
    }
}

bool TSignInSession::StartSession(const QString& host, std::uint16_t port) {
    if (!OpenSession(host, port)) {
        m_shell.Progress().Hide();
        if (!m_quitRequested)
            m_shell.RequestQuit(-1);
        return false;
    }
    m_shell.Progress().Step(4, "Init whiteboards...");
    m_shell.Progress().Step(5, "Starting communication services...");
    m_shell.SetCaption(QString("%1 in a virtual session").arg(m_account.FullName()));
    m_shell.SetServerPanel(QString(" Server: %1:%2").arg(host).arg(port));
    m_shell.SetRoomPanel(" Room: Not selected");
    if (m_options.playbackMode)
        return true;
    // From here on the reader owns the socket's input, and it waits without a time-out.
    m_connection.setReceiveTimeout(0);
    m_link.StartReader();
    m_link.StartWriter();
    m_link.SetConnectionSpeed(m_options.connectionSpeed);
    return true;
}

bool TSignInSession::Send(std::uint16_t command, const QByteArray& payload) {
    return m_link.Send(BuildPacket(command, m_account.UserId(), std::uint16_t(m_account.Room()), payload));
}

std::int32_t TSignInSession::TimeZoneBias(const QDateTime& local) {
    return -local.offsetFromUtc() / 60;
}

void TSignInSession::SendTimeZone() {
    Send(cmTimeZone, wire::bytesOf(TimeZoneBias()));
}

void TSignInSession::RequestRoomList() {
    m_shell.Progress().Step(6, "Loading Virtual Rooms...");
    m_link.Send(BuildPacket(cmRoomList, m_account.UserId(), 0));
}

void TSignInSession::EnterRoom(std::int32_t room) {
    m_shell.Progress().Step(8, "Validating...");
    m_chosenRoom = room;
    m_link.Send(BuildPacket(cmEnterRoom, m_account.UserId(), std::uint16_t(room), wire::bytesOf(room)));
}

void TSignInSession::OnRoomListReported(int resultCode, const std::function<std::int32_t()>& chooseRoom) {
    if (resultCode != 0) {
        m_shell.Dialogs().Error(
            "Unable to load the virtual rooms. There are no virtual rooms available at the "
            "moment.\r\nPlease contact your host organization for details on how to sign in.");
        m_shell.RequestQuit(-1);
        return;
    }
    m_shell.Progress().Step(7, "Virtual rooms loaded.");
    const std::int32_t room = chooseRoom();
    if (room < 0) {
        m_shell.RequestQuit(0);
        return;
    }
    EnterRoom(room);
}

QString TSignInSession::AccessText(const TRoomListEntry& entry) {
    switch (entry.State()) {
    case RoomState::Disabled:
        return "Disabled";
    case RoomState::Unavailable:
        return "Unavailable";
    case RoomState::Expired:
        return "Expired";
    default:
        return entry.IsPrivate() ? "Private" : "Public";
    }
}

void TSignInSession::takeRoomAudio() {
    m_audioCodec = m_room.AudioCodec();
    m_microphoneCount = m_room.MicrophoneCount();
}

void TSignInSession::onRoomList(const TIncomingPacket& packet) {
    m_roomList.clear();
    auto reader = packet.payload();
    while (reader.remaining() >= TRoomListEntry::kSize) {
        TRoomListEntry entry;
        entry.readFrom(reader);
        m_roomList.push_back(entry);
    }
    m_mainWindow.post(MainMsg::RoomListLoaded, packet.header.ResultCode, 0);
}

void TSignInSession::onEnterRoom(const TIncomingPacket& packet) {
    if (m_options.playbackMode)
        return;
    if (packet.header.ResultCode == 0) {
        // Read whole before anything is kept: a short reply leaves the records as they were.
        auto reader = packet.payload();
        TRoomConnection ports;
        TRoomRecord room;
        TAccountRecord account;
        ports.readFrom(reader);
        room.readFrom(reader);
        account.readFrom(reader);
        m_voicePort = ports.VoicePort();
        m_bulkPort = ports.BulkPort();
        m_room = room;
        m_account = account;
        takeRoomAudio();
    }
    m_mainWindow.post(MainMsg::RoomEntered, packet.header.ResultCode, 0);
}

void TSignInSession::onRoomInfo(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    TRoomRecord room;
    room.readFrom(reader);
    m_room = room;
    takeRoomAudio();
}

} // namespace orv
