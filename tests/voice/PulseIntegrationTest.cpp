// The sound system layers against a real PulseAudio server that the test starts (a null sink whose monitor
// is the default input): the device lists Qt reports, a tone played on the output coming back through
// capture, and the mixer's volumes as pactl sees them. The one place where audio runs in real time.
#include "platform/QtAudioSystem.h"
#include "platform/SystemMixer.h"
#include "platform/TonePlayer.h"
#include "support/EventPump.h"
#include "support/Prerequisites.h"
#include "support/PulseServer.h"
#include "voice/ACMIn.h"
#include "voice/AudioDeviceList.h"
#include "voice/CodecCatalogue.h"
#include "voice/MixerOperations.h"

#include <gtest/gtest.h>

#include <QThread>

#include <cmath>
#include <numbers>

using namespace orv;
using namespace orv::test;

namespace {

// Share of the signal's power at `frequency` (Goertzel), 0..1.
double ToneShare(const std::vector<std::int16_t>& s, double frequency, int rate) {
    const double w = 2 * std::numbers::pi * frequency / rate;
    double s1 = 0, s2 = 0, total = 0;
    for (const std::int16_t x : s) {
        const double s0 = x + 2 * std::cos(w) * s1 - s2;
        s2 = s1;
        s1 = s0;
        total += double(x) * x;
    }
    const double power = s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2;
    return total > 0 ? 2 * power / (double(s.size()) * total) : 0;
}

// A pactl volume line's first percentage.
int Percent(const QString& pactlOutput) {
    const qsizetype at = pactlOutput.indexOf('%');
    qsizetype from = at;
    while (from > 0 && pactlOutput[from - 1].isDigit())
        --from;
    return at < 0 ? -1 : pactlOutput.mid(from, at - from).toInt();
}

class PulseIntegration : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = new PulseServer;
        if (!server->Start(tools)) {
            delete server;
            server = nullptr;
        }
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    void SetUp() override { ORV_ASSERT_TOOLS_RAN(tools); }

    static inline PulseServer* server = nullptr;
    static inline ToolCheck tools;
};

TEST_F(PulseIntegration, TheListsShowTheServersDevicesEachLineOpeningItsOwn) {
    QtAudioSystem audio;
    const AudioDeviceList inputs = ListInputDevices(audio);
    const AudioDeviceList outputs = ListOutputDevices(audio);
    const auto line = [](const AudioDeviceList& list, const QByteArray& id) {
        for (int i = 0; i < list.lines.size(); ++i)
            if (list.DeviceAt(i) == id)
                return i;
        return -1;
    };
    EXPECT_GT(line(inputs, "loopmic"), 0) << inputs.lines.join(", ").toStdString();
    EXPECT_GT(line(outputs, "nullsink"), 0) << outputs.lines.join(", ").toStdString();
    EXPECT_EQ(inputs.lines.size(), qsizetype(inputs.devices.size()));
}

TEST_F(PulseIntegration, WhatIsPlayedComesBackCompressedInWholeBlocksOnTheCreatingThread) {
    QtAudioSystem audio;
    TACMIn capture(audio);
    capture.SetCleaning({false, false}, nullptr);
    capture.SetBufferSize(812);
    capture.SetNumBuffers(2);
    std::vector<std::vector<std::uint8_t>> buffers;
    bool onCreatingThread = true;
    capture.OnBufferFull = [&](TACMIn&, const std::uint8_t* data, int size) {
        onCreatingThread = onCreatingThread && QThread::currentThread() == capture.thread();
        buffers.emplace_back(data, data + size);
    };
    const CodecFormat gsm = *MakeCodecFormat(0);
    capture.Open(gsm, {});
    TAudioTonePlayer beeper(audio);
    beeper.Beep(1000, 3000);
    // Real time: the third half second is well inside the tone.
    ASSERT_TRUE(pumpUntil([&] { return buffers.size() >= 3; }));
    capture.Close();
    EXPECT_TRUE(onCreatingThread);
    for (const auto& b : buffers)
        EXPECT_EQ(b.size(), 780u);

    const auto decoder = CodecRegistry::Installed().NewDecoder(gsm);
    std::vector<std::int16_t> heard(12 * 320);
    for (std::size_t block = 0; block < 12; ++block)
        decoder->Decode(std::span(buffers[2]).subspan(block * 65, 65),
                        std::span(heard).subspan(block * 320, 320));
    EXPECT_GT(ToneShare(heard, 1000, 8000), 0.8);
}

TEST_F(PulseIntegration, TheMixerSetsAndReadsTheServersVolumes) {
    SystemMixer mixer;
    QString output, error;
    ASSERT_TRUE(SetSpeakerVolume(mixer, "", 32768));
    ASSERT_TRUE(server->Pactl({"get-sink-volume", "nullsink"}, output, error)) << error.toStdString();
    EXPECT_EQ(Percent(output), 50) << output.toStdString();
    ASSERT_TRUE(server->Pactl({"set-source-volume", "loopmic", "25%"}, output, error)) << error.toStdString();
    std::uint16_t level = 0;
    ASSERT_TRUE(GetMicrophoneVolume(mixer, "loopmic", level));
    EXPECT_NEAR(level, 16384, 1);
    EXPECT_TRUE(SetMicrophoneVolume(mixer, "", 65535));
    ASSERT_TRUE(server->Pactl({"get-source-volume", "loopmic"}, output, error)) << error.toStdString();
    EXPECT_EQ(Percent(output), 100);

    // A null sink has no sound card behind it, so there is no boost to read.
    std::int32_t boost = 7;
    EXPECT_FALSE(GetMicrophoneBoost(mixer, "", boost));
    EXPECT_EQ(boost, 7);
    EXPECT_FALSE(GetSpeakerVolume(mixer, "no-such-sink", level));
}

} // namespace
