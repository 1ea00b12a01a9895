#pragma once
// What a video stream's threads post to its session.

namespace orv::VideoMsg {

constexpr int JoinRefused = 36; // result code, 0: the service refused a broadcaster's sign-on
constexpr int StreamState = 37;
constexpr int Frame = 38;
constexpr int Preview = 39; // 0, 0: a captured frame is ready for the preview

} // namespace orv::VideoMsg
