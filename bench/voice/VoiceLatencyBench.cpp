// Mouth-to-ear delay through our server on loopback: clicks spoken into one client's microphone, timed
// where they come out of another client's loudspeaker, against the length of the frame the sender must fill
// before it can send (a whole number of codec blocks). The microphone runs on the real clock; the sound
// that comes out is timed at the receiving device, so every queue on the way counts. Every click must come
// out once, after it was spoken and before the next one is, or the run fails.
#include "BenchRatio.h"

#include "platform/Timer.h"
#include "protocol/CommandCatalogue.h"
#include "support/RecordingSink.h"
#include "support/VoiceRoom.h"
#include "voice/CodecCatalogue.h"
#include "voice/VoiceThread.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

using namespace orv;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kClicks = 12;
constexpr int kClickSpacingMs = 730; // not a multiple of the frame, so the clicks fall all over it
constexpr int kFirstClickMs = 1000;
constexpr int kClickSamples = 16;
constexpr int kThreshold = 3000;

double MsBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// A microphone that hears the clicks on the real clock, 10 ms periods delivered as they fall due; and a
// loudspeaker that notes when each click reaches it.
class ClickAudio final : public IAudioSystem {
public:
    Clock::time_point start{};
    int rate = 8000;
    std::vector<Clock::time_point> heard;       // each click's arrival, its place in the block included
    std::vector<std::size_t> playedBlocks;      // the sample count of each block written to the device
    std::vector<Clock::time_point> blockWrites; // when each was

    std::vector<TAudioDeviceInfo> Devices(TAudioDirection) override { return {}; }
    std::unique_ptr<IAudioCapture> OpenCapture(const QByteArray&, int sampleRate, int,
                                               TAudioOpenError& error) override {
        error = TAudioOpenError::None;
        rate = sampleRate;
        auto capture = std::make_unique<Capture>(*this);
        m_capture = capture.get();
        return capture;
    }
    std::unique_ptr<IAudioPlayback> OpenPlayback(const QByteArray&, int sampleRate,
                                                 TAudioOpenError& error) override {
        error = TAudioOpenError::None;
        rate = sampleRate;
        return std::make_unique<Playback>(*this);
    }
    void Pump() {
        if (m_capture)
            m_capture->Pump();
    }
    // When a click is spoken, on the real clock.
    Clock::time_point clickTime(int k) const {
        return start + std::chrono::milliseconds(kFirstClickMs + k * kClickSpacingMs);
    }
    std::size_t clickSample(int k) const {
        return std::size_t(std::int64_t(kFirstClickMs + k * kClickSpacingMs) * rate / 1000);
    }

private:
    class Capture final : public IAudioCapture {
    public:
        explicit Capture(ClickAudio& audio) : m_audio(audio) {}
        ~Capture() override {
            if (m_audio.m_capture == this)
                m_audio.m_capture = nullptr;
        }
        bool Start(Sink sink) override {
            m_sink = std::move(sink);
            return true;
        }
        void Stop() override { m_sink = nullptr; }
        void Pump() {
            if (!m_sink)
                return;
            const auto period = std::size_t(m_audio.rate / 100);
            const auto due = std::size_t(MsBetween(m_audio.start, Clock::now()) / 10);
            while (m_periods < due && m_sink) {
                std::vector<std::int16_t> samples(period, 0);
                const std::size_t from = m_periods * period;
                for (int k = 0; k < kClicks; ++k) {
                    const std::size_t at = m_audio.clickSample(k);
                    for (std::size_t i = 0; i < period; ++i)
                        if (from + i >= at && from + i < at + kClickSamples)
                            samples[i] = (from + i - at) % 2 ? -24000 : 24000;
                }
                ++m_periods;
                const Sink sink = m_sink;
                sink(samples);
            }
        }

    private:
        ClickAudio& m_audio;
        Sink m_sink;
        std::size_t m_periods = 0;
    };

    class Playback final : public IAudioPlayback {
    public:
        explicit Playback(ClickAudio& audio) : m_audio(audio) {}
        void Play(std::span<const std::int16_t> samples) override {
            const Clock::time_point now = Clock::now();
            m_audio.playedBlocks.push_back(samples.size());
            m_audio.blockWrites.push_back(now);
            // A click plays at the block's write plus its place in the block: the device starts at once.
            for (std::size_t i = 0; i < samples.size(); ++i) {
                const bool loud = std::abs(int(samples[i])) > kThreshold;
                if (loud && !m_inClick)
                    m_audio.heard.push_back(
                        now + std::chrono::microseconds(std::int64_t(i) * 1000000 / m_audio.rate));
                if (loud)
                    m_quiet = 0;
                else if (++m_quiet > std::size_t(m_audio.rate / 20))
                    m_inClick = false; // 50 ms of quiet ends a click
                m_inClick = m_inClick || loud;
            }
        }

