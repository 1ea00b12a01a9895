#pragma once
// What the control connection's threads and the sign-in exchange post to the main window. Every subsystem
// keeps its own main-window numbers beside its code; the numbers are unique across them (a test checks).

namespace orv {

namespace MainMsg {
constexpr int RoomEntered = 20;    // result code, 0
constexpr int RoomListLoaded = 21; // result code, 0
constexpr int UplinkProgress = 28; // bytes, milliseconds
constexpr int LinkState = 47;      // a LinkStateValue, 0
} // namespace MainMsg

namespace LinkStateValue {
constexpr int Up = 0;
constexpr int ReaderEnded = 1;
constexpr int HeartbeatFailed = 2;
constexpr int VoiceReconnectAgreed = 3;
constexpr int RoomEntryRefused = 4;
constexpr int WriteFailed = 5;
} // namespace LinkStateValue

} // namespace orv
