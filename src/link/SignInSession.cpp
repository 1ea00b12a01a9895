#include "link/SignInSession.h"

#include "link/ErrorMessages.h"
#include "link/LinkMessageIds.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Progress.h"
#include "platform/Scramble.h"
#include "platform/SettingsStore.h"
#include "platform/TcpClient.h"
#include "protocol/Constants.h"
#include "protocol/RoomMessages.h"
#include "protocol/SessionMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

namespace orv {
namespace {

QString downloadFailed() {
    return TSignInSession::tr(
        "Unable to download new version from server. \r\nPlease contact your server administrator "
        "for support.\r\n"
        "You could also try to download Orvane Live Browser from Orvane's official web site");
}
const QString kVendorSite = QStringLiteral(" https://www.orvane-live.example/");
constexpr std::size_t kBlock = 64 * 1024;

// A file name that came from the server, reduced to its last part so it can never leave our folder.
QString safeBaseName(const QString& name) {
    const QString base = QFileInfo(QString(name).replace('\\', '/')).fileName();
    return (base == "." || base == "..") ? QString() : base;
}

} // namespace

TSignInSession::TSignInSession(TcpClient& connection, TSessionLink& link, TSessionState& state,
                               IMessageSink& mainWindow, ISignInShell& shell, TSettingsStore& store,
                               TSignInOptions options)
    : m_connection(connection), m_link(link), m_mainWindow(mainWindow), m_shell(shell), m_store(store),
      m_state(state), m_options(std::move(options)) {}

void TSignInSession::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmRoomList}, [this](const TIncomingPacket& p) { onRoomList(p); });
    dispatcher.RegisterHandler({cmEnterRoom}, [this](const TIncomingPacket& p) { onEnterRoom(p); });
    dispatcher.RegisterHandler({cmRoomInfo}, [this](const TIncomingPacket& p) { onRoomInfo(p); });
}

void TSignInSession::SetCredentials(const QString& userName, const QString& password) {
    m_state.account.SetUserId(0);
    m_state.account.SetUserName(userName.left(50));
    m_state.account.SetPassword(password.left(10));
}

void TSignInSession::reportStatus(const QString& status) {
    m_shell.SetServerPanel(
        tr(" Server %1:%2 %3").arg(m_state.serverHost).arg(m_state.serverPort).arg(status));
}

int TSignInSession::ConnectServer(const QString& host, std::uint16_t port) {
    if (m_connection.isConnected() && m_connection.host() == host && m_connection.port() == port)
        return 0;
    if (m_connection.isConnected()) {
        m_connection.close();
        reportStatus(tr("Disconnected."));
    }
    m_state.serverHost = host;
    m_state.serverPort = port;
    m_state.proxy = m_options.proxy;
    m_state.tls = {};
    m_encryptionProblem.reset();
    reportStatus(m_options.proxy.inUse() ? tr("Connecting through the proxy...") : tr("Connecting..."));
    try {
        connectEncrypted(host, port,
                         m_options.encryption.value_or(ReadServerEncryption(m_store, host, port)));
    } catch (const EChannelError& e) {
        reportStatus(tr("Disconnected (%1).").arg(e.what()));
        return ResultCode::ConnectionFailed;
    }
    m_connection.setReceiveTimeout(m_options.exchangeTimeoutMs);
    reportStatus(tr("Connected."));
    return 0;
}

void TSignInSession::connectEncrypted(const QString& host, std::uint16_t port, TEncryption mode) {
    const auto connect = [&] {
        ConnectThrough(m_connection, host, port, m_options.proxy, m_options.connectTimeoutMs);
    };
    connect();
    if (mode == TEncryption::Off)
        return;
    TKnownServerCertificates known(m_store, m_shell.Dialogs());
    try {
        m_connection.startTls(&known, m_options.connectTimeoutMs);
    } catch (const ETlsNotOffered&) {
        if (mode == TEncryption::Required) {
            m_encryptionProblem = tr("The server %1:%2 does not offer an encrypted connection, and the "
                                     "settings for this server "
                                     "require one.")
                                      .arg(host)
                                      .arg(port);
            throw;
        }
        connect(); // a plain server: the attempt cost it the connection
        return;
    } catch (const ETlsRefused&) {
        if (known.RefusalShown())
            m_encryptionProblem = QString();
        else
            m_encryptionProblem =
                tr("The server %1:%2 has no certificate that could be accepted.").arg(host).arg(port);
        throw;
    }
    if (known.Asked()) {
        // The question may have outlasted the server's patience; the certificate is known now.
        connect();
        m_connection.startTls(&known, m_options.connectTimeoutMs);
    }
    m_state.tls = {true, m_connection.peerFingerprint()};
}

