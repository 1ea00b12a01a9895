// Encrypted connections between the client and the session server, on the same ports as plain ones: every
// connection of a session, the certificate checks and their memory, the per-server setting, a proxy on the
// way, and what an onlooker on the wire sees.
#include "link/LinkMessageIds.h"
#include "link/ServerEncryption.h"
#include "link/SignInSession.h"
#include "platform/ProxyConnector.h"
#include "platform/SettingsStore.h"
#include "platform/SocketAbort.h"
#include "protocol/ChatMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/RoomMessages.h"
#include "protocol/TransferMessages.h"
#include "protocol/VideoMessages.h"
#include "protocol/VoiceMessages.h"
#include "support/EventPump.h"
#include "support/FakeShell.h"
#include "support/Prerequisites.h"
#include "support/RecordingRelay.h"
#include "support/RecordingSink.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/SocksProxies.h"
#include "support/TestAccounts.h"
#include "support/TestCertificates.h"

#include "ConnectionOpening.h"
#include "ServerConfig.h"
#include "TlsServerSettings.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <thread>

namespace orv {
namespace {

using test::pumpUntil;

// The sign-in chain on a real connection, session link and dispatcher, with fake windows.
struct EncryptingClient {
    EncryptingClient(const QString& folder, std::optional<TEncryption> encryption, TProxySettings proxy = {})
        : store(folder + "/settings.ini") {
        TSignInOptions options;
        options.programFolder = folder;
        options.exchangeTimeoutMs = 5000;
        options.connectTimeoutMs = 5000;
        options.encryption = encryption;
        options.proxy = proxy;
        session = std::make_unique<TSignInSession>(connection, link, state, sink, shell, store, options);
        session->RegisterHandlers(dispatcher);
    }
    ~EncryptingClient() {
        link.StopReader();
        link.StopWriter();
    }
    bool signIn(std::uint16_t port, const QString& user) {
        session->SetCredentials(user, test::PasswordOf(user));
        return session->StartSession("127.0.0.1", port);
    }
    void enter(std::int32_t room) {
        session->EnterRoom(room);
        ASSERT_TRUE(pumpUntil([&] { return !sink.withNumber(MainMsg::RoomEntered).empty(); }));
        ASSERT_EQ(sink.withNumber(MainMsg::RoomEntered)[0].wParam, 0);
    }
    int questions() const { return int(shell.dialogs.shown.filter("question: ").size()); }

    TcpClient connection;
    test::RecordingSink sink;
    TPacketDispatcher dispatcher;
    QObject mainContext;
    TSessionLink link{connection, dispatcher, sink, &mainContext};
    test::FakeShell shell;
    TSettingsStore store;
    TSessionState state;
    std::unique_ptr<TSignInSession> session;
};

constexpr std::uint16_t kAlice = 2, kBob = 3;
constexpr std::int32_t kRoom = 100;

class EncryptedConnections : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        if (!test::MakeSelfSigned(certificates.path(), "server", certificate, why))
            ORV_PREREQUISITE_MISSING(why.toStdString());
    }

    // Alice moderates (and keeps the library), Bob takes part; with a certificate, encrypted connections too.
    static server::ServerConfig classroom(const test::TestCertificate* with, bool tlsOnly = false,
                                          int openingTimeoutMs = 15000) {
        server::ServerConfig c =
            test::ClassroomConfig({{"alice", kAlice, 1000, {}, "Tester", 1000}, {"bob", kBob}}, {kRoom});
        c.rooms[kRoom].video = true;
        if (with) {
            auto tls = server::loadTlsServerSettings(with->certificate, with->key);
            tls->tlsOnly = tlsOnly;
            tls->openingTimeoutMs = openingTimeoutMs;
            c.tls = std::move(tls);
        }
        return c;
    }

    QTemporaryDir certificates, aliceDir, bobDir;
    test::TestCertificate certificate;
};

QByteArray ChatPacket(std::uint16_t from, const QString& text) {
    TChatMessage m;
    m.record.SetFrom(from);
    m.record.SetRoom(std::uint16_t(kRoom));
    m.record.SetKind(ckPublic);
    m.text = text;
    return BuildPacket(cmChat, from, std::uint16_t(kRoom), m.encode());
}

