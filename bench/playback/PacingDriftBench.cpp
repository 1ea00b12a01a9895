// How far a long replay drifts from its recorded timing: the player's pacer against sleeping each recorded
// gap less 10 ms, on the same virtual clock with the same handling time per packet. The drift is measured
// where a viewer sees it: when each packet is handed to the handlers, against when it happened in the
// recorded session (long gaps, which are not waited for, taken out of both).
// Usage: bench_pacing_drift [PACKETS]   (default 500000)
#include "platform/Clock.h"
#include "playback/PlaybackPacer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using namespace orv;

namespace {

class VirtualClock final : public IClock {
public:
    std::uint32_t tickCount() override { return std::uint32_t(m_now); }
    void sleepMs(std::uint32_t ms) override { m_now += ms; }
    void spend(std::int64_t ms) { m_now += ms; }
    std::int64_t now() const { return m_now; }

private:
    std::int64_t m_now = 1000;
};

struct Packet {
    std::int64_t gapMs;  // since the previous packet in the recorded session
    std::int64_t costMs; // what handling it takes here
};

// A session's rhythm: voice frames every 20 to 60 ms, drawing and chat spread out, a few long silences;
// handlers take 0 to 4 ms, now and then much longer (a board image, a full history).
std::vector<Packet> session(std::size_t count) {
    std::mt19937 random(11);
    std::vector<Packet> packets(count);
    for (Packet& p : packets) {
        const unsigned kind = random() % 100;
        p.gapMs = kind < 70 ? 20 + random() % 41 : kind < 99 ? random() % 2000 : 10001 + random() % 20000;
        p.costMs = random() % 50 == 0 ? 30 + random() % 200 : random() % 5;
    }
    return packets;
}

struct Drift {
    double endMs = 0;
    double worstMs = 0;
};

// Plays the packets with `wait` deciding the pause before each; drift = when it played - when it should.
template <typename Wait> Drift replay(const std::vector<Packet>& packets, VirtualClock& clock, Wait wait) {
    Drift d;
    const std::int64_t start = clock.now();
    std::int64_t due = 0; // recorded time since the first packet, long gaps left out
    for (std::size_t i = 0; i < packets.size(); ++i) {
        if (i > 0 && packets[i].gapMs <= TPlaybackPacer::kLongestGapMs)
            due += packets[i].gapMs;
        clock.sleepMs(wait(i));
        const double drift = double(clock.now() - start - due);
        d.worstMs = std::max(d.worstMs, std::abs(drift));
        d.endMs = drift;
        clock.spend(packets[i].costMs);
    }
    return d;
}

} // namespace

int main(int argc, char** argv) {
    const std::size_t count = argc > 1 ? std::size_t(std::atoll(argv[1])) : 500000;
    const std::vector<Packet> packets = session(count);

    VirtualClock paced;
    TPlaybackPacer pacer(paced);
    double stamp = 45000.0;
    const Drift ours = replay(packets, paced, [&](std::size_t i) {
        stamp += double(packets[i].gapMs) / 86400000.0;
        return pacer.Schedule(stamp);
    });

    VirtualClock slept;
    const Drift baseline = replay(packets, slept, [&](std::size_t i) -> std::uint32_t {
        const std::int64_t gap = i == 0 ? 0 : packets[i].gapMs;
        return gap <= TPlaybackPacer::kLongestGapMs && gap - 10 > 0 ? std::uint32_t(gap - 10) : 0;
    });

    double recordedMs = 0;
    for (std::size_t i = 1; i < packets.size(); ++i)
        if (packets[i].gapMs <= TPlaybackPacer::kLongestGapMs)
            recordedMs += double(packets[i].gapMs);
    std::printf("recording: %zu packets, %.1f min of recorded time\n", count, recordedMs / 60000.0);
    std::printf("pacer:          drift at the end %+9.0f ms, worst %8.0f ms\n", ours.endMs, ours.worstMs);
    std::printf("gap - 10 sleep: drift at the end %+9.0f ms, worst %8.0f ms\n", baseline.endMs,
                baseline.worstMs);
    std::printf("worst drift ratio (pacer / gap - 10 sleep): %.4f\n",
                baseline.worstMs > 0 ? ours.worstMs / baseline.worstMs : 0.0);
    return 0;
}
