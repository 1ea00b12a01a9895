#pragma once
// What the web tour posts to the main window and to its web links list.

namespace orv {

namespace MainMsg {
constexpr int WebTourLeft = 18; // participant, 0
} // namespace MainMsg

// The web links list.
namespace WebLinksMsg {
constexpr int DeleteReply = 3;   // result code, 0
constexpr int AddLinkReply = 17; // result code, 0
} // namespace WebLinksMsg

} // namespace orv