test::ReceivedPacket NextOf(test::SimulatedClient& c, std::uint16_t command) {
    for (;;) {
        test::ReceivedPacket p = c.readPacket();
        if (p.header.Command == command)
            return p;
    }
}

TPacketHeader ReadHeader(TcpClient& c) {
    std::uint8_t bytes[TPacketHeader::kSize];
    c.readExact(bytes, sizeof bytes);
    return TPacketHeader::decode(bytes);
}

void Write(TcpClient& c, const QByteArray& bytes) {
    c.writeAll(bytes.constData(), std::size_t(bytes.size()));
}

TEST(ConnectionOpening, TellsATlsClientHelloFromTheFirstBytesOfEveryPortsPlainOpening) {
    using server::OpeningKind;
    TVersionRecord version;
    version.SetVersion("4.9.1");
    TVoiceSignOn voiceOf790;
    voiceOf790.SetUserId(0x0316); // the same first two bytes as a TLS record
    voiceOf790.SetPassword("ab");
    const QByteArray hello("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11);
    const struct {
        const char* name;
        QByteArray bytes;
        OpeningKind kind;
    } cases[] = {
        {"control: the version record", version.toByteArray(), OpeningKind::Plain},
        {"bulk: an image upload, whose code is 0x16", BuildPacket(cmUploadImage, 1, 100), OpeningKind::Plain},
        {"video: the sign-on", BuildPacket(cmVideoJoin, 1, 100), OpeningKind::Plain},
        {"voice: user 790's sign-on", voiceOf790.toByteArray(), OpeningKind::Plain},
        {"a ClientHello", hello, OpeningKind::Tls},
        {"a ClientHello's first five bytes", hello.left(5), OpeningKind::Undecided},
        {"nothing yet", {}, OpeningKind::Undecided},
        {"a handshake record of another message", QByteArray("\x16\x03\x03\x00\x10\x02", 6),
         OpeningKind::Plain},
    };
    for (const auto& c : cases)
        EXPECT_EQ(server::classifyOpening(c.bytes), c.kind) << c.name;
}

TEST_F(EncryptedConnections, EveryConnectionOfASessionIsEncryptedBesideAPlainClientOnTheSamePorts) {
    test::ServerThread server(classroom(&certificate));
    const std::uint16_t voicePort = server.listenVoice();
    const std::uint16_t bulkPort = server.listenBulk();

    EncryptingClient alice(aliceDir.path(), TEncryption::WhenOffered);
    ASSERT_TRUE(alice.signIn(server.port(), "alice"));
    EXPECT_TRUE(alice.connection.isEncrypted());
    EXPECT_EQ(alice.state.tls.fingerprint, certificate.fingerprint);
    EXPECT_EQ(alice.questions(), 1) << "an unknown certificate is shown once";
    alice.enter(kRoom);

    test::SimulatedClient bob;
    bob.connectAndSignIn(server.port(), "bob", test::PasswordOf("bob"));
    bob.roomId = std::uint16_t(kRoom);
    bob.sendPacket(cmEnterRoom, TEnterRoomRequest{kRoom}.encode());
    ASSERT_EQ(NextOf(bob, cmEnterRoom).header.ResultCode, 0);

    // Chat on the control connection.
    ASSERT_TRUE(alice.link.Send(ChatPacket(kAlice, "Page 12, everybody")));
    const QByteArray said = NextOf(bob, cmChat).payload;
    PayloadReader chat(said);
    EXPECT_EQ(TChatMessage::decode(chat, TChatTextForm::Wide).text.trimmed(), "Page 12, everybody");

    // A voice frame.
    TcpClient aliceVoice;
    ConnectThrough(aliceVoice, "127.0.0.1", voicePort, {}, alice.state.tls, 5000);
    EXPECT_TRUE(aliceVoice.isEncrypted());
    const auto voiceSignOn = [](std::uint16_t user, const QString& password) {
        TVoiceSignOn s;
        s.SetUserId(user);
        s.SetPassword(password);
        s.SetRoomId(std::uint16_t(kRoom));
        return s.toByteArray();
    };
    Write(aliceVoice, voiceSignOn(kAlice, alice.state.account.Password()));
    ASSERT_EQ(ReadHeader(aliceVoice).ResultCode, 0);
    test::SimulatedClient bobVoice;
    bobVoice.connect(voicePort);
    bobVoice.send(voiceSignOn(kBob, test::PasswordOf("bob")));
    ASSERT_EQ(bobVoice.readHeader().ResultCode, 0);
    ASSERT_TRUE(alice.link.Send(BuildPacket(cmTakeMicrophone, kAlice, std::uint16_t(kRoom))));
    ASSERT_EQ(NextOf(bob, cmTakeMicrophone).header.UserId, kAlice);
    const QByteArray speech(300, 's');
    Write(aliceVoice, VoiceFrame(cmVoiceOut, kAlice, std::uint16_t(kRoom), speech.constData(), 300));
    const test::ReceivedPacket heard = bobVoice.readPacket();
    EXPECT_EQ(heard.header.Command, cmVoiceIn);
    EXPECT_EQ(heard.payload, speech);

    // An upload, and the same file downloaded, both larger than one TLS record.
    QByteArray content;
    for (int i = 0; i < 300000; ++i)
        content.append(char('a' + i % 23));
    TResourceRecord record;
    record.SetFileName("Plan.doc");
    record.SetFileSize(std::int32_t(content.size()));
    TcpClient upload;
    ConnectThrough(upload, "127.0.0.1", bulkPort, {}, alice.state.tls, 5000);
    Write(upload, MakeUploadRequest(tkDocument, kAlice, std::uint16_t(kRoom), record).encode() + content);
    const TPacketHeader uploaded = ReadHeader(upload);
    EXPECT_EQ(uploaded.ResultCode, 0);
    EXPECT_EQ(uploaded.Command, cmUploadDocumentDone);
    TcpClient download;
    ConnectThrough(download, "127.0.0.1", bulkPort, {}, alice.state.tls, 5000);
    Write(download,
          MakeDownloadRequest(tkDocument, kAlice, std::uint16_t(kRoom), "Plan.doc", "/tmp/Plan.doc", {})
              .encode());
    const TPacketHeader downloaded = ReadHeader(download);
    ASSERT_EQ(downloaded.ResultCode, 0);
    ASSERT_EQ(downloaded.DataSize, std::int32_t(TResourceRecord::kSize) + content.size());
    QByteArray received(downloaded.DataSize, '\0');
    download.readExact(received.data(), std::size_t(received.size()));
    EXPECT_TRUE(received.mid(TResourceRecord::kSize) == content);

    // A video frame, broadcast encrypted and watched plain.
    bob.sendPacket(cmVideoPort);
    const QByteArray portReply = NextOf(bob, cmVideoPort).payload;
    PayloadReader portReader(portReply);
    const std::uint16_t relayPort = std::uint16_t(TVideoPortReply::decode(portReader).port);
    TcpClient broadcast;
    ConnectThrough(broadcast, "127.0.0.1", relayPort, {}, alice.state.tls, 5000);
    TVideoJoin join;
    join.SetUserId(kAlice);
    join.signOn.SetPassword(alice.state.account.Password());
    join.signOn.SetUserName("alice");
    join.room = std::uint16_t(kRoom);
    Write(broadcast, BuildPacket(cmVideoJoin, kAlice, std::uint16_t(kRoom), join.encode()));
    ASSERT_EQ(ReadHeader(broadcast).ResultCode, 0);
    TVideoStreamDescription description;
    description.SetFramesPerSecond(3);
    TVideoFrame frame;
    frame.record.keyFrame = true;
    frame.record.sequence = 1;
    frame.data = QByteArray(2000, 'v');
    Write(broadcast, BuildPacket(cmVideo109, kAlice, std::uint16_t(kRoom), description.toByteArray()) +
                         BuildPacket(cmVideo111, kAlice, std::uint16_t(kRoom), frame.encode()));
    ASSERT_EQ(NextOf(bob, cmVideoStarted).header.UserId, kAlice);
    test::SimulatedClient viewer;
    viewer.userId = kBob;
    viewer.roomId = std::uint16_t(kRoom);
    viewer.connect(relayPort);
    join.SetUserId(kBob);
    join.signOn.SetPassword(test::PasswordOf("bob"));
    join.signOn.SetUserName("bob");
    join.mode = TVideoJoin::Viewer;
    viewer.sendPacket(cmVideoJoin, join.encode());
    ASSERT_EQ(viewer.readHeader().ResultCode, 0);
    viewer.sendPacket(cmVideo110, TVideoWatch{kAlice}.encode());
    EXPECT_EQ(viewer.readPacket().payload, description.toByteArray());
    QByteArray watched;
    for (int tries = 0; watched.isEmpty() && tries < 1000; ++tries) { // the frame may still be on its way
        viewer.sendPacket(cmVideo112);
        watched = viewer.readPacket().payload;
    }
    PayloadReader reader(watched);
    EXPECT_EQ(TVideoFrame::decode(reader).data, frame.data);
}

TEST_F(EncryptedConnections, ACertificateTrustedOnFirstUseIsRememberedAndAChangedOneRefusedUntilForgotten) {
    const QString folder = aliceDir.path();
    const auto signIn = [&](std::uint16_t port, bool& signedIn) {
        EncryptingClient alice(folder, TEncryption::Required);
        signedIn = alice.signIn(port, "alice");
        return alice.shell.dialogs.shown;
    };
    std::uint16_t port = 0;
    bool signedIn = false;
    {
        test::ServerThread first(classroom(&certificate));
        port = first.port();
        const QStringList shown = signIn(port, signedIn);
        ASSERT_TRUE(signedIn) << shown.join('\n').toStdString();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].startsWith("question: ")) << shown[0].toStdString();
        EXPECT_TRUE(shown[0].contains(FingerprintText(certificate.fingerprint))) << shown[0].toStdString();
        EXPECT_TRUE(signIn(port, signedIn).isEmpty()) << "a remembered certificate is not asked about again";
        EXPECT_TRUE(signedIn);
    }
    test::TestCertificate replacement;
    QString why;
    ASSERT_TRUE(test::MakeSelfSigned(certificates.path(), "replacement", replacement, why))
        << why.toStdString();
    test::ServerThread second(classroom(&replacement), server::createServices, port);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QStringList shown = signIn(port, signedIn);
        EXPECT_FALSE(signedIn);
        ASSERT_EQ(shown.size(), 1) << "refused, and never offered for trust";
        EXPECT_TRUE(shown[0].startsWith("error: WARNING: the certificate of the server 127.0.0.1:" +
                                        QString::number(port) + " has CHANGED"))
            << shown[0].toStdString();
        EXPECT_TRUE(shown[0].contains(FingerprintText(replacement.fingerprint)));
    }
    {
        TSettingsStore store(folder + "/settings.ini");
        EXPECT_EQ(TKnownServerCertificates::Kept(store, "127.0.0.1", port), certificate.fingerprint);
        TKnownServerCertificates::Forget(store, "127.0.0.1", port);
    }
    const QStringList shown = signIn(port, signedIn);
    EXPECT_TRUE(signedIn);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith("question: ")) << "offered again once the old one is forgotten";
}

