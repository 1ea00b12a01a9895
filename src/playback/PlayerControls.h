#pragma once
// The player window as the playback module sees it, and what its controls ask for.

#include <cstdint>
#include <functional>

namespace orv {

// What the player window's controls ask for.
struct TPlayerCallbacks {
    std::function<void()> play;
    std::function<void()> pause;
    std::function<void()> stop;
    std::function<void(bool on)> fullScreen;
    std::function<void(std::int32_t index)> seek;
    std::function<void(int percent)> volume;
};

// The floating player window as the module sees it.
class IPlayerWindow {
public:
    virtual ~IPlayerWindow() = default;
    virtual void SetCallbacks(TPlayerCallbacks callbacks) = 0;
    // Shown stay-on-top at the top-right corner of the work area, or the bottom-right corner of the screen.
    virtual void ShowAtCorner(bool top) = 0;
    virtual void Refresh(std::int64_t elapsedMs) = 0;
    virtual void ShowVolume(int percent, bool readable) = 0;
    virtual void SetPlaying(bool playing) = 0;
};

} // namespace orv