    private:
        ClickAudio& m_audio;
        bool m_inClick = false;
        std::size_t m_quiet = 0;
    };

    Capture* m_capture = nullptr;
};

TVoiceSetup Setup(std::uint16_t user, std::uint8_t codec) {
    TVoiceSetup s;
    s.codec = codec;
    s.userId = user;
    s.roomId = test::VoiceRoom::kRoom;
    s.cleaning = {false, false};
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const auto codec = std::uint8_t(argc > 1 ? std::atoi(argv[1]) : 0);
    const std::optional<CodecFormat> format = MakeCodecFormat(codec);
    if (!format) {
        std::fprintf(stderr, "codec %d is not installed\n", codec);
        return 1;
    }

    test::VoiceRoom room(1);
    ClickAudio aliceAudio, bobAudio;
    test::RecordingSink aliceSink, bobSink;
    TVoiceThread alice(Setup(test::VoiceRoom::kAlice, codec),
                       {aliceAudio, SystemClock::instance(), QtTimerFactory::instance()}, aliceSink);
    TVoiceThread bob(Setup(test::VoiceRoom::kBob, codec),
                     {bobAudio, SystemClock::instance(), QtTimerFactory::instance()}, bobSink);
    const TVoiceEndpoint endpoint{"127.0.0.1", room.voicePort, {}, {}, "pw", 5000};
    if (!alice.InitResult() || !bob.InitResult() || alice.Connect(endpoint) != 0 ||
        bob.Connect(endpoint) != 0) {
        std::fprintf(stderr, "voice set-up failed\n");
        return 1;
    }
    alice.Start();
    bob.Start();
    room.control[test::VoiceRoom::kAlice]->sendPacket(cmTakeMicrophone);
    while (room.control[test::VoiceRoom::kAlice]->readPacket().header.Command != cmTakeMicrophone) {
    }
    alice.SetTransmit(true);

    // The microphone starts now; the clicks come later, so the first frame is no special case.
    aliceAudio.start = Clock::now();
    const Clock::time_point end = aliceAudio.clickTime(kClicks - 1) + std::chrono::seconds(3);
    while (Clock::now() < end && bobAudio.heard.size() < std::size_t(kClicks)) {
        aliceAudio.Pump();
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    alice.Stop();
    bob.Stop();

    if (bobAudio.heard.size() != std::size_t(kClicks)) {
        std::fprintf(stderr, "%zu of %d clicks heard\n", bobAudio.heard.size(), kClicks);
        return 1;
    }
    std::vector<double> delays;
    for (int k = 0; k < kClicks; ++k) {
        delays.push_back(MsBetween(aliceAudio.clickTime(k), bobAudio.heard[std::size_t(k)]));
        // Otherwise the click heard is not the one spoken: one lost and another made up, or noise.
        if (delays.back() <= 0 || delays.back() >= kClickSpacingMs) {
            std::fprintf(stderr, "FAILED: click %d came out %.1f ms after it was spoken\n", k, delays.back());
            return 1;
        }
    }
    std::sort(delays.begin(), delays.end());
    // The frame as it arrived: the most common block length written to bob's device.
    std::vector<std::size_t> blocks = bobAudio.playedBlocks;
    std::sort(blocks.begin(), blocks.end());
    const double frameMs = double(blocks[blocks.size() / 2]) * 1000 / bobAudio.rate;
    const double median = delays[delays.size() / 2];
    const double blockMs = double(format->blockAlign) * 1000 / format->avgBytesPerSec;
    std::printf("codec %d \"%s\": %d clicks; codec block %.1f ms, frame as received %.0f ms (%.0f blocks)\n",
                codec, qPrintable(CodecName(codec)), kClicks, blockMs, frameMs, frameMs / blockMs);
    std::printf("mouth to ear: median %.1f ms, min %.1f, max %.1f\n", median, delays.front(), delays.back());
    std::printf("ratio to the frame time: %.3f (median), %.3f (max); beyond the frame: %.1f ms (median); "
                "%.1f codec blocks\n",
                median / frameMs, delays.back() / frameMs, median - frameMs, median / blockMs);
    bench::PrintRatio(
        ("voice_latency_codec_" + QByteArray::number(codec)).constData(), median / frameMs,
        "median mouth-to-ear delay / the frame the sender must fill; at least 1, lower is better");
    return 0;
}