std::uint16_t TSignInSession::CheckVersion() {
    try {
        const TVersionRecord version = ClientVersionRecord();
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

void TSignInSession::DownloadUpdate(const TUpdateOffer& offer) {
    const QString folder = QDir(m_options.programFolder).filePath("Versions");
    QDir().mkpath(folder);
    QString version = offer.version.Version();
    version.remove(QRegularExpression("[^A-Za-z0-9._-]"));
    const QString path = QDir(folder).filePath(
        QString("%1OrvaneBrowserSetup%2.exe").arg(SystemClock::instance().tickCount()).arg(version));
    try {
        const std::uint32_t count = offer.fileSize;
        if (count == 0) {
            m_shell.Dialogs().Error(downloadFailed() + kVendorSite);
            return;
        }
        // Streamed in blocks: the count comes from the network and is never allocated whole.
        readToFile(path, count);
    } catch (const EChannelError&) {
        QFile::remove(path);
        m_shell.Dialogs().Error(downloadFailed() + kVendorSite);
        return;
    }
    m_shell.Progress().Step(4, tr("Download complete. Starting new version."));
    m_shell.Dialogs().Information(tr("Download complete!\r\nPress the OK button to continue. Follow the "
                                     "instructions to install the new version!"));
    m_shell.OpenFile(path);
}

std::uint16_t TSignInSession::SignIn() {
    try {
        TSignInRecord record;
        record.SetPassword(m_state.account.Password());
        record.SetUserName(m_state.account.UserName());
        m_connection.writeAll(record.bytes().data(), TSignInRecord::kSize);
        std::uint8_t header[TPacketHeader::kSize];
        m_connection.readExact(header, sizeof header);
        const std::uint16_t code = TPacketHeader::decode(header).ResultCode;
        if (code == 0) {
            TAccountRecord account;
            std::array<std::uint8_t, TAccountRecord::kSize> bytes;
            m_connection.readExact(bytes.data(), bytes.size());
            account.fromBytes(bytes.data());
            m_state.account = account;
        }
        return code;
    } catch (const EChannelError&) {
        return ResultCode::OperationFailed;
    }
}

int TSignInSession::ConnectAndSignIn(const QString& host, std::uint16_t port) {
    if (const int code = ConnectServer(host, port); code != 0)
        return code;
    m_shell.Progress().Step(1, tr("Checking for updates..."));
    const std::uint16_t versionCode = CheckVersion();
    if (versionCode != 0) {
        // Any answer but 0 offers an update; the program ends after the download.
        m_shell.Progress().Step(2, tr("New version available."));
        m_shell.Dialogs().Information(
            tr("A new Orvane Live Browser version is available. \r\nYour version of "
               "Orvane Live Browser will be updated "
               "with a new one.\r\nOn slow internet connections it may take several "
               "minutes.\r\nPress the OK button to "
               "continue."));
        try {
            std::array<std::uint8_t, TUpdateOffer::kSize> bytes;
            m_connection.readExact(bytes.data(), bytes.size());
            PayloadReader reader(bytes.data(), bytes.size());
            const TUpdateOffer offer = TUpdateOffer::decode(reader);
            m_shell.Progress().Step(3, tr("Getting version updates. Please wait..."));
            DownloadUpdate(offer);
        } catch (const EChannelError&) {
            m_shell.Dialogs().Error(downloadFailed() + kVendorSite);
        }
        m_quitRequested = true;
        m_shell.RequestQuit(0);
        return versionCode;
    }
    m_shell.Progress().Step(2, tr("Validating user info..."));
    return SignIn();
}

bool TSignInSession::OpenSession(const QString& host, std::uint16_t port) {
    IProgress& progress = m_shell.Progress();
    progress.Setup(kProgressSteps);
    progress.Show();
    progress.Step(0, tr("Trying to connect to remote server..."));
    // The sign-in window remembers the server it was given; a launch link's server is remembered only once
    // signing in there worked, so a broken link never replaces it.
    const auto rememberServer = [&] {
        m_store.WriteText("", "ServerIP", host);
        m_store.WriteInteger("", "ServerPort", port);
    };
    if (m_options.viaSignInWindow)
        rememberServer();

    const int code = m_lastCode = ConnectAndSignIn(host, port);
    if (m_quitRequested)
        return false; // the update path ends the program without further messages
    if (code == ResultCode::ConnectionFailed && m_encryptionProblem) {
        if (!m_encryptionProblem->isEmpty())
            m_shell.Dialogs().Error(*m_encryptionProblem);
        return false; // trying again would not change it
    }
    if (code == ResultCode::ConnectionFailed && m_restarting)
        return false; // tried again later
    if (code == ResultCode::ConnectionFailed) {
        const bool configure =
            m_shell.Dialogs().ErrorQuestion(ErrorText(code) + "\r\n" +
                                            tr("\r\nTo configure the Proxy settings press the Yes button. To "
                                               "try again later press the No button."));
        if (configure) {
            m_shell.OpenConnectionSettings();
            m_shell.Dialogs().Information(tr("Orvane Live will now close. The setting will take effect the "
                                             "next time you try to sign in."));
        }
        return false;
    }
    if (code != 0) {
        m_shell.Dialogs().Error(AccessDeniedMessage(code));
        return false;
    }
    progress.Step(3, tr("User account validated."));
    if (!m_options.viaSignInWindow)
        rememberServer();

    if (m_options.viaSignInWindow) {
        const TAccountRecord& account = m_state.account;
        if (m_store.ReadFlag("", "RememberMe"))
            m_remembered->Remember(host, port, account.UserId(), account.UserName(), account.Password());
        else
            m_remembered->Forget(host, port);
    }
    progress.Step(3, tr("Getting startup information."));
    return RequestStartupInfo();
}

bool TSignInSession::RequestStartupInfo() {
    if (!m_connection.isConnected())
        return false;
    try {
        m_connection.writeAll(BuildPacket(cmStartupInfo, m_state.account.UserId(), 0).constData(),
                              TPacketHeader::kSize);
        std::uint8_t headerBytes[TPacketHeader::kSize];
        m_connection.readExact(headerBytes, sizeof headerBytes);
        const TPacketHeader header = TPacketHeader::decode(headerBytes);
        if (!StartupInfoAccepted(header))
            throw EChannelError("start-up information refused");
        std::array<std::uint8_t, TStartupInfo::kSize> bytes;
        m_connection.readExact(bytes.data(), bytes.size());
        m_state.startup.fromBytes(bytes.data());
        m_state.bannerPath.clear();
        const std::uint32_t size = m_state.startup.BannerFileSize();
        if (size > 0) {
            if (size > kMaxSignInFileBytes)
                throw EChannelError("banner too large");
            const QString name = safeBaseName(m_state.startup.BannerFileName());
            // The bytes are read in any case (an unusable name drops them): the next exchange follows them.
            const QString path = name.isEmpty() ? QString() : QDir(m_options.programFolder).filePath(name);
            if (!path.isEmpty())
                QFile::remove(path);
            readToFile(path, size);
            m_state.bannerPath = path;
        }
        if (m_state.bannerPath.isEmpty())
            m_state.startup.SetBannerFlag(false);
        return true;
    } catch (const EChannelError&) {
        m_state.startup.SetBannerFlag(false);
        m_state.startup.SetWelcomeFlag(false);
        return false;
    }
}

bool TSignInSession::StartSession(const QString& host, std::uint16_t port) {
    m_lastCode = 0;
    if (!OpenSession(host, port)) {
        m_shell.Progress().Hide();
        const bool unreachable =
            m_restarting && m_lastCode == ResultCode::ConnectionFailed && !m_encryptionProblem;
        if (!m_quitRequested && !unreachable)
            m_shell.RequestQuit(-1);
        return false;
    }
    m_shell.Progress().Step(4, tr("Init whiteboards..."));
    m_shell.Progress().Step(5, tr("Starting communication services..."));
    m_shell.SetCaption(tr("%1 in a virtual session").arg(m_state.account.FullName()));
    m_shell.SetServerPanel(tr(" Server: %1:%2").arg(host).arg(port));
    m_shell.SetRoomPanel(tr(" Room: Not selected"));
    if (m_options.playbackMode)
        return true;
    // From here on the reader owns the socket's input, and it waits without a time-out.
    m_connection.setReceiveTimeout(0);
    m_link.StartReader();
    m_link.StartWriter();
    m_link.SetConnectionSpeed(m_options.connectionSpeed);
    return true;
}

TRestart TSignInSession::RestartSession() {
    m_restarting = true;
    const bool started = StartSession(m_state.serverHost, m_state.serverPort);
    m_restarting = false;
    if (started)
        return TRestart::Started;
    return m_lastCode == ResultCode::ConnectionFailed && !m_quitRequested && !m_encryptionProblem
               ? TRestart::Unreachable
               : TRestart::Ended;
}

void TSignInSession::SendTimeZone() {
    const TAccountRecord& account = m_state.account;
    m_link.Send(BuildPacket(cmTimeZone, account.UserId(), std::uint16_t(account.Room()),
                            TTimeZoneReport::ForLocalTime().encode()));
}

void TSignInSession::RequestRoomList() {
    m_shell.Progress().Step(6, tr("Loading Virtual Rooms..."));
    if (!m_link.Send(BuildPacket(cmRoomList, m_state.account.UserId(), 0)))
        m_mainWindow.post(MainMsg::LinkState, LinkStateValue::WriteFailed, 0);
}

void TSignInSession::EnterRoom(std::int32_t room) {
    // The progress window stays up until the answer: without it nothing would show that the program runs.
    m_shell.Progress().Show();
    m_shell.Progress().Step(8, tr("Validating..."));
    m_state.chosenRoom = room;
    if (!m_link.Send(BuildPacket(cmEnterRoom, m_state.account.UserId(), std::uint16_t(room),
                                 TEnterRoomRequest{room}.encode())))
        m_mainWindow.post(MainMsg::LinkState, LinkStateValue::WriteFailed, 0);
}

void TSignInSession::OnRoomListReported(int resultCode, const std::function<std::int32_t()>& chooseRoom) {
    if (resultCode != 0) {
        m_shell.Dialogs().Error(
            tr("Unable to load the virtual rooms. There are no virtual rooms available at the "
               "moment.\r\nPlease contact your host organization for details on how to sign in."));
        m_shell.RequestQuit(-1);
        return;
    }
    m_shell.Progress().Step(7, tr("Virtual rooms loaded."));
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
        return tr("Disabled");
    case RoomState::Unavailable:
        return tr("Unavailable");
    case RoomState::Expired:
        return tr("Expired");
    default:
        return entry.IsPrivate() ? tr("Private") : tr("Public");
    }
}

void TSignInSession::onRoomList(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    m_state.roomList = TRoomListReply::decode(reader).entries;
    m_mainWindow.post(MainMsg::RoomListLoaded, packet.header.ResultCode, 0);
}

void TSignInSession::onEnterRoom(const TIncomingPacket& packet) {
    // A recording opens with the room entry reply it was made in; it must not enter a room here.
    if (m_options.playbackMode || m_state.IsPlayback())
        return;
    if (packet.header.ResultCode == 0) {
        // Read whole before anything is kept: a short reply leaves the records as they were.
        auto reader = packet.payload();
        const TRoomEntryReply reply = TRoomEntryReply::decode(reader);
        m_state.voicePort = reply.ports.VoicePort();
        m_state.bulkPort = reply.ports.BulkPort();
        m_state.account = reply.account;
        m_state.TakeRoom(reply.room);
    }
    m_mainWindow.post(MainMsg::RoomEntered, packet.header.ResultCode, 0);
}

void TSignInSession::onRoomInfo(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    m_state.TakeRoom(TRoomInfo::decode(reader).room);
}

} // namespace orv
