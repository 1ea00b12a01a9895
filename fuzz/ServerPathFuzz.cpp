// Arbitrary bytes from a signed-in client through the whole server: the framer, the dispatch and every
// registered service, over a real loopback connection, so that every service added later is fuzzed too.
// A moderator stays in the room and gives one participant the microphone and the boards before each input,
// so the input runs as that participant, as one without rights or as a moderator: every rights check sees
// both of its answers.
#include "protocol/BoardSharingMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/ModerationMessages.h"
#include "protocol/PacketHeader.h"
#include "protocol/RoomMessages.h"
#include "protocol/SignInMessages.h"

#include "ServerConfig.h"
#include "SessionServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>

namespace {

using namespace orv;

server::SessionServer* g_server = nullptr;
QTcpSocket* g_lead = nullptr; // the moderator who stays

server::ServerConfig config() {
    server::ServerConfig c;
    for (const auto& [name, id, type] : {std::tuple{"ann", 2, 0}, std::tuple{"mod", 1, 1000},
                                         std::tuple{"ben", 3, 0}, std::tuple{"lead", 4, 1000}}) {
        server::AccountConfig a;
        a.userName = name;
        a.setPassword(QString(name) + "pw", server::HashCost::Minimal);
        a.userId = std::uint16_t(id);
        a.accountType = type;
        c.accounts.push_back(a);
    }
    server::RoomConfig room;
    room.number = 100;
    room.name = "Room";
    c.rooms[100] = room;
    return c;
}

// Runs the event loop until nothing has arrived for a few rounds, or the connection is gone. What reaches
// the moderator who stays is read too, so that its queue never fills.
void settle(QTcpSocket& socket) {
    QElapsedTimer timer;
    timer.start();
    int quiet = 0;
    while (quiet < 3 && timer.elapsed() < 200 && socket.state() == QAbstractSocket::ConnectedState) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        quiet = socket.readAll().isEmpty() ? quiet + 1 : 0;
        if (g_lead)
            g_lead->readAll();
    }
}

// A connection signed in as `name` that has asked to enter room 100.
void connectMember(QTcpSocket& socket, const char* name) {
    socket.connectToHost(QHostAddress::LocalHost, g_server->port());
    for (int i = 0; i < 200 && socket.state() != QAbstractSocket::ConnectedState; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    TSignInRecord signIn;
    signIn.SetUserName(name);
    signIn.SetPassword(QString(name) + "pw");
    socket.write(ClientVersionRecord().toByteArray() + signIn.toByteArray());
    socket.write(BuildPacket(cmEnterRoom, 0, 100, TEnterRoomRequest{100}.encode()));
}

// The moderator who stays, back if an input removed it, gives ann the microphone and the boards again.
void grantAnn() {
    if (g_lead->state() != QAbstractSocket::ConnectedState) {
        g_lead->abort();
        connectMember(*g_lead, "lead");
    }
    g_lead->write(BuildPacket(cmGiveMicrophone, 4, 100, TMicrophoneRightMessage{2}.encode()));
    g_lead->write(BuildPacket(cmGiveBoard, 4, 100, TBoardAccessMessage{2}.encode()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    new QCoreApplication(*argc, *argv);
    g_server = new server::SessionServer(config());
    g_server->setQuiet(true);
    g_server->listen(QHostAddress::LocalHost, 0);
    g_lead = new QTcpSocket;
    connectMember(*g_lead, "lead");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    grantAnn();
    // Signed in and in a room, as a client that then sends the input.
    QTcpSocket socket;
    const char* const names[] = {"ann", "mod", "ben"};
    connectMember(socket, names[size % 3]);
    socket.write(reinterpret_cast<const char*>(data), qint64(size));
    settle(socket);
    socket.abort();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(); // the server notices the client has gone
    return 0;
}
