// How far a replay drifts from its recorded timing, measured where a viewer sees it: the wall-clock moment
// each packet reaches its handler on the main thread, against when it happened in the recorded session
// (gaps over 10 s, which are not waited for, taken out). The real player (reader, pacer, hand-over) on the
// real clock, against a player doing the same reading and hand-over that sleeps each recorded gap before its
// packet. Handlers take time, as a board image or a full history does; a player without a schedule adds that
// time to every later packet. Every packet must arrive once, in order, intact and not early, or the run
// fails.
// Usage: bench_pacing_drift [PACKETS]   (default 150, about 5 s of recorded time)
#include "BenchRatio.h"

#include "platform/Clock.h"
#include "playback/PlaybackPacer.h"
#include "playback/PlayerThread.h"
#include "playback/RecordingReader.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/RecordingMessages.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <thread>
#include <vector>

using namespace orv;
using Clock = std::chrono::steady_clock;

namespace {

// A playback being early by more than this is a pacing fault, not the clock's millisecond steps.
constexpr double kEarlyToleranceMs = 10;

struct Planned {
    std::int64_t gapMs; // since the previous packet in the recorded session
    int costMs;         // what its handler takes here
};

// A session's rhythm: voice frames every 10 to 40 ms, drawing and chat further apart, one long silence;
// handlers take 0 to 4 ms, now and then 30 to 60 ms.
std::vector<Planned> Session(std::size_t count) {
    std::mt19937 random(11);
    std::vector<Planned> plan(count);
    for (Planned& p : plan) {
        p.gapMs = random() % 100 < 80 ? 10 + random() % 31 : 40 + random() % 101;
        p.costMs = random() % 25 == 0 ? 30 + int(random() % 31) : int(random() % 5);
    }
    plan[0] = {0, 0};
    plan[count / 2].gapMs = TPlaybackPacer::kLongestGapMs + 5000;
    return plan;
}

// Each packet's payload names it, so a lost, repeated or reordered one shows.
QByteArray Payload(std::size_t index) {
    return QByteArray::number(qulonglong(index)).leftJustified(qsizetype(16 + index % 200), '.');
}

std::int64_t WriteRecording(const QString& path, const std::vector<Planned>& plan) {
    QByteArray bytes = TRecordedSessionHeader().toByteArray();
    double stamp = 45000.0;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        stamp += double(plan[i].gapMs) / 86400000.0;
        TRecordedPacket p;
        p.header.Command = cmChat;
        p.header.Stamp = stamp;
        p.payload = Payload(i);
        bytes += p.encode();
    }
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? bytes.size() : -1;
}

// What the handlers saw, on the main thread.
class Arrivals {
public:
    explicit Arrivals(const std::vector<Planned>& plan) : m_plan(plan) {}

    void Take(const TPacketHeader& header, QByteArrayView stream) {
        const std::size_t i = m_at.size();
        m_at.push_back(Clock::now());
        if (i >= m_plan.size() || header.Command != cmChat ||
            stream.sliced(qsizetype(TPacketHeader::kSize)) != Payload(i)) {
            m_intact = false;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(m_plan[i].costMs));
    }

    // Empty when every packet arrived once, in order and intact; else what went wrong.
    QString Fault() const {
        if (!m_intact)
            return "a packet arrived out of order, twice or altered";
        if (m_at.size() != m_plan.size())
            return QString("%1 of %2 packets arrived").arg(m_at.size()).arg(m_plan.size());
        return {};
    }

    struct Drift {
        double worstLateMs = 0, worstEarlyMs = 0, endMs = 0;
    };
    // Arrival since the first packet's, less the recorded time since it.
    Drift Measure() const {
        Drift d;
        std::int64_t dueMs = 0;
        for (std::size_t i = 0; i < m_at.size() && i < m_plan.size(); ++i) {
            if (i > 0 && m_plan[i].gapMs <= TPlaybackPacer::kLongestGapMs)
                dueMs += m_plan[i].gapMs;
            const double drift =
                std::chrono::duration<double, std::milli>(m_at[i] - m_at[0]).count() - double(dueMs);
            d.worstLateMs = std::max(d.worstLateMs, drift);
            d.worstEarlyMs = std::max(d.worstEarlyMs, -drift);
            d.endMs = drift;
        }
        return d;
    }

private:
    const std::vector<Planned>& m_plan;
    std::vector<Clock::time_point> m_at;
    bool m_intact = true;
};

