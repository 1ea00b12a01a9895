#pragma once
// What the player thread and the recorder control post to the main window and to the player window.

namespace orv {

namespace MainMsg {
constexpr int RecorderState = 35;  // state, code
constexpr int PlaybackLayout = 50; // 0, 0
} // namespace MainMsg

namespace PlayerMsg {
constexpr int Progress = 26;
constexpr int Position = 27;
constexpr int Stopped = 29;
constexpr int PlayingOrFast = 40;
constexpr int Buffering = 41;
} // namespace PlayerMsg

} // namespace orv
