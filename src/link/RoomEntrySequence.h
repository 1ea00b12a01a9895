#pragma once
// What happens when the server answers a room entry: one sequence, in its fixed order. Each subsystem's part
// is called at its place through the hooks below.

#include <QString>

namespace orv {

class IMessageSink;
class TSignInSession;
struct TSessionState;

class IRoomEntryHooks {
public:
    virtual ~IRoomEntryHooks() = default;
    // The main window, sized to the screen's work area, shown.
    virtual void ShowMainWindow() = 0;
    virtual void CloseMainWindow() = 0;
    virtual void StartSessionClock() = 0;
    // Asks the server for the main view everybody currently sees.
    virtual void RequestCurrentView() = 0;
    virtual void ShowWelcomePage(const QString& address) = 0;
    virtual void BringToFront() = 0;
};

class TRoomEntrySequence {
public:
    TRoomEntrySequence(TSignInSession& session, TSessionState& state, IMessageSink& mainWindow,
                       IRoomEntryHooks& hooks, bool joinLinkStarted);
    // Runs the sequence for the room entry reply's result code.
    void Run(int resultCode);

private:
    void entered();

    TSignInSession& m_session;
    TSessionState& m_state;
    IMessageSink& m_mainWindow;
    IRoomEntryHooks& m_hooks;
    bool m_joinLinkStarted;
};

} // namespace orv
