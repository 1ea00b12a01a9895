// Makes the demo's recorded session with the session server's own recorder: a server on a loopback port with
// the demo's configuration and the given store, the teacher and Alice in room 100. The teacher draws a
// pendulum on board 1 before the recorder starts (the recording opens with it), then chats with Alice, says
// a sentence on the microphone (spoken by espeak-ng, where it is installed) and draws the swing. The
// recording is left in the store's recordings folder.
//
//   orvane-demo-recording DEMO.INI STORE
#include "protocol/BoardMessages.h"
#include "protocol/ChatMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/RecordingMessages.h"
#include "protocol/RoomMessages.h"
#include "protocol/VoiceMessages.h"
#include "support/BoardFixture.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"

#include "ServerConfig.h"
#include "voice/CodecCatalogue.h"
#include "voice/CodecRegistry.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <exception>
#include <vector>

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

void draw(test::SimulatedClient& client, std::vector<TBBItem> items) {
    client.sendPacket(cmBoardDrawing, TBoardDrawingBatch{1, std::move(items)}.encode());
}

constexpr TColor kBlue = 0x00A05000; // 0x00BBGGRR

// The pendulum at rest: its support, the string and the bob.
std::vector<TBBItem> pendulumAtRest() {
    return {test::Item(1, BoardKind::Line, {250, 60}, {550, 60}, 4),
            test::Item(1, BoardKind::Line, {400, 60}, {400, 300}, 2),
            test::Item(1, BoardKind::Oval, {375, 300}, {425, 350}, 2, 0x000000, BoardBrush::Solid, kBlue)};
}

// The swing: the string out at an angle, the bob there, and the way it went.
std::vector<TBBItem> pendulumSwinging() {
    constexpr TColor kRed = 0x002020D0;
    return {test::Item(1, BoardKind::Line, {400, 60}, {520, 270}, 2, kRed),
            test::Item(1, BoardKind::Oval, {497, 262}, {547, 312}, 2, kRed, BoardBrush::Solid, kRed),
            test::Item(1, BoardKind::Line, {430, 328}, {492, 292}, 1, 0x808080)};
}

// Speech as 16-bit samples at `rate`, from espeak-ng; none where it is not installed.
std::vector<std::int16_t> speech(const QString& text, int rate) {
    QProcess espeak;
    espeak.start("espeak-ng", {"-v", "en-gb", "-s", "150", "--stdout", text});
    if (!espeak.waitForFinished(60000) || espeak.exitCode() != 0) {
        std::fprintf(stderr, "orvane-demo-recording: espeak-ng did not speak; the recording has no voice\n");
        return {};
    }
    const QByteArray wav = espeak.readAllStandardOutput();
    constexpr int kHeader = 44, kSpeechRate = 22050; // espeak-ng's mono 16-bit WAV
    if (wav.size() <= kHeader)
        return {};
    const auto* in = reinterpret_cast<const std::int16_t*>(wav.constData() + kHeader);
    const std::size_t count = std::size_t(wav.size() - kHeader) / 2;
    std::vector<std::int16_t> out;
    for (double at = 0; at < double(count - 1); at += double(kSpeechRate) / rate) {
        const std::size_t i = std::size_t(at);
        const double part = at - double(i);
        out.push_back(std::int16_t(in[i] * (1 - part) + in[i + 1] * part));
    }
    return out;
}

// Says `text` on the voice port in the room's codec, one block a frame at the pace it is spoken.
void speak(test::SimulatedClient& voice, std::uint16_t userId, std::uint8_t codecIndex, const QString& text) {
    const std::optional<CodecFormat> format = MakeCodecFormat(codecIndex);
    std::unique_ptr<IBlockEncoder> encoder =
        format ? CodecRegistry::Installed().NewEncoder(*format) : nullptr;
    if (!encoder) {
        std::fprintf(stderr,
                     "orvane-demo-recording: the room's codec is missing; the recording has no voice\n");
        return;
    }
    const std::vector<std::int16_t> samples = speech(text, int(format->samplesPerSec));
    const std::size_t perBlock = std::size_t(encoder->SamplesPerBlock());
    std::vector<std::uint8_t> block(std::size_t(encoder->BlockSize()));
    const auto blockMs = unsigned(perBlock * 1000 / format->samplesPerSec);
    for (std::size_t at = 0; at + perBlock <= samples.size(); at += perBlock) {
        encoder->Encode(std::span(samples).subspan(at, perBlock), block);
        voice.send(VoiceFrame(cmVoiceOut, userId, std::uint16_t(kRoom), block.data(), block.size()));
        QThread::msleep(blockMs);
    }
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
        const std::uint16_t voicePort = server.listenVoice();
        test::SimulatedClient teacher, alice, teacherVoice;
        teacher.connectAndSignIn(server.port(), "teacher", "teach");
        alice.connectAndSignIn(server.port(), "alice", "alice");
        enter(teacher);
        enter(alice);
        // Before the recorder: the pendulum on the board, which the recording opens with.
        teacher.sendPacket(cmLockBoard);
        answerTo(teacher, cmLockBoard);
        draw(teacher, pendulumAtRest());
        teacherVoice.connect(voicePort);
        TVoiceSignOn signOn;
        signOn.SetUserId(teacher.userId);
        signOn.SetPassword("teach");
        signOn.SetRoomId(std::uint16_t(kRoom));
        teacherVoice.send(signOn.toByteArray());
        if (teacherVoice.readHeader().ResultCode != 0)
            throw std::runtime_error("the voice port refused the teacher");

        teacher.sendPacket(cmStartRecording, TRecorderCredentials().toByteArray());
        if (const std::uint16_t code = answerTo(teacher, cmStartRecording); code != 0)
            throw std::runtime_error("the recorder did not start: " + std::to_string(code));
        say(teacher, "Good morning! Today: the simple pendulum.");
        teacher.sendPacket(cmTakeMicrophone);
        if (answerTo(teacher, cmTakeMicrophone) == 0) {
            const std::uint8_t codec = std::uint8_t(config.findRoom(kRoom)->codec);
            speak(teacherVoice, teacher.userId, codec, "Good morning. Today, the simple pendulum.");
            teacher.sendPacket(cmReleaseMicrophone);
        }
        say(alice, "Good morning. Does the mass of the bob matter?");
        say(teacher, "Not for small swings: the period depends only on the length and on g.");
        draw(teacher, pendulumSwinging());
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
