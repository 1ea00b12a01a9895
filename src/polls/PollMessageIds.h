#pragma once
// What the polls post to the main window.

namespace orv::MainMsg {

constexpr int PollReceived = 15; // 0, 0

} // namespace orv::MainMsg
