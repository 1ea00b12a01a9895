// Encode and decode time per frame of the broadcast compressor (WMV2, what a stored default turns into) at
// 160 x 120 and 640 x 480, against ffmpeg -benchmark with the same codec and settings on the same frames in
// the same run. The frames are the test-pattern source's with a little sensor-like noise, so the encoder has
// work on every frame. ffmpeg's start-up is taken out by timing a one-frame run too. Every decoded picture
// is compared with its source frame: one below its size's PSNR floor fails the run.
// Usage: bench_video_codec [REPEATS]   (default 10)
#include "BenchRatio.h"

#include "video/VideoCapture.h"
#include "video/VideoCoDec.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <mutex>

using namespace orv;

namespace {

constexpr int kFrames = 150;
// The frames this many times over, so that a run is long against the clock's step.
int repeats = 10;
int coded = kFrames * repeats;
constexpr int kRuns = 3;
// The lowest PSNR a decoded picture may have, by size. At this data rate the worst picture comes to 20.6 dB
// at 160 x 120 and 27.5 dB at 640 x 480 (the noise alone caps it near 35); a blank picture comes to 6 dB,
// the frame five on to 12-15 and 18-20 dB.
struct Size {
    int width, height;
    double psnrFloorDb;
};
constexpr Size kSizes[] = {{160, 120, 18}, {640, 480, 24}};
constexpr int kFps = 15;
constexpr int kKeyRate = 7;                    // VideoKFR's default
constexpr std::int32_t kBytesPerSecond = 7168; // VideoBPS's default

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// kFrames pictures from the test-pattern source, bottom-up rows, with noise of -8..7 added.
std::vector<QByteArray> Frames(int width, int height) {
    std::vector<QByteArray> frames;
    std::mutex mutex;
    std::condition_variable done;
    const std::unique_ptr<IVideoCapture> source = NewTestPatternCapture();
    source->Open(width, height, 1000);
    source->Start([&](QByteArrayView bits) {
        std::lock_guard lock(mutex);
        if (frames.size() < kFrames)
            frames.push_back(bits.toByteArray());
        if (frames.size() == kFrames)
            done.notify_all();
    });
    {
        std::unique_lock lock(mutex);
        done.wait(lock, [&] { return frames.size() == kFrames; });
    }
    source->Stop();
    std::uint32_t seed = 1;
    for (QByteArray& f : frames)
        for (char& c : f) {
            seed = seed * 1664525 + 1013904223;
            c = char(std::clamp(int(std::uint8_t(c)) + int(seed >> 28) - 8, 0, 255));
        }
    return frames;
}

// Top-down rows for ffmpeg's raw input.
QByteArray TopDown(const std::vector<QByteArray>& frames, int width, int height) {
    const std::int64_t row = TBitmapInfoHeader::RowBytes(width);
    QByteArray all;
    for (const QByteArray& f : frames)
        for (int y = height - 1; y >= 0; --y)
            all.append(f.constData() + row * y, width * 3);
    return all;
}

// Peak signal-to-noise ratio of a decoded picture against its source, both bottom-up rows padded alike.
double PsnrDb(QByteArrayView picture, QByteArrayView source, int width, int height) {
    const qsizetype row = qsizetype(TBitmapInfoHeader::RowBytes(width));
    double squares = 0;
    for (qsizetype y = 0; y < height; ++y)
        for (qsizetype x = 0; x < width * 3; ++x) {
            const int d = int(std::uint8_t(picture[row * y + x])) - int(std::uint8_t(source[row * y + x]));
            squares += d * d;
        }
    const double mean = squares / (double(width) * height * 3);
    return mean == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mean);
}

struct Ours {
    double encodeMs = 1e9, decodeMs = 1e9;
    qint64 bytes = 0;
    double worstPsnrDb = 99;
};

Ours RunOurs(const std::vector<QByteArray>& frames, int width, int height) {
    Ours best;
    for (int run = 0; run < kRuns; ++run) {
        TVideoCoDec compressor;
        TBitmapInfoHeader input = TBitmapInfoHeader::Rgb24(width, height);
        TBitmapInfoHeader output = input;
        output.SetCompression(kWMV2);
        if (!compressor.InitCompressor(input, output, 1000, kKeyRate))
            return {};
        compressor.SetFramesInfo(kBytesPerSecond, 1000000 / kFps, 1);
        if (!compressor.CompressBegin())
            return {};
        std::vector<std::pair<QByteArray, bool>> compressed;
        double start = ThreadCpuSeconds();
        for (int r = 0; r < repeats; ++r)
            for (const QByteArray& f : frames) {
                const TVideoCoDec::TCompressed c = compressor.CompressFrame(QByteArrayView(f));
                compressed.emplace_back(c.bytes.toByteArray(), c.keyFrame);
            }
        best.encodeMs = std::min(best.encodeMs, (ThreadCpuSeconds() - start) * 1000 / coded);

        TVideoCoDec decompressor;
        TBitmapInfoHeader described = output;
        TBitmapInfoHeader picture;
        if (!decompressor.InitDecompressor(described, picture, 1000, kKeyRate) ||
            !decompressor.DecompressBegin())
            return {};
        best.bytes = 0;
        double decodeSeconds = 0;
        for (std::size_t i = 0; i < compressed.size(); ++i) {
            const auto& [bytes, key] = compressed[i];
            // Only the decoding is timed, not the comparison.
            start = ThreadCpuSeconds();
            const QByteArrayView decoded = decompressor.DecompressFrame(QByteArrayView(bytes), key);
            decodeSeconds += ThreadCpuSeconds() - start;
            const QByteArray& source = frames[i % frames.size()];
            if (decoded.size() != source.size())
                return {};
            best.worstPsnrDb = std::min(best.worstPsnrDb, PsnrDb(decoded, source, width, height));
            best.bytes += bytes.size();
        }
        best.decodeMs = std::min(best.decodeMs, decodeSeconds * 1000 / coded);
    }
    return best;
}

