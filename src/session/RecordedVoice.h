#pragma once
// Where a replayed recording's voice frames go. The voice subsystem plays them; until one is handed to the
// player, recorded voice is dropped. Called on the player's thread, never on the main thread.

#include <QByteArrayView>

#include <cstdint>

namespace orv {

class IRecordedVoice {
public:
    virtual ~IRecordedVoice() = default;
    // Playback of a recording starts; its room speaks with this codec (catalogue index).
    virtual void Begin(std::int32_t codecIndex) = 0;
    // One recorded frame of `speaker`, as the voice connection carried it.
    virtual void PlayFrame(std::uint16_t speaker, QByteArrayView frame) = 0;
    // Playback stopped or jumps: whatever is queued is dropped.
    virtual void End() = 0;
};

} // namespace orv
