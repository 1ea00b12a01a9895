// The broadcast's choice of captured frames: the stream's rate whatever the camera's, nothing compressed for
// a full queue, and a key frame after every loss.
#include "video/FrameGate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orv {
namespace {

// Frames admitted in ten seconds from a camera at `cameraFps`, starting near the tick counter's wrap.
int AdmittedInTenSeconds(double cameraFps, int streamFps) {
    TFrameGate gate(streamFps);
    const std::uint32_t start = 0xFFFFF000u;
    int admitted = 0;
    for (int k = 0; k * 1000.0 / cameraFps < 10000; ++k)
        admitted += gate.Admit(start + std::uint32_t(std::lround(k * 1000.0 / cameraFps)), false) ? 1 : 0;
    return admitted;
}

TEST(FrameGate, TakesTheStreamsRateWhateverTheCameraDelivers) {
    const struct Case {
        double camera;
        int stream;
        int admitted; // in ten seconds
    } cases[] = {
        {30, 15, 150},    {60, 15, 150}, {25, 15, 150}, {20, 15, 150},
        {29.97, 15, 150}, {30, 3, 30},   {30, 30, 300}, {10, 15, 100}, // a slower camera gives what it has
    };
    for (const Case& c : cases)
        EXPECT_NEAR(AdmittedInTenSeconds(c.camera, c.stream), c.admitted, 1)
            << c.camera << " for " << c.stream;
}

TEST(FrameGate, AFullQueueLosesTheFrameBeforeItIsCompressedAndTheNextOneIsAKeyFrame) {
    TFrameGate gate(15);
    EXPECT_TRUE(gate.Admit(0, false));
    EXPECT_FALSE(gate.TakeKeyFrameNeed());
    EXPECT_FALSE(gate.Admit(67, true)) << "the queue is full";
    EXPECT_FALSE(gate.Admit(100, false)) << "not yet due: skipped, not lost";
    EXPECT_TRUE(gate.Admit(133, false));
    EXPECT_TRUE(gate.TakeKeyFrameNeed()) << "the first frame after the loss";
    EXPECT_FALSE(gate.TakeKeyFrameNeed()) << "and only that one";

    gate.Lost(); // compressed, but the queue filled in between
    EXPECT_TRUE(gate.Admit(200, false));
    EXPECT_TRUE(gate.TakeKeyFrameNeed());

    // A camera that paused starts afresh instead of catching up in a burst.
    EXPECT_TRUE(gate.Admit(5000, false));
    EXPECT_FALSE(gate.Admit(5033, false));
    EXPECT_TRUE(gate.Admit(5067, false));
}

} // namespace
} // namespace orv
