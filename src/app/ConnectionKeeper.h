#pragma once
// What happens when the control connection is lost in a room: the loss is reported once (a red chat line,
// a beep, the "Reconnect" button, a desktop notification in the background), the program ends ten minutes
// later unless the user reconnects, and a reconnection ends the session and signs in again into the same
// room, by the user's choice or automatically after growing pauses. A duplicate sign-in is told, and stops
// the automatic reconnection.
//
// A reconnection the user starts while the link is up is no loss: the reader's end that it causes is not
// reported; only a reconnection that fails is, as any loss.

#include "link/SignInSession.h"
#include "platform/Timer.h"

#include <QCoreApplication>

#include <memory>

namespace orv {

class TMessageRouter;
class TPacketDispatcher;
struct TSessionContext;
struct TSettings;

// The program around the keeper.
class IConnectionShell {
public:
    virtual ~IConnectionShell() = default;
    // The status bar's "Reconnect" button.
    virtual void ShowReconnectButton(bool shown) = 0;
    // The automatic reconnection's countdown, with a way to stop it; an empty text hides both.
    virtual void ShowReconnectCountdown(const QString& text) = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    // Closes the main window without the exit question, which ends the program.
    virtual void CloseWithoutQuestion() = 0;
    // `EndSession`: every module's end, then the heartbeat, the reader and the writer. Not named EndSession:
    // a module that is also the shell would answer the modules' own end with it.
    virtual void StopSession() = 0;
    // `StartSession` again with the server and credentials in use.
    virtual TRestart RestartSession() = 0;
    // `EnterRoom`: its reply runs the room entry sequence, which reports the link up.
    virtual void EnterRoom(std::int32_t room) = 0;
};

// What the sign-in does for a reconnection.
class ISessionRestarter {
public:
    virtual ~ISessionRestarter() = default;
    virtual TRestart RestartSession() = 0;
    virtual void EnterRoom(std::int32_t room) = 0;
};

class ConnectionKeeper {
    Q_DECLARE_TR_FUNCTIONS(ConnectionKeeper)
public:
    static constexpr std::uint32_t kKillSessionMs = 600000;
    static constexpr std::uint32_t kResetPauseMs = 2000;
    static constexpr int kLongestPauseSeconds = 30;

    ConnectionKeeper(IConnectionShell& shell, TSessionContext& context, ITimerFactory& timers);

    // cmDuplicateSignIn.
    void RegisterHandlers(TPacketDispatcher& dispatcher);
    // The link state, and a removal by a moderator.
    void RegisterMessages(TMessageRouter& mainWindow);
    void ApplySettings(const TSettings& settings);

    // The link state message: the loss report, or the link up again.
    void OnLinkState(int value);
    // `acResetConnection`: asks, then `ResetConnection`.
    void AskToReconnect();
    // Ends the session, and after a pause starts it again and enters the same room.
    void ResetConnection();
    // No further automatic attempts until the link is up again.
    void StopAutomaticReconnection();
    void OnDuplicateSignIn();

    int LinkState() const { return m_linkState; }
    bool Resetting() const { return m_phase != Phase::Idle; }
    // The pause before the next automatic attempt, in seconds: 1, 2, 4 … 30.
    static int PauseBeforeAttempt(int attempt);

private:
    enum class Phase {
        Idle,
        Pausing,  // the old session ended; its reader's end is no news
        Entering, // signed in again; the room entry is on its way
    };

    void reportLoss(int value);
    void linkUp();
    void restart();
    void failedReset(int value);
    void scheduleAttempt();
    void tick();
    bool mayReconnectAutomatically() const;

    IConnectionShell& m_shell;
    TSessionContext& m_context;
    std::unique_ptr<ITimer> m_killSession; // tmrKillSession
    std::unique_ptr<ITimer> m_pause;       // the pauses of a reset
    std::unique_ptr<ITimer> m_countdown;   // a second of the automatic reconnection's countdown
    int m_linkState = 0;                   // LinkState
    Phase m_phase = Phase::Idle;
    bool m_byUser = false; // the reset in progress was the user's
    std::int32_t m_room = 0;
    bool m_wasUp = false; // a room was entered and the link reported up
    bool m_lostSinceUp = false;
    bool m_automatic = false;
    bool m_notifications = false;
    bool m_automaticStopped = false;
    int m_attempt = 0;
    int m_secondsLeft = 0;
};

} // namespace orv
