#pragma once
// What the whiteboard posts to the main window and to the board window.

namespace orv {

namespace MainMsg {
constexpr int BoardGranted = 23; // 0, 0
constexpr int BoardLoading = 24; // board number, item count
} // namespace MainMsg

namespace BoardMsg {
constexpr int PermissionRefused = 5; // the whiteboard refused: an error box
constexpr int UploadDone = 10;       // does nothing
constexpr int AccessGranted = 12;    // public-board access granted: an information box
constexpr int CreateTextBox = 14;    // (x, y): a text box at that board point
constexpr int TextBoxEnded = 19; // (_, cancel): the open text box ends, committed unless cancel is nonzero
constexpr int TextBoxEnter = 44; // (0, _): Enter in the text box commits and closes it
} // namespace BoardMsg

} // namespace orv
