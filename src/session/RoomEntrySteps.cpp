#include "session/RoomEntrySteps.h"

#include <QtGlobal>

#include <array>

namespace orv {
namespace {

using S = TRoomEntryStep;
constexpr const char* kLoadingBoards =
    QT_TRANSLATE_NOOP("orv::TRoomEntrySequence", "Loading whiteboards... Please wait...");

constexpr std::array<TRoomEntryStepInfo, 21> kTable = {{
    {S::ResetRoomState, -1, nullptr, false},
    {S::ShowChatPane, -1, nullptr, false},
    {S::Participants, 10, QT_TRANSLATE_NOOP("orv::TRoomEntrySequence", "Getting participants..."), false},
    {S::Rights, 11, QT_TRANSLATE_NOOP("orv::TRoomEntrySequence", "Getting Virtual Room Info..."), false},
    {S::Voice, 12, QT_TRANSLATE_NOOP("orv::TRoomEntrySequence", "Starting audio services..."), false},
    {S::ChatPane, -1, nullptr, true},
    {S::Boards, 14, kLoadingBoards, true},
    {S::LastBoard, 14, kLoadingBoards, true},
    {S::CurrentBoard, -1, nullptr, true},
    {S::WebTourAddress, -1, nullptr, true},
    {S::CurrentView, -1, nullptr, true},
    {S::RecorderTools, -1, nullptr, true},
    {S::WelcomePage, -1, nullptr, true},
    {S::SharingState, -1, nullptr, true},
    {S::ParticipantStates, -1, nullptr, true},
    {S::ChatPermissions, -1, nullptr, true},
    {S::LinkUp, -1, nullptr, true},
    {S::BringToFront, -1, nullptr, true},
    {S::ChatPermissionsMenu, -1, nullptr, true},
    {S::DelayTimer, -1, nullptr, true},
    {S::SpeedNotice, -1, nullptr, true},
}};

} // namespace

std::span<const TRoomEntryStepInfo> RoomEntryStepTable() {
    return kTable;
}

void TRoomEntrySteps::Add(TRoomEntryStep step, Action action) {
    m_actions.emplace_back(step, std::move(action));
}

std::vector<TRoomEntrySteps::Action> TRoomEntrySteps::ActionsOf(TRoomEntryStep step) const {
    std::vector<Action> actions;
    for (const auto& [s, action] : m_actions)
        if (s == step)
            actions.push_back(action);
    return actions;
}

} // namespace orv
