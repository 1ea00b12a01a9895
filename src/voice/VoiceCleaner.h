#pragma once
// Cleans the captured signal before it is compressed: cancels the echo of what the loudspeakers play (the
// far end) and suppresses steady background noise, with speexdsp. Users of classroom voice expect that a
// participant without headphones does not echo everyone back.

#include "voice/FarEndSignal.h"

#include <cstdint>
#include <span>

struct SpeexEchoState_;
struct SpeexPreprocessState_;

namespace orv {

struct VoiceCleaning {
    bool echoCancellation = true;
    bool noiseSuppression = true;

    bool any() const { return echoCancellation || noiseSuppression; }
};

class VoiceCleaner {
public:
    // `farEnd` may be null: the loudspeakers are then taken to be silent.
    VoiceCleaner(int sampleRate, VoiceCleaning cleaning, FarEndSignal* farEnd);
    ~VoiceCleaner();
    VoiceCleaner(const VoiceCleaner&) = delete;
    VoiceCleaner& operator=(const VoiceCleaner&) = delete;

    // Frames of 20 ms.
    int FrameSamples() const { return m_frameSamples; }
    // Cleans one frame of FrameSamples captured samples in place.
    void Process(std::span<std::int16_t> frame);

private:
    int m_frameSamples;
    VoiceCleaning m_cleaning;
    FarEndSignal* m_farEnd;
    SpeexEchoState_* m_echo = nullptr;
    SpeexPreprocessState_* m_preprocess = nullptr;
};

} // namespace orv