// Runs the main thread's events, where the packets are handled, until `done` or the deadline.
void PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    QTimer wake; // the loop also looks at `done` when no packet comes
    wake.start(20);
    const Clock::time_point deadline = Clock::now() + limit;
    while (!done() && Clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The player as the program runs it, with its pacer.
void PlayPaced(const QString& path, std::int64_t size, Arrivals& arrivals, std::chrono::milliseconds limit) {
    TAvailableBytes there;
    there.Finish(size);
    NullMessageSink window, mainWindow;
    QObject context;
    TPlayerThread player({&context, window, mainWindow, SystemClock::instance(), there,
                          [&](const TPacketHeader& h, QByteArrayView s) { arrivals.Take(h, s); }, [] {}},
                         path, true, size);
    player.Start();
    PumpUntil([&] { return !player.Running(); }, limit);
    player.Stop();
}

// Baseline: the same reading and hand-over, sleeping each recorded gap before its packet.
void PlaySleeping(const QString& path, std::int64_t size, Arrivals& arrivals,
                  std::chrono::milliseconds limit) {
    QObject context;
    MainThreadHandover handover(&context);
    std::atomic<bool> done{false};
    std::thread player([&] {
        TRecordingReader reader(path, true);
        double previous = 0;
        for (bool first = true; reader.Next(size, size) == TNextPacket::Packet; first = false) {
            const std::int64_t gap = first ? 0 : TPlaybackPacer::GapMs(previous, reader.Header().Stamp);
            previous = reader.Header().Stamp;
            if (gap > 0 && gap <= TPlaybackPacer::kLongestGapMs)
                SystemClock::instance().sleepMs(std::uint32_t(gap));
            const QByteArray packet = reader.Packet();
            if (!handover.run([&] { arrivals.Take(TPacketHeader::decode(QByteArrayView(packet)), packet); }))
                break;
        }
        done = true;
    });
    PumpUntil([&] { return done.load(); }, limit);
    handover.abandon();
    player.join();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::size_t count = std::max<std::size_t>(argc > 1 ? std::size_t(std::atoll(argv[1])) : 150, 10);
    const std::vector<Planned> plan = Session(count);
    QTemporaryDir dir;
    const QString path = dir.filePath("paced.orvane");
    const std::int64_t size = WriteRecording(path, plan);
    if (size < 0) {
        std::printf("FAILED: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::int64_t recordedMs = 0, handlingMs = 0;
    for (std::size_t i = 1; i < count; ++i) {
        recordedMs += plan[i].gapMs <= TPlaybackPacer::kLongestGapMs ? plan[i].gapMs : 0;
        handlingMs += plan[i].costMs;
    }
    // Generous: a sanitizer build runs the same packets several times slower.
    const auto limit = std::chrono::milliseconds(3 * (recordedMs + handlingMs) + 30000);

    Arrivals paced(plan), slept(plan);
    PlayPaced(path, size, paced, limit);
    PlaySleeping(path, size, slept, limit);

    std::printf("recording: %zu packets, %.1f s of recorded time, %.1f s in handlers\n", count,
                double(recordedMs) / 1000, double(handlingMs) / 1000);
    const auto ours = paced.Measure(), baseline = slept.Measure();
    std::printf("%-14s %16s %14s %15s\n", "player", "drift at end ms", "worst late ms", "worst early ms");
    std::printf("%-14s %+16.1f %14.1f %15.1f\n", "paced (ours)", ours.endMs, ours.worstLateMs,
                ours.worstEarlyMs);
    std::printf("%-14s %+16.1f %14.1f %15.1f\n", "sleep per gap", baseline.endMs, baseline.worstLateMs,
                baseline.worstEarlyMs);

    bool ok = true;
    for (const auto& [name, arrivals] : {std::pair{"paced player", &paced}, {"sleeping player", &slept}})
        if (const QString fault = arrivals->Fault(); !fault.isEmpty()) {
            std::printf("FAILED: %s: %s\n", name, qPrintable(fault));
            ok = false;
        }
    if (ours.worstEarlyMs > kEarlyToleranceMs) {
        std::printf("FAILED: the paced player handed a packet over %.1f ms before its time\n",
                    ours.worstEarlyMs);
        ok = false;
    }
    if (!ok)
        return 1;
    bench::PrintRatio("pacing_drift", baseline.worstLateMs > 0 ? ours.worstLateMs / baseline.worstLateMs : 0,
                      "worst lateness at the handler, paced player / sleep-per-gap player; lower is better");
    return 0;
}
