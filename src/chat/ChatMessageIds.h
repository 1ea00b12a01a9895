#pragma once
// What the chat posts to the main window.

namespace orv::MainMsg {

constexpr int ChatPermissions = 53; // permission level, 0

} // namespace orv::MainMsg
