#pragma once
// What the voice threads, the desktop-wide key hook and the voice module post to the main window.

namespace orv::MainMsg {

constexpr int MicrophoneRefused = 5;   // 0, result code
constexpr int VoiceLinkState = 46;     // 0 connected, 1..5 failure kinds
constexpr int CodecChangeRefused = 49; // result code, 0
constexpr int PushToTalkKey = 51;      // virtual key, key flags
constexpr int MicrophoneLevel = 56;    // the own microphone's level 0..100 while on the air, 0

} // namespace orv::MainMsg
