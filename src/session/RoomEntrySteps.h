#pragma once
// The room entry sequence as one ordered table of steps. A module adds what it does at a step; the sequence
// runs the steps in table order, showing each step's progress text whether or not a module acts on it yet.

#include <QString>

#include <functional>
#include <span>
#include <vector>

namespace orv {

enum class TRoomEntryStep {
    ResetRoomState,      // rights, board holder, boards and roster start afresh
    ShowChatPane,        //
    Participants,        // request the participant list
    Rights,              // derive the user's rights from the account and room roles
    Voice,               // open the voice link
    ChatPane,            // the chat pane's state for the new room
    Boards,              // request boards 1 to 4
    LastBoard,           // request board 5
    CurrentBoard,        // report the current board
    WebTourAddress,      // request the guided tour's address
    CurrentView,         // request the main view everybody sees
    RecorderTools,       // moderators of a recording room see the recorder tools
    WelcomePage,         // the room's welcome page
    SharingState,        // request the application sharing state
    ParticipantStates,   // request every participant's states
    ChatPermissions,     // request the chat permissions
    LinkUp,              // report the link as up
    BringToFront,        // raise the main window
    ChatPermissionsMenu, // moderators see the chat permissions menu
    DelayTimer,          // start the input delay meter
    SpeedNotice,         // tell about a default connection speed
};

struct TRoomEntryStepInfo {
    TRoomEntryStep step;
    int progress;         // the progress bar position shown before the step, or -1
    const char* activity; // the progress text
    bool guarded;         // from the first guarded step on, an error ends the sequence quietly
};

// Every step, in the order the sequence runs them.
std::span<const TRoomEntryStepInfo> RoomEntryStepTable();

// What the modules do at each step, collected once per session.
class TRoomEntrySteps {
public:
    using Action = std::function<void()>;

    void Add(TRoomEntryStep step, Action action);
    // The actions of one step, in the order the modules added them.
    std::vector<Action> ActionsOf(TRoomEntryStep step) const;

private:
    std::vector<std::pair<TRoomEntryStep, Action>> m_actions;
};

} // namespace orv
