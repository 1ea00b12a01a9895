#pragma once
// Every application message number, by the window that receives it. Numbers repeat per window with
// different meanings, so routing is by target and number. What one subsystem tells others on the main thread
// goes as a typed room event instead (session/RoomEvents.h); numbers that fell out of use are not reused.

namespace orv {

// The main window.
namespace MainMsg {
constexpr int PictureDownloaded = 1;     // participant, 0 success / 1 failure
constexpr int PresentationDeleted = 3;   // result code, 0
constexpr int MicrophoneRefused = 5;     // 0, result code
constexpr int AcknowledgeContent = 8;    // presenter, 0
constexpr int PollReceived = 15;         // 0, 0
constexpr int OnlineStatus = 16;         // participant, status byte
constexpr int WebTourLeft = 18;          // participant, 0
constexpr int RoomEntered = 20;          // result code, 0
constexpr int RoomListLoaded = 21;       // result code, 0
constexpr int Unused22 = 22;             // does nothing
constexpr int BoardGranted = 23;         // 0, 0
constexpr int BoardLoading = 24;         // board number, item count
constexpr int FlashTaskbar = 25;         // nonzero starts, 0 stops
constexpr int UplinkProgress = 28;       // bytes, milliseconds
constexpr int RecorderState = 35;        // state, code
constexpr int PresentationUploaded = 42; // 0, 0
constexpr int ParticipantJoined = 45;    // participant, 0
constexpr int VoiceLinkState = 46;       // 0 connected, 1..5 failure kinds
constexpr int LinkState = 47;            // link state value, 0
constexpr int Unused48 = 48;             // does nothing
constexpr int CodecChangeRefused = 49;   // result code, 0
constexpr int PlaybackLayout = 50;       // 0, 0
constexpr int PushToTalkKey = 51;        // virtual key, key flags
constexpr int ChatPermissions = 53;      // permission level, 0
constexpr int Unused54 = 54;             // does nothing
constexpr int MicrophoneLevel = 56;      // the own microphone's level 0..100 while on the air, 0
} // namespace MainMsg

// Values carried by MainMsg::LinkState.
namespace LinkStateValue {
constexpr int Up = 0;
constexpr int ReaderEnded = 1;
constexpr int HeartbeatFailed = 2;
constexpr int VoiceReconnectAgreed = 3;
constexpr int RoomEntryRefused = 4;
constexpr int WriteFailed = 5;
} // namespace LinkStateValue

namespace PersonalInfoMsg {
constexpr int PictureDownloaded = 1; // participant, 0 or 1
}

// Documents, images and web links windows.
namespace ResourceListMsg {
constexpr int DeleteReply = 3;   // result code, 0
constexpr int UploadDone = 4;    // 0, 0 (documents, images)
constexpr int AddLinkReply = 17; // result code, 0 (web links)
} // namespace ResourceListMsg

namespace BoardMsg {
constexpr int PermissionRefused = 5; // the whiteboard refused: an error box
constexpr int UploadDone = 10;       // does nothing
constexpr int AccessGranted = 12;    // public-board access granted: an information box
constexpr int CreateTextBox = 14;    // (x, y): a text box at that board point
constexpr int TextBoxEnded = 19; // (_, cancel): the open text box ends, committed unless cancel is nonzero
constexpr int TextBoxEnter = 44; // (0, _): Enter in the text box commits and closes it
} // namespace BoardMsg

namespace PlayerMsg {
constexpr int Progress = 26;
constexpr int Position = 27;
constexpr int Nothing28 = 28;
constexpr int Stopped = 29;
constexpr int PlayingOrFast = 40;
constexpr int Buffering = 41;
constexpr int ReleaseLock = 52;
} // namespace PlayerMsg

namespace VideoMsg {
constexpr int JoinRefused = 36; // result code, 0: the service refused a broadcaster's sign-on
constexpr int Preview = 39;     // 0, 0: a captured frame is ready for the preview
constexpr int StreamState = 37;
constexpr int Frame = 38;
} // namespace VideoMsg

namespace SharingViewerMsg {
constexpr int Nothing30 = 30;
constexpr int Notice32 = 32;
constexpr int Notice33 = 33;
constexpr int RemoteControl = 34;
} // namespace SharingViewerMsg

namespace ExportMsg {
constexpr int Status = 9; // 0 or count, stage 1 to 7
}

} // namespace orv
