#pragma once
// What happens when the server answers a room entry: a refusal goes back to the room list (or ends a join
// link's run); an entry runs every module's room entry steps in the table's order.

#include "session/RoomEntrySteps.h"

#include <QString>

namespace orv {

class IDialogs;
class IMessageSink;
class IProgress;
struct TSessionState;

// The program around the sequence.
class IRoomEntryShell {
public:
    virtual ~IRoomEntryShell() = default;
    virtual IDialogs& Dialogs() = 0;
    virtual IProgress& Progress() = 0;
    // The main window, sized to the screen's work area, shown.
    virtual void ShowMainWindow() = 0;
    virtual void CloseMainWindow() = 0;
    virtual void StartSessionClock() = 0;
    virtual void SetRoomPanel(const QString& text) = 0;
    virtual void RequestRoomList() = 0;
};

class TRoomEntrySequence {
public:
    TRoomEntrySequence(TSessionState& state, IRoomEntryShell& shell, const TRoomEntrySteps& steps,
                       IMessageSink& mainWindow, bool joinLinkStarted);
    // Runs the sequence for the room entry reply's result code.
    void Run(int resultCode);

private:
    void refused(int resultCode);
    void entered();

    TSessionState& m_state;
    IRoomEntryShell& m_shell;
    const TRoomEntrySteps& m_steps;
    IMessageSink& m_mainWindow;
    bool m_joinLinkStarted;
};

} // namespace orv
