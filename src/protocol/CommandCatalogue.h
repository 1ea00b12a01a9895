#pragma once
// Every command code the client uses, with its name, direction, connection and shared-handler group.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orv {

enum TCommandCode : std::uint16_t {
#define ORV_COMMAND(code, name, direction, connection, group, playback) name = code,
#include "protocol/CommandTable.def"
#undef ORV_COMMAND
};

// Codes are below this limit; anything at or above it is unused.
constexpr std::uint16_t kCommandCodeLimit = 133;

enum class TCommandDirection { ToServer, FromServer, Both };
enum class TCommandConnection { Control, Voice, Video, Bulk, Download };
// Codes in one group share one handler, which branches on the code.
enum class THandlerGroup {
    None,
    Chat,
    PushedResource,
    DeleteReply,
    MicrophoneRight,
    BoardRight,
    ShowBoard,
    Recorder,
    VideoBroadcast,
    PublicBoardContent,
    ChatPermissions,
};

struct TCommandInfo {
    std::uint16_t code;
    std::string_view name;
    TCommandDirection direction;
    TCommandConnection connection;
    THandlerGroup group;
    bool playbackPath; // replayed recordings take a playback path instead of the live handler
};

std::span<const TCommandInfo> AllCommands();
// Empty for a code the client does not use.
std::optional<TCommandInfo> FindCommand(std::uint16_t code);
// The name, or "cm?<code>" for an unused code.
std::string CommandName(std::uint16_t code);

} // namespace orv