TEST_F(EncryptedConnections, ACertificateAnAuthorityTheSystemTrustsVouchesForIsTakenWithoutAQuestion) {
    QString authority, why;
    test::TestCertificate vouched;
    ASSERT_TRUE(test::MakeAuthoritySigned(certificates.path(), authority, vouched, why)) << why.toStdString();
    const QByteArray roots = qgetenv("SSL_CERT_FILE");
    qputenv("SSL_CERT_FILE", authority.toLocal8Bit());
    test::ServerThread server(classroom(&vouched));
    EncryptingClient alice(aliceDir.path(), TEncryption::Required);
    EXPECT_TRUE(alice.signIn(server.port(), "alice"));
    EXPECT_TRUE(alice.connection.isEncrypted());
    EXPECT_TRUE(alice.shell.dialogs.shown.isEmpty()) << alice.shell.dialogs.shown.join('\n').toStdString();
    EXPECT_TRUE(TKnownServerCertificates::Kept(alice.store, "127.0.0.1", server.port()).isEmpty());
    if (roots.isNull())
        qunsetenv("SSL_CERT_FILE");
    else
        qputenv("SSL_CERT_FILE", roots);
}

TEST_F(EncryptedConnections,
       APlainOnlyServerIsRefusedWhereEncryptionIsRequiredAndUsedPlainWhereItIsOnlyOffered) {
    test::ServerThread server(classroom(nullptr));
    const struct {
        const char* name;
        std::optional<TEncryption> given; // by a link; none: the setting kept for the server
        TEncryption kept;
        bool signsIn;
    } cases[] = {
        {"required", TEncryption::Required, TEncryption::Off, false},
        {"required by the server's setting", std::nullopt, TEncryption::Required, false},
        {"when offered", TEncryption::WhenOffered, TEncryption::Off, true},
        {"when offered, by the server's setting", std::nullopt, TEncryption::WhenOffered, true},
        {"off", TEncryption::Off, TEncryption::Required, true},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        EncryptingClient alice(folder.path(), c.given);
        WriteServerEncryption(alice.store, "127.0.0.1", server.port(), c.kept);
        EXPECT_EQ(alice.signIn(server.port(), "alice"), c.signsIn) << c.name;
        EXPECT_FALSE(alice.connection.isEncrypted()) << c.name;
        EXPECT_FALSE(alice.state.tls.encrypted) << c.name;
        const QStringList expected =
            c.signsIn ? QStringList{}
                      : QStringList{QString("error: The server 127.0.0.1:%1 does not offer an encrypted "
                                            "connection, and the settings for this server require one.")
                                        .arg(server.port())};
        EXPECT_EQ(alice.shell.dialogs.shown, expected) << c.name;
    }
}

