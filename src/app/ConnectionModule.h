#pragma once
// Keep-alive, loss and reconnection as a module: the heartbeat and the probes, the loss report with the
// status bar's "Reconnect" button and the File menu's "Reset Connection", the automatic reconnection's
// countdown, and the session started again into the same room.

#include "app/ConnectionKeeper.h"
#include "link/KeepAlive.h"
#include "session/Module.h"

#include <QObject>

#include <functional>

namespace orv {

class TfMain;
class TSessionLink;
struct TSessionContext;

class TConnectionModule final : public ISessionModule, private IConnectionShell {
public:
    // `endSession` ends every module's part and the link, as at the end of the program.
    TConnectionModule(TfMain& main, TSessionContext& context, TSessionLink& link, ISessionRestarter& signIn,
                      std::function<void()> endSession, ITimerFactory& timers = QtTimerFactory::instance());
    ~TConnectionModule() override;

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override { m_keeper.RegisterMessages(mainWindow); }
    std::optional<TSettingOwner> SettingsOwner() const override { return TSettingOwner::Link; }
    void ApplySettings(const TSettings& settings) override { m_keeper.ApplySettings(settings); }

    ConnectionKeeper& Keeper() { return m_keeper; }

private:
    // IConnectionShell
    void ShowReconnectButton(bool shown) override;
    void ShowReconnectCountdown(const QString& text) override;
    void SetBusyCursor(bool busy) override;
    void CloseWithoutQuestion() override;
    void StopSession() override { m_endSession(); }
    TRestart RestartSession() override;
    void EnterRoom(std::int32_t room) override;

    TfMain& m_main;
    TSessionContext& m_context;
    TSessionLink& m_link;
    ISessionRestarter& m_signIn;
    std::function<void()> m_endSession;
    TKeepAlive m_keepAlive;
    ConnectionKeeper m_keeper;
    QObject m_receiver; // ends the main window's connections with the module
    bool m_busy = false;
};

} // namespace orv
