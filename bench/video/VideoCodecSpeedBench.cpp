// Encode and decode time per frame of the broadcast compressor (WMV2, what a stored default turns into) at
// 160 x 120 and 640 x 480, against ffmpeg -benchmark with the same codec and settings on the same frames in
// the same run. The frames are the test-pattern source's with a little sensor-like noise, so the encoder has
// work on every frame. ffmpeg's start-up is taken out by timing a one-frame run too.
#include "video/VideoCapture.h"
#include "video/VideoCoDec.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <mutex>

using namespace orv;

namespace {

constexpr int kFrames = 150;
constexpr int kRepeats =
    10; // the frames this many times over, so that a run is long against the clock's step
constexpr int kCoded = kFrames * kRepeats;
constexpr int kRuns = 3;
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

struct Ours {
    double encodeMs = 1e9, decodeMs = 1e9;
    qint64 bytes = 0;
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
        for (int r = 0; r < kRepeats; ++r)
            for (const QByteArray& f : frames) {
                const TVideoCoDec::TCompressed c = compressor.CompressFrame(QByteArrayView(f));
                compressed.emplace_back(c.bytes.toByteArray(), c.keyFrame);
            }
        best.encodeMs = std::min(best.encodeMs, (ThreadCpuSeconds() - start) * 1000 / kCoded);

        TVideoCoDec decompressor;
        TBitmapInfoHeader described = output;
        TBitmapInfoHeader picture;
        if (!decompressor.InitDecompressor(described, picture, 1000, kKeyRate) ||
            !decompressor.DecompressBegin())
            return {};
        best.bytes = 0;
        start = ThreadCpuSeconds();
        for (const auto& [bytes, key] : compressed) {
            if (decompressor.DecompressFrame(QByteArrayView(bytes), key).isEmpty())
                return {};
            best.bytes += bytes.size();
        }
        best.decodeMs = std::min(best.decodeMs, (ThreadCpuSeconds() - start) * 1000 / kCoded);
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
    return std::max(0.0, all - one) * 1000 / (kCoded - 1);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf(
        "WMV2, %d frames (%d distinct, over and over) at %d fps, key frame every %d, %d bytes/s; CPU ms "
        "per frame, best of %d\n",
        kCoded, kFrames, kFps, kKeyRate, kBytesPerSecond, kRuns);
    bool ok = true;
    for (const auto& [w, h] : {std::pair{160, 120}, {640, 480}}) {
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
            size,   "-r",       "15",         "-stream_loop", QString::number(kRepeats - 1),
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
            "%lld bytes/frame\n",
            qPrintable(size), ours.encodeMs, ffEncode, ours.encodeMs / ffEncode, ours.decodeMs, ffDecode,
            ours.decodeMs / ffDecode, ours.bytes / kCoded);
    }
    return ok ? 0 : 1;
}
