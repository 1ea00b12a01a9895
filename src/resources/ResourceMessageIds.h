#pragma once
// What the transfer threads and the library post to the main window and to the documents and images
// windows.

namespace orv {

namespace MainMsg {
constexpr int PresentationDeleted = 3;   // result code, 0
constexpr int PresentationUploaded = 42; // 0, 0
} // namespace MainMsg

// The documents and images windows.
namespace ResourceListMsg {
constexpr int DeleteReply = 3; // result code, 0
constexpr int UploadDone = 4;  // 0, 0
} // namespace ResourceListMsg

} // namespace orv
