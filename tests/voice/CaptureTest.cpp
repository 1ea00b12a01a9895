// TACMIn on a fake device and a virtual clock: whole codec blocks per buffer at the codec's rate, settings
// that wait for the next open, idempotent open and close, the error texts, and a handler that closes the
// component from inside its own delivery.
#include "support/FakeAudio.h"
#include "support/FakeClock.h"
#include "support/Prerequisites.h"
#include "voice/ACMIn.h"
#include "voice/AudioErrors.h"
#include "voice/CodecCatalogue.h"
#include "voice/GsmCodec.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <functional>

using namespace orv;
using namespace orv::test;

namespace {

struct Delivery {
    std::uint32_t tick;
    std::vector<std::uint8_t> bytes;
};

struct CaptureFixture : ::testing::Test {
    FakeClock clock;
    FakeAudioSystem audio{clock};
    TACMIn capture{audio};
    std::vector<Delivery> deliveries;

    CaptureFixture() {
        capture.SetCleaning({false, false}, nullptr);
        capture.OnBufferFull = [this](TACMIn& sender, const std::uint8_t* data, int size) {
            EXPECT_EQ(&sender, &capture);
            deliveries.push_back({clock.tickCount(), {data, data + size}});
        };
    }
    ~CaptureFixture() override { QCoreApplication::processEvents(); }

    // Speech at the format's rate as what the microphone hears; the problem in `tools` when it cannot be
    // made.
    ToolCheck Hear(const CodecFormat& format) {
        ToolCheck tools;
        audio.signal = Speech(int(format.samplesPerSec), tools);
        return tools;
    }
};

CodecFormat Pcm8k() {
    return {.formatTag = kWaveFormatPcm,
            .channels = 1,
            .samplesPerSec = 8000,
            .avgBytesPerSec = 16000,
            .blockAlign = 2,
            .bitsPerSample = 16,
            .extra = {}};
}

} // namespace

TEST_F(CaptureFixture, EachBufferHoldsWholeBlocksAtTheCodecsRate) {
    for (const int index : {0, 3, 4, 7}) {
        SCOPED_TRACE(index);
        const CodecFormat format = *MakeCodecFormat(std::uint8_t(index));
        ORV_ASSERT_TOOLS_RAN(Hear(format));
        deliveries.clear();
        // As the voice connection sizes it: half a second's worth of bytes, two buffers.
        capture.SetBufferSize(int(format.avgBytesPerSec / 2));
        capture.SetNumBuffers(2);
        capture.Open(format, "mic");
        const std::uint32_t opened = clock.tickCount();
        audio.Run(clock, 5000, 7);
        capture.Close();

        const auto encoder = CodecRegistry::Installed().NewEncoder(format);
        const std::size_t blocks = std::size_t(capture.BufferSize() / format.blockAlign);
        const std::size_t bufferSamples = blocks * std::size_t(encoder->SamplesPerBlock());
        const double bufferMs = 1000.0 * double(bufferSamples) / format.samplesPerSec;
        EXPECT_EQ(audio.capturedDevice, "mic");
        EXPECT_EQ(audio.captureBufferBytes, int(2 * bufferSamples * 2)) << "two buffers' worth at the device";
        ASSERT_EQ(deliveries.size(), std::size_t(5000 / bufferMs));

        std::vector<std::uint8_t> expected(format.blockAlign);
        for (std::size_t k = 0; k < deliveries.size(); ++k) {
            // Delivered as soon as the device's 10 ms periods fill the buffer, and not before.
            const double due = double(k + 1) * bufferMs;
            const std::uint32_t at = ticksBetween(opened, deliveries[k].tick);
            EXPECT_GE(at, due);
            EXPECT_LT(at, due + 10 + 7);
            ASSERT_EQ(deliveries[k].bytes.size(), blocks * format.blockAlign);
            // The blocks are the codec's compression of what the microphone heard, in order.
            for (std::size_t b = 0; b < blocks; ++b) {
                const std::size_t first = (k * blocks + b) * std::size_t(encoder->SamplesPerBlock());
                encoder->Encode(
                    std::span(audio.signal).subspan(first, std::size_t(encoder->SamplesPerBlock())),
                    expected);
                ASSERT_TRUE(std::equal(expected.begin(), expected.end(),
                                       deliveries[k].bytes.begin() + std::ptrdiff_t(b * format.blockAlign)))
                    << "buffer " << k << " block " << b;
            }
        }
    }
}

