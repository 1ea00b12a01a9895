// How fast a recording becomes a video file, as a multiple of real time (recorded seconds per wall-clock
// second), against replaying the same recording into the same offscreen room in the same run with nothing
// encoded: the replay alone, and the replay with its pictures made but not encoded. The recording is a
// lesson's mix: a drawing gesture every half second, a chat line every three seconds, and voice for half of
// the time. Each run must reach the recording's end; the export must write a file of the expected number of
// pictures, or the run fails.
// Usage: bench_video_export [SECONDS] [WxH]   (default 60 s at 1280x720)
#include "BenchRatio.h"

#include "app/RecordingExportJob.h"
#include "protocol/BoardMessages.h"
#include "protocol/ChatMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/RecordingMessages.h"
#include "voice/CodecCatalogue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <random>

using namespace orv;

namespace {

TRecordedPacket Packet(std::uint16_t command, double seconds, const QByteArray& payload, std::uint16_t user) {
    TRecordedPacket p;
    p.header.Command = command;
    p.header.UserId = user;
    p.header.Stamp = 45000.0 + seconds / 86400.0;
    p.payload = payload;
    return p;
}

QByteArray Stroke(std::mt19937& random) {
    TBBItem item;
    item.SetBoard(1);
    item.SetKind(random() % 2 ? BoardKind::Line : BoardKind::Rectangle);
    item.SetX1(std::uint16_t(random() % 900));
    item.SetY1(std::uint16_t(random() % 600));
    item.SetX2(std::uint16_t(random() % 900));
    item.SetY2(std::uint16_t(random() % 600));
    item.SetPenWidth(std::uint8_t(1 + random() % 4));
    item.SetPenColor(random() & 0xFFFFFF);
    item.SetBrushStyle(BoardBrush::Clear);
    return TBoardDrawingBatch{1, {item}}.encode();
}

QByteArray ChatLine(int index) {
    TChatMessage message;
    message.record.SetFrom(1);
    message.record.SetRoom(100);
    message.record.SetKind(ckPublic);
    message.text = QString("Line %1: the period of a pendulum depends on its length.").arg(index);
    return message.encode();
}

// The recording: its header, then the packets in time order.
QByteArray Recording(int seconds) {
    std::mt19937 random(5);
    const std::optional<CodecFormat> gsm = MakeCodecFormat(0);
    std::unique_ptr<IBlockEncoder> encoder = CodecRegistry::Installed().NewEncoder(*gsm);
    const int samples = encoder->SamplesPerBlock();
    std::vector<std::int16_t> pcm(static_cast<std::size_t>(samples));
    std::vector<std::uint8_t> block(std::size_t(encoder->BlockSize()));
    const double frameSeconds = double(samples) / 8000;
    std::vector<TRecordedPacket> packets;
    long n = 0;
    int chat = 0;
    for (double at = 0; at <= seconds; at += frameSeconds) {
        const int tick = int(std::lround(at / frameSeconds));
        if (tick % int(std::lround(0.5 / frameSeconds)) == 0)
            packets.push_back(Packet(cmBoardDrawing, at, Stroke(random), 1));
        if (tick % int(std::lround(3 / frameSeconds)) == 0)
            packets.push_back(Packet(cmChat, at, ChatLine(chat++), 1));
        if (int(at) % 10 < 5) { // five seconds of speech in every ten
            for (std::int16_t& s : pcm)
                s = std::int16_t(6000 * std::sin(double(n++) * 0.35) + int(random() % 2000) - 1000);
            encoder->Encode(pcm, block);
            packets.push_back(
                Packet(cmVoiceIn, at,
                       QByteArray(reinterpret_cast<const char*>(block.data()), qsizetype(block.size())), 2));
        }
    }
    QByteArray body;
    for (const TRecordedPacket& p : packets)
        body += p.encode();
    TRecordedSessionHeader header;
    header.SetTitle("Bench");
    header.SetTotalSize(std::int32_t(TRecordedSessionHeader::kSize + body.size()));
    header.SetPacketCount(std::int32_t(packets.size()));
    return header.toByteArray() + body;
}

struct Run {
    bool ok = false;
    double wallSeconds = 0;
    std::int64_t reachedMs = 0;
    std::int64_t durationMs = 0;
    std::int64_t frames = 0;
    QString error;
};

Run Export(const TVideoExportRequest& request) {
    Run run;
    TRecordingExportJob job(request);
    QElapsedTimer wall;
    wall.start();
    if (!job.Start()) {
        run.error = job.Error();
        return run;
    }
    bool finished = false;
    QObject::connect(&job, &TRecordingExportJob::finished, [&](bool ok, const QString& error) {
        run.ok = ok;
        run.error = error;
        finished = true;
    });
    while (!finished)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    run.wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    run.reachedMs = job.PositionMs();
    run.durationMs = job.DurationMs();
    run.frames = job.Frames();
    return run;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;
    const std::optional<QSize> size = ParseVideoSize(argc > 2 ? argv[2] : "1280x720");
    if (!size) {
        std::fprintf(stderr, "FAILED: the size is WxH with even numbers\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString recording = dir.filePath("lesson.orvane"), video = dir.filePath("lesson.webm");
    QFile file(recording);
    if (!file.open(QIODevice::WriteOnly) || file.write(Recording(seconds)) <= 0) {
        std::fprintf(stderr, "FAILED: the recording cannot be written\n");
        return 1;
    }
    file.close();

    TVideoExportRequest request{recording, video, *size};
    request.work = TExportWork::Replay;
    const Run replay = Export(request);
    request.work = TExportWork::Pictures;
    const Run pictures = Export(request);
    request.work = TExportWork::Video;
    const Run exported = Export(request);

    const std::int64_t expectedFrames = exported.durationMs * request.framesPerSecond / 1000 + 1;
    for (const Run* run : {&replay, &pictures, &exported}) {
        if (!run->ok || run->reachedMs < run->durationMs || run->durationMs < (seconds - 1) * 1000) {
            std::fprintf(stderr, "FAILED: a run did not reach the recording's end: %s\n",
                         qPrintable(run->error));
            return 1;
        }
    }
    if (exported.frames < expectedFrames || exported.frames > expectedFrames + 2 ||
        QFileInfo(video).size() < 1000) {
        std::fprintf(stderr, "FAILED: %lld pictures instead of %lld, or no file\n",
                     qlonglong(exported.frames), qlonglong(expectedFrames));
        return 1;
    }
    const double recorded = double(exported.durationMs) / 1000;
    std::printf(
        "%.0f s recorded at %dx%d: replay %.2f s, with pictures %.2f s, exported %.2f s (%lld pictures, "
        "%lld KiB)\n",
        recorded, size->width(), size->height(), replay.wallSeconds, pictures.wallSeconds,
        exported.wallSeconds, qlonglong(exported.frames), qlonglong(QFileInfo(video).size() / 1024));
    bench::PrintRatio(
        "video_export_realtime", recorded / exported.wallSeconds,
        "recorded seconds exported per wall-clock second, pictures and encoding included; above 1 "
        "is faster than real time");
    bench::PrintRatio("video_export_replay_realtime", recorded / replay.wallSeconds,
                      "baseline: the same replay into the same room, nothing pictured or encoded");
    bench::PrintRatio("video_export_encoding_share",
                      (exported.wallSeconds - pictures.wallSeconds) / exported.wallSeconds,
                      "share of the export's time spent encoding, against the replay with its pictures");
    return 0;
}