TEST_F(EncryptedConnections, AnEncryptionOnlyServerClosesPlainAndSilentConnections) {
    test::ServerThread server(classroom(&certificate, true, 300));
    const std::uint16_t voicePort = server.listenVoice();
    TVersionRecord version;
    version.SetVersion("4.9.1");
    for (const std::uint16_t port : {server.port(), voicePort}) {
        test::SimulatedClient plain;
        plain.connect(port);
        plain.send(version.toByteArray());
        EXPECT_TRUE(plain.closedByServer()) << port;
    }
    test::SimulatedClient silent;
    silent.connect(server.port());
    EXPECT_TRUE(silent.closedByServer()) << "a connection that never speaks is dropped";

    QTemporaryDir folder;
    EncryptingClient plainClient(folder.path(), TEncryption::Off);
    EXPECT_FALSE(plainClient.signIn(server.port(), "alice"));
    test::AcceptAnyCertificate any;
    test::SimulatedClient encrypted;
    encrypted.encryptWith = &any;
    EXPECT_EQ(encrypted.connectAndSignIn(server.port(), "bob", test::PasswordOf("bob")).UserId(), kBob);
}

TEST_F(EncryptedConnections,
       AnOnlookerSeesNeitherPasswordNorChatOfAnEncryptedSessionButSeesThoseOfAPlainOne) {
    test::ServerThread server(classroom(&certificate));
    test::SimulatedClient bob;
    bob.connectAndSignIn(server.port(), "bob", test::PasswordOf("bob"));
    bob.sendPacket(cmEnterRoom, TEnterRoomRequest{kRoom}.encode());
    ASSERT_EQ(NextOf(bob, cmEnterRoom).header.ResultCode, 0);
    const QString secret = "The exam key is 4417";
    const QByteArray secretWide(reinterpret_cast<const char*>(secret.utf16()), secret.size() * 2);
    for (const TEncryption mode : {TEncryption::Off, TEncryption::Required}) {
        const bool plain = mode == TEncryption::Off;
        test::RecordingRelay onlooker(server.port());
        {
            QTemporaryDir folder;
            EncryptingClient alice(folder.path(), mode);
            ASSERT_TRUE(alice.signIn(onlooker.port(), "alice"));
            alice.enter(kRoom);
            ASSERT_TRUE(alice.link.Send(ChatPacket(kAlice, secret)));
            const QByteArray said = NextOf(bob, cmChat).payload;
            PayloadReader chat(said);
            ASSERT_EQ(TChatMessage::decode(chat, TChatTextForm::Wide).text.trimmed(), secret);
        }
        const QByteArray wire = onlooker.recorded();
        EXPECT_EQ(wire.contains(test::PasswordOf("alice").toLatin1()), plain)
            << (plain ? "plain" : "encrypted");
        EXPECT_EQ(wire.contains(secretWide) || wire.contains(secret.toLatin1()), plain)
            << (plain ? "plain" : "encrypted");
    }
}

