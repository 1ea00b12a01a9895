#include "session/RoomEntrySteps.h"

#include <QtGlobal>

#include <array>

namespace orv {
namespace {

using Step = TRoomEntryStep;
constexpr const char* kLoadingBoards =
    QT_TRANSLATE_NOOP("orv::TRoomEntrySequence", "Loading whiteboards... Please wait...");

constexpr std::array<TRoomEntryStepInfo, 21> kTable = {{
    {Step::ResetRoomState, -1, nullptr, false},
    {Step::ShowChatPane, -1, nullptr, false},
    {Step::Participants, 10, QT_TRANSLATE_NOOP("orv::TRoomEntrySequence", "Getting participants..."), false},
    {Step::Rights, 11, QT_TRANSLATE_NOOP("orv::TRoomEntrySequence", "Getting Virtual Room Info..."), false},
    {Step::Voice, 12, QT_TRANSLATE_NOOP("orv::TRoomEntrySequence", "Starting audio services..."), false},
    {Step::ChatPane, -1, nullptr, true},
    {Step::Boards, 14, kLoadingBoards, true},
    {Step::LastBoard, 14, kLoadingBoards, true},
    {Step::CurrentBoard, -1, nullptr, true},
    {Step::WebTourAddress, -1, nullptr, true},
    {Step::CurrentView, -1, nullptr, true},
    {Step::RecorderTools, -1, nullptr, true},
    {Step::WelcomePage, -1, nullptr, true},
    {Step::SharingState, -1, nullptr, true},
    {Step::ParticipantStates, -1, nullptr, true},
    {Step::ChatPermissions, -1, nullptr, true},
    {Step::LinkUp, -1, nullptr, true},
    {Step::BringToFront, -1, nullptr, true},
    {Step::ChatPermissionsMenu, -1, nullptr, true},
    {Step::DelayTimer, -1, nullptr, true},
    {Step::SpeedNotice, -1, nullptr, true},
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
