#pragma once
// What the participant list's handlers post to the main window.

namespace orv::MainMsg {

constexpr int OnlineStatus = 16;      // participant, status byte
constexpr int ParticipantJoined = 45; // participant, 0

} // namespace orv::MainMsg
