// Encode and decode speed of every catalogue row, as seconds of audio per CPU second, against sox (GSM) and
// speexenc / speexdec (Speex) on the same speech in the same run. The tools' output must equal ours (their
// blocks are ours, their decoding is ours), or the run fails.
#include "BenchRatio.h"

#include "support/OggSpeex.h"
#include "support/SpeechFixture.h"
#include "voice/CodecCatalogue.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace orv;
using namespace orv::test;

namespace {

// The speech, about seven seconds, this many times over: long enough that a tool's start is a few per cent
// of its time.
constexpr int kRepeats = 20;
constexpr int kRuns = 3;

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Best CPU time of the runs.
double BestCpu(const std::function<void()>& work) {
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        const double start = CpuSeconds();
        work();
        best = std::min(best, CpuSeconds() - start);
    }
    return best;
}

// Runs a tool to its end and returns its CPU time (user and system); negative when it fails.
double ToolCpu(const QStringList& command) {
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        std::vector<QByteArray> args;
        for (const QString& a : command)
            args.push_back(a.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const pid_t pid = fork();
        if (pid == 0) {
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            return -1;
        best = std::min(best, double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                                  double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6);
    }
    return best;
}

std::uint16_t ExtraValue(const CodecFormat& f, int position) {
    return std::uint16_t(f.extra[std::size_t(2 * position)] | f.extra[std::size_t(2 * position + 1)] << 8);
}

QByteArray WavData(const QByteArray& wav) {
    const qsizetype at = wav.indexOf("data");
    return at < 0 ? QByteArray() : wav.mid(at + 8);
}

struct Row {
    double encode, decode, toolEncode, toolDecode;
};

int Fail(const char* what, int index) {
    std::printf("FAILED: row %d: %s\n", index, what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("%-52s %9s %9s %7s %9s %9s %7s\n", "codec (seconds of audio per CPU second)", "encode",
                "tool", "ratio", "decode", "tool", "ratio");
    for (int index = 0; index < kCodecCount; ++index) {
        const CodecFormat format = *MakeCodecFormat(std::uint8_t(index));
        QString why;
        const std::vector<std::int16_t> once = Speech(int(format.samplesPerSec), why);
        if (once.empty()) {
            std::printf("FAILED: %s\n", qPrintable(why));
            return 1;
        }
        std::vector<std::int16_t> pcm;
        for (int r = 0; r < kRepeats; ++r)
            pcm.insert(pcm.end(), once.begin(), once.end());
        const auto n = std::size_t(CodecRegistry::Installed().NewEncoder(format)->SamplesPerBlock());
        const std::size_t blocks = pcm.size() / n;
        const double seconds = double(blocks * n) / format.samplesPerSec;

        QByteArray ours(qsizetype(blocks * format.blockAlign), '\0');
        auto* out = reinterpret_cast<std::uint8_t*>(ours.data());
        const double encode = BestCpu([&] {
            const auto encoder = CodecRegistry::Installed().NewEncoder(format);
            for (std::size_t b = 0; b < blocks; ++b)
                encoder->Encode(std::span(pcm).subspan(b * n, n),
                                std::span(out + b * format.blockAlign, format.blockAlign));
        });
        std::vector<std::int16_t> decoded(blocks * n);
        const double decode = BestCpu([&] {
            const auto decoder = CodecRegistry::Installed().NewDecoder(format);
            for (std::size_t b = 0; b < blocks; ++b)
                decoder->Decode(std::span(out + b * format.blockAlign, format.blockAlign),
                                std::span(decoded).subspan(b * n, n));
        });

        const QString raw = dir.filePath("speech.raw"), coded = dir.filePath("coded"),
                      back = dir.filePath("back.raw");
        WritePcm(raw, std::vector<std::int16_t>(pcm.begin(), pcm.begin() + std::ptrdiff_t(blocks * n)));
        double toolEncode = 0, toolDecode = 0;
        std::vector<std::int16_t> theirs;
        if (format.formatTag == kWaveFormatGsm610) {
            toolEncode = ToolCpu({"sox", "-t", "raw", "-r", "8000", "-e", "signed-integer", "-b", "16", "-c",
                                  "1", raw, "-e", "gsm-full-rate", coded + ".wav"});
            if (WavData(ReadAll(coded + ".wav")).left(ours.size()) != ours)
                return Fail("sox's GSM blocks differ from ours", index);
            toolDecode =
                ToolCpu({"sox", coded + ".wav", "-t", "raw", "-e", "signed-integer", "-b", "16", back});
            theirs = ReadPcm(back);
        } else {
            const int band = ExtraValue(format, 1);
            toolEncode = ToolCpu(
                {"speexenc", QStringList{"-n", "-w", "-u"}[band], "--quality",
                 QString::number(ExtraValue(format, 2)), "--nframes", QString::number(ExtraValue(format, 3)),
                 "--rate", QString::number(format.samplesPerSec), "--le", "--16bit", raw, coded + ".spx"});
            const std::vector<QByteArray> packets = ReadOggPackets(ReadAll(coded + ".spx"));
            QByteArray joined;
            for (std::size_t p = 2; p < packets.size() && p < blocks + 2; ++p)
                joined += packets[p];
            if (joined != ours)
                return Fail("speexenc's packets differ from our blocks", index);
            // Decoded from our own blocks, so that both decode the same packets.
            std::vector<QByteArray> blockList;
            for (std::size_t b = 0; b < blocks; ++b)
                blockList.push_back(ours.mid(qsizetype(b * format.blockAlign), format.blockAlign));
            WriteAll(coded + "-ours.spx", WriteOggSpeex(blockList, band, ExtraValue(format, 3)));
            toolDecode = ToolCpu({"speexdec", coded + "-ours.spx", back});
            theirs = ReadPcm(back);
        }
        if (toolEncode < 0 || toolDecode < 0)
            return Fail("a tool failed (scripts/install-deps.sh installs sox and speex)", index);
        // Tools may leave out the codec's look-ahead at the start, less than a block; the rest must be our
        // decoding.
        if (theirs.size() + n <= decoded.size() || theirs.size() > decoded.size() ||
            !std::equal(theirs.begin(), theirs.end(), decoded.end() - std::ptrdiff_t(theirs.size())))
            return Fail("the tool decodes differently from us", index);

        const Row r{seconds / encode, seconds / decode, seconds / toolEncode, seconds / toolDecode};
        std::printf("%-52s %9.0f %9.0f %7.2f %9.0f %9.0f %7.2f\n", qPrintable(CodecName(std::uint8_t(index))),
                    r.encode, r.toolEncode, r.encode / r.toolEncode, r.decode, r.toolDecode,
                    r.decode / r.toolDecode);
        const QByteArray name = "voice_codec_" + QByteArray::number(index);
        bench::PrintRatio((name + "_encode").constData(), r.encode / r.toolEncode,
                          "audio seconds encoded per CPU second, ours / the tool's; higher is better");
        bench::PrintRatio((name + "_decode").constData(), r.decode / r.toolDecode,
                          "audio seconds decoded per CPU second, ours / the tool's; higher is better");
    }
    return 0;
}
