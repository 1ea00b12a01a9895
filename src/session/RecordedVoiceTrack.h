#pragma once
// Recorded voice made into one sound track instead of played: each frame is decoded where the replay stands
// (a speaker's frames follow one another without a gap, as a player would play them) and mixed with the
// other speakers'.

#include "session/RecordedVoice.h"

#include <cstdint>
#include <vector>

namespace orv {

class IRecordedVoiceTrack : public IRecordedVoice {
public:
    // Samples per second of the track, signed 16-bit mono; known after Begin.
    virtual int SampleRate() const = 0;
    // The mixed track from where the last call ended up to `untilMs` of the replay; silence where nobody
    // spoke.
    virtual std::vector<std::int16_t> TakeUntil(std::int64_t untilMs) = 0;
    // Where the last speech queued so far ends, in milliseconds of the replay.
    virtual std::int64_t EndMs() const = 0;
};

} // namespace orv