TEST_F(CaptureFixture, SizesChangedWhileActiveWaitForTheNextOpen) {
    const CodecFormat gsm = *MakeCodecFormat(0);
    capture.SetBufferSize(812);
    capture.Open(gsm, {});
    capture.SetBufferSize(4096);
    capture.SetNumBuffers(9);
    EXPECT_EQ(capture.BufferSize(), 812);
    EXPECT_EQ(capture.NumBuffers(), 4);
    audio.Run(clock, 1000, 10);
    ASSERT_FALSE(deliveries.empty());
    EXPECT_EQ(deliveries.back().bytes.size(), 780u);

    capture.Close();
    capture.SetBufferSize(4096);
    capture.SetNumBuffers(9);
    capture.Open(gsm, {});
    deliveries.clear();
    audio.Run(clock, 3000, 10);
    ASSERT_FALSE(deliveries.empty());
    EXPECT_EQ(deliveries.back().bytes.size(), 63u * 65);
    EXPECT_EQ(audio.captureBufferBytes, 9 * 63 * 320 * 2);
}

TEST_F(CaptureFixture, OpeningTwiceOpensOnceAndClosingTwiceDoesNothing) {
    const CodecFormat gsm = *MakeCodecFormat(0);
    capture.SetBufferSize(812);
    EXPECT_FALSE(capture.Active());
    capture.Close();
    capture.Open(gsm, "mic");
    capture.Open(*MakeCodecFormat(7), "other");
    EXPECT_TRUE(capture.Active());
    EXPECT_EQ(audio.captureOpens, 1);
    EXPECT_EQ(audio.capturedDevice, "mic");
    audio.Run(clock, 1000, 10);
    EXPECT_EQ(deliveries.size(), 2u);
    capture.Close();
    capture.Close();
    EXPECT_FALSE(capture.Active());
    audio.Run(clock, 2000, 10);
    EXPECT_EQ(deliveries.size(), 2u) << "nothing after close";
}