// ffmpeg's user CPU time from -benchmark (its system time is mostly reading the raw file, which ours does
// not do); negative when it failed.
double FfmpegCpu(const QStringList& arguments) {
    QProcess p;
    p.start("ffmpeg", QStringList{"-hide_banner", "-nostdin", "-y", "-benchmark"} + arguments);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return -1;
    const QString log = QString::fromLocal8Bit(p.readAllStandardError());
    const QRegularExpressionMatch m = QRegularExpression(R"(bench: utime=([0-9.]+)s)").match(log);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

// Best of the runs, per frame, with the one-frame run's time taken out.
double FfmpegMsPerFrame(QStringList arguments, int framesAt) {
    double all = 1e9, one = 1e9;
    QStringList single = arguments;
    single.insert(framesAt, "-frames:v");
    single.insert(framesAt + 1, "1");
    for (int run = 0; run < kRuns; ++run) {
        // The whole run last: the encoder's output is what the decoder then reads.
        const double o = FfmpegCpu(single), a = FfmpegCpu(arguments);
        if (a < 0 || o < 0)
            return -1;
        all = std::min(all, a);
        one = std::min(one, o);
    }
    return std::max(0.0, all - one) * 1000 / (coded - 1);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc > 1) {
        repeats = std::max(1, std::atoi(argv[1]));
        coded = kFrames * repeats;
    }
    QTemporaryDir dir;
    std::printf(
        "WMV2, %d frames (%d distinct, over and over) at %d fps, key frame every %d, %d bytes/s; CPU ms "
        "per frame, best of %d\n",
        coded, kFrames, kFps, kKeyRate, kBytesPerSecond, kRuns);
    bool ok = true;
    for (const auto& [w, h, floorDb] : kSizes) {
        const std::vector<QByteArray> frames = Frames(w, h);
        const QString raw = dir.filePath("in.raw"), avi = dir.filePath("out.avi");
        QFile file(raw);
        if (!file.open(QIODevice::WriteOnly) || file.write(TopDown(frames, w, h)) < 0)
            return 1;
        file.close();
        const QString size = QString("%1x%2").arg(w).arg(h);
        const QString bits = QString::number(kBytesPerSecond * 8);
        // The encoder as ours sets it up: one thread, no B-frames, the key rate, the bit rate and its
        // tolerance, bilinear conversion from BGR.
        const QStringList encode = {
            "-f",   "rawvideo", "-pix_fmt",   "bgr24",        "-s",
            size,   "-r",       "15",         "-stream_loop", QString::number(repeats - 1),
            "-i",   raw,        "-sws_flags", "bilinear",     "-c:v",
            "wmv2", "-threads", "1",          "-g",           "7",
            "-bf",  "0",        "-b:v",       bits,           "-bt",
            bits,   "-pix_fmt", "yuv420p",    "-f",           "avi",
            avi};
        const double ffEncode = FfmpegMsPerFrame(encode, encode.size() - 3);
        const QStringList decode = {"-threads", "1",     "-i", avi,    "-sws_flags", "bilinear",
                                    "-pix_fmt", "bgr24", "-f", "null", "-"};
        const double ffDecode = FfmpegMsPerFrame(decode, decode.size() - 3);
        const Ours ours = RunOurs(frames, w, h);
        if (ffEncode < 0 || ffDecode < 0 || ours.bytes == 0) {
            std::printf("%s: %s failed\n", qPrintable(size), ours.bytes == 0 ? "our codec" : "ffmpeg");
            ok = false;
            continue;
        }
        std::printf(
            "%-8s encode %.3f ms (ffmpeg %.3f, ratio %.2f); decode %.3f ms (ffmpeg %.3f, ratio %.2f); "
            "%lld bytes/frame; worst picture %.1f dB PSNR (floor %.0f)\n",
            qPrintable(size), ours.encodeMs, ffEncode, ours.encodeMs / ffEncode, ours.decodeMs, ffDecode,
            ours.decodeMs / ffDecode, ours.bytes / coded, ours.worstPsnrDb, floorDb);
        if (ours.worstPsnrDb < floorDb) {
            std::printf("FAILED: %s: a decoded picture is %.1f dB from its source, below %.0f dB\n",
                        qPrintable(size), ours.worstPsnrDb, floorDb);
            ok = false;
            continue;
        }
        const QByteArray name = QString("video_codec_%1").arg(size).toUtf8();
        bench::PrintRatio((name + "_encode").constData(), ours.encodeMs / ffEncode,
                          "our WMV2 encode CPU ms per frame / ffmpeg's, same settings; lower is better");
        bench::PrintRatio((name + "_decode").constData(), ours.decodeMs / ffDecode,
                          "our WMV2 decode CPU ms per frame / ffmpeg's; lower is better");
    }
    return ok ? 0 : 1;
}
