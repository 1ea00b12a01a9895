// Makes the demo's recorded session with the session server's own recorder: a server on a loopback port with
// the demo's configuration and the given store, the teacher and Alice in room 100 talking while the teacher
// records, then the recording is left in the store's recordings folder.
//
//   orvane-demo-recording DEMO.INI STORE
#include "protocol/ChatMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/RecordingMessages.h"
#include "protocol/RoomMessages.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"

#include "ServerConfig.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <exception>

namespace {

using namespace orv;

constexpr std::int32_t kRoom = 100;

void enter(test::SimulatedClient& client) {
    client.sendPacket(cmEnterRoom, TEnterRoomRequest{kRoom}.encode());
    for (;;) {
        const test::ReceivedPacket reply = client.readPacket();
        if (reply.header.Command != cmEnterRoom)
            continue;
        if (reply.header.ResultCode != 0)
            throw std::runtime_error("room entry refused");
        client.roomId = std::uint16_t(kRoom);
        return;
    }
}

void say(test::SimulatedClient& client, const QString& text) {
    TChatMessage message;
    message.record.SetFrom(client.userId);
    message.record.SetRoom(std::uint16_t(kRoom));
    message.record.SetKind(ckPublic);
    message.text = text;
    client.sendPacket(cmChat, message.encode());
    QThread::msleep(1500); // the replay keeps this pace
}

std::uint16_t answerTo(test::SimulatedClient& client, std::uint16_t command) {
    for (;;) {
        const test::ReceivedPacket reply = client.readPacket();
        if (reply.header.Command == command)
            return reply.header.ResultCode;
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: orvane-demo-recording DEMO.INI STORE\n");
        return 2;
    }
    try {
        server::ServerConfig config = server::loadServerConfig(QString::fromLocal8Bit(argv[1]));
        config.storePath = QString::fromLocal8Bit(argv[2]);
        config.probeIntervalMs = 0;
        test::ServerThread server(config);
        test::SimulatedClient teacher, alice;
        teacher.connectAndSignIn(server.port(), "teacher", "teach");
        alice.connectAndSignIn(server.port(), "alice", "alice");
        enter(teacher);
        enter(alice);
        teacher.sendPacket(cmStartRecording, TRecorderCredentials().toByteArray());
        if (const std::uint16_t code = answerTo(teacher, cmStartRecording); code != 0)
            throw std::runtime_error("the recorder did not start: " + std::to_string(code));
        say(teacher, "Good morning! Today: the simple pendulum.");
        say(alice, "Good morning. Does the mass of the bob matter?");
        say(teacher, "Not for small swings: the period depends only on the length and on g.");
        say(alice, "So a longer string swings more slowly.");
        say(teacher, "Exactly: T = 2π √(L / g). Try it with the lab sheet in Documents.");
        teacher.sendPacket(cmStopRecording);
        if (const std::uint16_t code = answerTo(teacher, cmStopRecording); code != 0)
            throw std::runtime_error("the recorder did not stop: " + std::to_string(code));
        std::printf("recorded into %s/recordings\n", argv[2]);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvane-demo-recording: %s\n", e.what());
        return 1;
    }
}