TEST_F(EncryptedConnections, AnEncryptedSessionRunsThroughASocksProxy) {
    test::ProxyProcess dante;
    if (!dante.startDante())
        ORV_PREREQUISITE_MISSING("danted (Debian package dante-server) did not start");
    test::ServerThread server(classroom(&certificate));
    const TProxySettings socks{true, TProxySettings::Socks5, "127.0.0.1", dante.port(), false, {}, {}};
    EncryptingClient alice(aliceDir.path(), TEncryption::Required, socks);
    ASSERT_TRUE(alice.signIn(server.port(), "alice"));
    EXPECT_TRUE(alice.connection.isEncrypted());
    EXPECT_EQ(alice.state.tls.fingerprint, certificate.fingerprint);
    alice.enter(kRoom);
}

TEST_F(EncryptedConnections, TheServerWillNotStartWithACertificateOrKeyItCannotUse) {
    test::TestCertificate other;
    QString why;
    ASSERT_TRUE(test::MakeSelfSigned(certificates.path(), "other", other, why)) << why.toStdString();
    const QString config = certificates.filePath("server.ini");
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[server]\n");
    file.close();
    const struct {
        const char* name;
        QStringList arguments;
        const char* says;
    } cases[] = {
        {"a missing certificate file",
         {"--tls-cert", certificates.filePath("none.crt"), "--tls-key", certificate.key},
         "cannot read the certificate file"},
        {"another certificate's key",
         {"--tls-cert", certificate.certificate, "--tls-key", other.key},
         "is not the private key of the certificate"},
        {"a key for a certificate",
         {"--tls-cert", certificate.key, "--tls-key", certificate.key},
         "holds no usable PEM certificate"},
        {"a certificate for a key",
         {"--tls-cert", certificate.certificate, "--tls-key", certificate.certificate},
         "holds no usable unencrypted PEM private key"},
        {"encryption only, without a certificate", {"--tls-only"}, "--tls-cert and --tls-key go together"},
    };
    for (const auto& c : cases) {
        QProcess server;
        server.start(ORV_SERVER_BINARY, c.arguments + QStringList{"--port", "0", "--bulk-port", "0", config});
        ASSERT_TRUE(server.waitForFinished(60000)) << c.name;
        EXPECT_EQ(server.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_NE(server.exitCode(), 0) << c.name;
        const QString error = QString::fromLocal8Bit(server.readAllStandardError());
        EXPECT_TRUE(error.contains(c.says)) << c.name << ": " << error.toStdString();
    }
}

TEST_F(EncryptedConnections, ABlockedEncryptedReadEndsOnAbortOnDisconnectAndOnItsTimeOut) {
    test::ServerThread server(classroom(&certificate)); // it says nothing before the version record
    test::AcceptAnyCertificate any;
    const struct {
        const char* name;
        std::function<void(TcpClient&, SocketAbort&)> end; // what ends the wait; none for the time-out
        int receiveTimeoutMs;
        bool stillConnected;
    } cases[] = {
        {"abort", [](TcpClient&, SocketAbort& abort) { abort.abort(); }, 0, false},
        {"disconnect", [](TcpClient& client, SocketAbort&) { client.disconnect(); }, 0, false},
        {"time-out", {}, 100, true},
    };
    for (const auto& c : cases) {
        SocketAbort abort;
        TcpClient client;
        ConnectThrough(client, "127.0.0.1", server.port(), {}, TServerTls{}, 5000, &abort);
        client.startTls(&any, 5000);
        client.setReceiveTimeout(c.receiveTimeoutMs);
        std::promise<std::string> ended;
        std::thread reader([&] {
            char byte;
            try {
                client.readExact(&byte, 1);
                ended.set_value("read a byte");
            } catch (const EChannelError& e) {
                ended.set_value(e.what());
            }
        });
        if (c.end)
            c.end(client, abort);
        auto outcome = ended.get_future();
        const bool done =
            outcome.wait_for(std::chrono::seconds(60)) == std::future_status::ready; // hang guard
        if (!done)
            client.disconnect();
        reader.join();
        ASSERT_TRUE(done) << c.name;
        EXPECT_NE(outcome.get(), "read a byte") << c.name;
        EXPECT_EQ(client.isConnected(), c.stillConnected) << c.name;
    }
}

} // namespace
} // namespace orv