TEST_F(CaptureFixture, FailuresRaiseTheOperationAndTheTableText) {
    CodecRegistry gsmOnly;
    gsmOnly.Add(std::make_unique<GsmDriver>());
    struct Case {
        const char* what;
        std::function<void(FakeAudioSystem&, TACMIn&)> arrange;
        std::uint8_t codec;
        const char* message;
    } cases[] = {
        {"no such device", [](auto& a, auto&) { a.openError = TAudioOpenError::NoSuchDevice; }, 0,
         "WaveIn-Open The specified resource does not exist."},
        {"device busy", [](auto& a, auto&) { a.openError = TAudioOpenError::DeviceBusy; }, 0,
         "WaveIn-Open The specified resource is already in use."},
        {"format refused by the device",
         [](auto& a, auto&) { a.openError = TAudioOpenError::FormatRejected; }, 0,
         "WaveIn-Open Unsupported audio format."},
        {"codec not installed", [](auto&, auto&) {}, 3, "WaveIn-Open Unsupported audio format."},
        {"buffer smaller than a block", [](auto&, TACMIn& c) { c.SetBufferSize(64); }, 0,
         "WaveIn-PrepareHeader At least one parameter is invalid."},
        {"device will not start", [](auto& a, auto&) { a.startFails = true; }, 0,
         "WaveIn-Start The specified resource is already in use."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeAudioSystem fresh(clock);
        TACMIn component(fresh, nullptr, gsmOnly);
        c.arrange(fresh, component);
        try {
            component.Open(*MakeCodecFormat(c.codec), {});
            ADD_FAILURE() << "opened";
        } catch (const EACMIn& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_FALSE(component.Active());
    }
    EXPECT_EQ(AudioErrorMessage("WaveIn-AddBuffer", 514),
              "WaveIn-AddBuffer Cannot perform this action on a header that has not been prepared.");
    EXPECT_EQ(AudioErrorMessage("WaveIn-Open", 99), "WaveIn-Open raised an unknown error (code #99)");
}

TEST_F(CaptureFixture, AHandlerMayCloseAndReopenFromInsideItsDelivery) {
    const CodecFormat gsm = *MakeCodecFormat(0);
    capture.SetBufferSize(130); // two blocks, 80 ms
    int reopenAfter = 2;
    capture.OnBufferFull = [&](TACMIn& sender, const std::uint8_t* data, int size) {
        deliveries.push_back({clock.tickCount(), {data, data + size}});
        sender.Close();
        if (--reopenAfter > 0)
            sender.Open(gsm, "again");
    };
    capture.Open(gsm, "mic");
    audio.Run(clock, 1000, 50); // each pump fills more than one buffer
    EXPECT_EQ(deliveries.size(), 2u) << "one buffer per open: the rest of a closed open is dropped";
    EXPECT_FALSE(capture.Active());
    EXPECT_EQ(audio.capturedDevice, "again");
    QCoreApplication::processEvents(); // the closed devices go now, outside their delivery
    capture.Open(gsm, "mic");
    audio.Run(clock, 200, 10);
    EXPECT_EQ(deliveries.size(), 3u);
}

TEST_F(CaptureFixture, PcmIsCapturedFromTheChosenDeviceAsItIs) {
    ORV_ASSERT_TOOLS_RAN(Hear(Pcm8k()));
    capture.SetBufferSize(1601); // 800 samples: whole samples only
    capture.Open(Pcm8k(), "usb-mic");
    audio.Run(clock, 1000, 10);
    EXPECT_EQ(audio.capturedDevice, "usb-mic");
    ASSERT_EQ(deliveries.size(), 10u);
    for (std::size_t k = 0; k < deliveries.size(); ++k) {
        ASSERT_EQ(deliveries[k].bytes.size(), 1600u);
        EXPECT_EQ(std::memcmp(deliveries[k].bytes.data(), audio.signal.data() + k * 800, 1600), 0);
    }
}

TEST_F(CaptureFixture, TheCapturedSignalIsCleanedOfTheLoudspeakersEchoBeforeCompression) {
    ORV_ASSERT_TOOLS_RAN(Hear(Pcm8k()));
    // The microphone hears the loudspeakers at half strength 4 ms later; the loudspeakers play each piece
    // just before the microphone takes it in.
    const std::vector<std::int16_t> speech = audio.signal;
    std::vector<std::int16_t> echo(speech.size(), 0);
    for (std::size_t i = 32; i < speech.size(); ++i)
        echo[i] = std::int16_t(speech[i - 32] / 2);
    audio.signal = echo;
    FarEndSignal farEnd(speech.size());
    farEnd.Played(speech);

    capture.SetCleaning({true, false}, &farEnd);
    capture.SetBufferSize(16000);
    capture.Open(Pcm8k(), {});
    audio.Run(clock, int(speech.size() / 8), 10);
    std::vector<std::int16_t> sent;
    for (const Delivery& d : deliveries)
        for (std::size_t i = 0; i + 1 < d.bytes.size(); i += 2)
            sent.push_back(std::int16_t(d.bytes[i] | d.bytes[i + 1] << 8));
    ASSERT_GT(sent.size(), 5u * 8000);
    const std::size_t from = 3 * 8000;
    // Far less echo leaves than came in (the canceller's own measure is in VoiceCleanerTest).
    EXPECT_GT(Decibels(Power(echo, from, sent.size()) / Power(sent, from, sent.size())), 15);
}
