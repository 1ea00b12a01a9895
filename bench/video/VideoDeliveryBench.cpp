// Frames per second a viewer paints while a moderator broadcasts the test pattern at 15 fps through our
// server on loopback, counted at the viewer over a fixed stretch of wall time, against the set rate. Once
// with the stored data-rate default (7168 bytes/s, which the throttle holds the broadcast to) and once
// without a limit. Every painted picture must show the pattern's colour bars, each frame at most once, or
// the run fails.
#include "BenchRatio.h"

#include "protocol/CommandCatalogue.h"
#include "protocol/PayloadReader.h"
#include "protocol/RoomMessages.h"
#include "protocol/VideoMessages.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "video/VideoSession.h"

#include "ServerConfig.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace orv;

namespace {

constexpr int kFps = 15;
constexpr int kMeasureMs = 10000;
// How far a bar's colour may come out from the one sent, per channel: the codec at the low data rate blurs
// the edges, not the middle of a bar.
constexpr int kBarTolerance = 40;
constexpr std::uint16_t kTeacher = 1, kAlice = 2;

server::ServerConfig Classroom() {
    server::ServerConfig c;
    for (const auto& [name, id, type] : {std::tuple{"teacher", kTeacher, 1000}, {"alice", kAlice, 0}}) {
        server::AccountConfig a;
        a.userName = name;
        a.setPassword(name, server::HashCost::Minimal);
        a.userId = id;
        a.firstName = name;
        a.accountType = type;
        c.accounts.push_back(a);
    }
    server::RoomConfig room;
    room.number = 100;
    room.name = "Video";
    room.video = true;
    c.rooms[100] = room;
    return c;
}

struct QuietView final : IVideoView {
    void SetNameLabel(const QString&) override {}
    void ShowStatus(const QString& text) override { status = text; }
    void ShowCapture() override {}
    void ShowPreview(const QImage&) override {}
    void ShowDisplay() override {}
    // The bars of the test pattern, as the broadcaster's source draws them, sampled in the middle of each
    // bar above the box that crosses them.
    void ShowPicture(const QImage& picture) override {
        static const QColor bars[] = {Qt::white,   Qt::yellow, Qt::cyan, Qt::green,
                                      Qt::magenta, Qt::red,    Qt::blue};
        const int w = picture.width(), h = picture.height();
        int off = w == 160 && h == 120 ? 0 : 255;
        for (int i = 0; i < 7 && off < 255; ++i) {
            const QColor seen = picture.pixelColor((2 * i + 1) * w / 14, h / 8);
            off =
                std::max({off, std::abs(seen.red() - bars[i].red()), std::abs(seen.green() - bars[i].green()),
                          std::abs(seen.blue() - bars[i].blue())});
        }
        worstOff = std::max(worstOff, off);
    }
    void SetBufferingText(const QString&) override {}
    void SetClientSize(int, int) override {}
    void ShowWindow() override {}
    QString status;
    int worstOff = 0; // the farthest a painted bar came out from its colour
};

TVideoSessionParts Parts(std::uint16_t port, std::uint16_t user, const QString& name,
                         std::int32_t bytesPerSecond, QuietView*& view) {
    TVideoJoin join;
    join.SetUserId(user);
    join.signOn.SetPassword(name);
    join.signOn.SetUserName(name);
    join.room = 100;
    TVideoOptions options;
    options.framesPerSecond = kFps;
    options.bytesPerSecond = bytesPerSecond;
    return {TVideoEndpoint{"127.0.0.1", port, {}, {}, bytesPerSecond},
            join,
            options,
            QtTimerFactory::instance(),
            SystemClock::instance(),
            [&view](TVideoSession&) {
                auto v = std::make_unique<QuietView>();
                view = v.get();
                return v;
            },
            [](int) { return NewTestPatternCapture(); }};
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Painted frames per second at the viewer; negative when the stream did not come.
double Delivered(std::uint16_t videoPort, std::int32_t bytesPerSecond) {
    QuietView *broadcasterView = nullptr, *viewerView = nullptr;
    TVideoSession broadcaster(Parts(videoPort, kTeacher, "teacher", bytesPerSecond, broadcasterView));
    broadcaster.StartBroadcast();
    TVideoSession viewer(Parts(videoPort, kAlice, "alice", bytesPerSecond, viewerView));
    viewer.StartViewing(kTeacher, "teacher");
    // From the first painted frame on, so the connection's start is not counted.
    if (!PumpUntil([&] { return viewer.PaintedFrames() > 0; }, 10000)) {
        std::fprintf(stderr, "no frame: %s / %s\n", qPrintable(broadcasterView->status),
                     qPrintable(viewerView->status));
        return -1;
    }
    const int first = viewer.PaintedFrames();
    const std::int32_t firstSequence = viewer.LastPaintedSequence();
    QElapsedTimer timer;
    timer.start();
    PumpUntil([] { return false; }, kMeasureMs);
    const double seconds = double(timer.elapsed()) / 1000;
    const int painted = viewer.PaintedFrames() - first;
    const std::int32_t sent = viewer.LastPaintedSequence() - firstSequence;
    std::printf("  %d frames painted in %.2f s; the sequence numbers advanced by %d; bars at most %d off\n",
                painted, seconds, sent, viewerView->worstOff);
    viewer.Close();
    broadcaster.Close();
    if (painted == 0 || painted > sent || viewerView->worstOff > kBarTolerance) {
        std::printf("  FAILED: %s\n", painted == 0     ? "no frame painted while measuring"
                                      : painted > sent ? "a frame painted twice"
                                                       : "a painted picture does not show the bars");
        return -1;
    }
    return painted / seconds;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    test::ServerThread server(Classroom());
    test::SimulatedClient teacher, alice;
    teacher.connectAndSignIn(server.port(), "teacher", "teacher");
    alice.connectAndSignIn(server.port(), "alice", "alice");
    for (test::SimulatedClient* c : {&teacher, &alice}) {
        c->sendPacket(cmEnterRoom, TEnterRoomRequest{100}.encode());
        c->readPacket();
    }
    teacher.sendPacket(cmVideoPort);
    test::ReceivedPacket reply = teacher.readPacket();
    while (reply.header.Command != cmVideoPort)
        reply = teacher.readPacket();
    PayloadReader reader(QByteArrayView(reply.payload));
    const auto port = std::uint16_t(TVideoPortReply::decode(reader).port);

    std::printf("test pattern, 160 x 120 at %d fps, painted at the viewer over %d s\n", kFps,
                kMeasureMs / 1000);
    bool ok = true;
    for (const std::int32_t rate : {7168, 0}) {
        std::printf("data rate %s:\n", rate ? qPrintable(QString("%1 bytes/s").arg(rate)) : "unlimited");
        const double fps = Delivered(port, rate);
        if (fps < 0) {
            ok = false;
            continue;
        }
        std::printf("  %.2f frames/s, %.3f of the set rate\n", fps, fps / kFps);
        bench::PrintRatio(rate ? "video_delivery_7168" : "video_delivery_unlimited", fps / kFps,
                          "frames/s painted at the viewer / the 15 fps broadcast; at most 1");
    }
    return ok ? 0 : 1;
}
