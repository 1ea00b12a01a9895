#include "protocol/CommandCatalogue.h"

#include <array>
#include <string>

namespace orv {
namespace {

using enum TCommandDirection;
using enum TCommandConnection;
using enum THandlerGroup;

constexpr TCommandInfo kCommands[] = {
#define ORV_COMMAND(code, name, direction, connection, group, playback)                                      \
    TCommandInfo{code, #name, direction, connection, group, playback},
#include "protocol/CommandTable.def"
#undef ORV_COMMAND
};

constexpr auto kByCode = [] {
    std::array<int, kCommandCodeLimit> index{};
    index.fill(-1);
    for (int i = 0; i < int(std::size(kCommands)); ++i)
        index[kCommands[i].code] = i;
    return index;
}();

} // namespace

std::span<const TCommandInfo> AllCommands() {
    return kCommands;
}

std::optional<TCommandInfo> FindCommand(std::uint16_t code) {
    if (code >= kCommandCodeLimit || kByCode[code] < 0)
        return std::nullopt;
    return kCommands[kByCode[code]];
}

std::string CommandName(std::uint16_t code) {
    if (auto info = FindCommand(code))
        return std::string(info->name);
    return "cm?" + std::to_string(code);
}

} // namespace orv
