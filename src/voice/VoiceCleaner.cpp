#include "voice/VoiceCleaner.h"

#include <speex/speex_echo.h>
#include <speex/speex_preprocess.h>

#include <algorithm>
#include <vector>

namespace orv {
namespace {

// How long an echo the canceller follows: the room's reverberation plus the delay between handing a
// sound to the output and hearing it in the input.
constexpr int kTailMs = 300;

} // namespace

VoiceCleaner::VoiceCleaner(int sampleRate, VoiceCleaning cleaning, FarEndSignal* farEnd)
    : m_frameSamples(sampleRate / 50), m_cleaning(cleaning), m_farEnd(farEnd) {
    if (!cleaning.any())
        return;
    if (cleaning.echoCancellation) {
        m_echo = speex_echo_state_init(m_frameSamples, sampleRate * kTailMs / 1000);
        int rate = sampleRate;
        speex_echo_ctl(m_echo, SPEEX_ECHO_SET_SAMPLING_RATE, &rate);
    }
    m_preprocess = speex_preprocess_state_init(m_frameSamples, sampleRate);
    int denoise = cleaning.noiseSuppression ? 1 : 0;
    speex_preprocess_ctl(m_preprocess, SPEEX_PREPROCESS_SET_DENOISE, &denoise);
    // The echo canceller's estimate of what it left behind lets the preprocessor remove that too.
    speex_preprocess_ctl(m_preprocess, SPEEX_PREPROCESS_SET_ECHO_STATE, m_echo);
}

VoiceCleaner::~VoiceCleaner() {
    if (m_preprocess)
        speex_preprocess_state_destroy(m_preprocess);
    if (m_echo)
        speex_echo_state_destroy(m_echo);
}

void VoiceCleaner::Process(std::span<std::int16_t> frame) {
    if (!m_cleaning.any())
        return;
    if (m_echo) {
        std::vector<spx_int16_t> far(std::size_t(m_frameSamples), 0);
        if (m_farEnd)
            m_farEnd->Take(far);
        std::vector<spx_int16_t> near(frame.begin(), frame.end());
        speex_echo_cancellation(m_echo, near.data(), far.data(), frame.data());
    }
    speex_preprocess_run(m_preprocess, frame.data());
}

} // namespace orv
