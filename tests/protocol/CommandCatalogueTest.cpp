#include "protocol/CommandCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace orv {
namespace {

TEST(CommandCatalogue, CodesAreUniqueAndTheUnusedOnesAbsent) {
    std::set<std::uint16_t> codes;
    std::set<std::string_view> names;
    for (const auto& c : AllCommands()) {
        EXPECT_TRUE(codes.insert(c.code).second) << c.code;
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        EXPECT_LT(c.code, kCommandCodeLimit);
    }
    const std::uint16_t unused[] = {0,  3,  8,  10, 14, 26, 45, 46, 47, 48,  59,
                                    67, 68, 69, 70, 71, 73, 76, 77, 78, 116, 123};
    for (auto code : unused)
        EXPECT_FALSE(FindCommand(code)) << code;
    EXPECT_EQ(codes.size() + std::size(unused), 133u);
    EXPECT_FALSE(FindCommand(133));
    EXPECT_FALSE(FindCommand(0xFFFF));
}

TEST(CommandCatalogue, NamesAndAttributesComeFromTheOneTable) {
    EXPECT_EQ(cmHeartbeat, 57);
    EXPECT_EQ(CommandName(cmEnterRoom), "cmEnterRoom");
    EXPECT_EQ(CommandName(47), "cm?47");
    EXPECT_EQ(FindCommand(cmVoiceOut)->connection, TCommandConnection::Voice);
    EXPECT_EQ(FindCommand(cmVoiceOut)->direction, TCommandDirection::ToServer);
    EXPECT_EQ(FindCommand(cmProbe)->direction, TCommandDirection::FromServer);
    EXPECT_TRUE(FindCommand(cmLoadBoard)->playbackPath);
    EXPECT_FALSE(FindCommand(cmPushWebLink)->playbackPath);
}

TEST(CommandCatalogue, SharedHandlerGroups) {
    std::map<THandlerGroup, std::set<std::uint16_t>> groups;
    for (const auto& c : AllCommands())
        if (c.group != THandlerGroup::None)
            groups[c.group].insert(c.code);
    const std::map<THandlerGroup, std::set<std::uint16_t>> expected = {
        {THandlerGroup::PushedResource, {30, 31, 32, 53}},
        {THandlerGroup::DeleteReply, {38, 39, 40, 58}},
        {THandlerGroup::MicrophoneRight, {41, 43}},
        {THandlerGroup::BoardRight, {42, 44}},
        {THandlerGroup::ShowBoard, {81, 82}},
        {THandlerGroup::Recorder, {96, 97, 98}},
        {THandlerGroup::VideoBroadcast, {107, 108}},
        {THandlerGroup::PublicBoardContent, {126, 127}},
        {THandlerGroup::ChatPermissions, {128, 129}},
        {THandlerGroup::Chat, {4, 5, 130, 131}},
    };
    EXPECT_EQ(groups, expected);
}

} // namespace
} // namespace orv
