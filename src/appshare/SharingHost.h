#pragma once
// The host's side of application sharing: the choice of what to share, the start, the snapshot and pointer
// timers, stopping, remote control given and taken, replaying the input of the one viewer in control, and
// snapshots of the shared picture uploaded to the library.

#include "appshare/AppShareWindows.h"
#include "platform/Timer.h"

#include <QByteArray>
#include <QCoreApplication>

#include <memory>
#include <optional>
#include <vector>

class QAction;

namespace orv {

struct TAppShareParts;
struct TIncomingPacket;
struct TSessionContext;
struct TSharingSession;

class TSharingHost final : public IAppShareToolsActions {
    // Its texts keep the translation context of the sharing module they were first written for.
    Q_DECLARE_TR_FUNCTIONS(TAppShareModule)

public:
    TSharingHost(TSessionContext& context, TAppShareParts& parts, TSharingSession& session,
                 QAction* giveControl, QAction* takeControl);
    ~TSharingHost() override;
    TSharingHost(const TSharingHost&) = delete;
    TSharingHost& operator=(const TSharingHost&) = delete;

    bool OwnShareAllowed() const;
    // "App Share": the host tools window in its list form.
    void OpenHostTools();
    // Queues cmStartSharing for the desktop (no window) or one window.
    void StartSharing(std::optional<TDesktopWindow> window);
    void StopSharing();
    void GiveControl();
    void TakeControl();
    std::uint16_t Controller() const { return m_controller; }

    // The server started this client's sharing: the session's record and picture are set.
    void Begin();
    // The server ended it.
    void Ended();
    // Whatever the sharing was, it is over here: timers stopped, no window, nobody in control.
    void EndLocally();
    void CloseTools();
    // Input of the viewer in control, replayed on this desktop.
    void ReplayInput(const TIncomingPacket& p);

    void SetRates(std::int32_t refreshMs, std::int32_t cursorMs, std::int32_t pixelFormat,
                  std::int32_t overflow);
    // The snapshot interval follows the settings window's slider while sharing runs.
    void SetRefreshRate(std::int32_t ms);
    // The timers' work, called by them (and by tests).
    void SnapshotTick();
    void CursorTick();
    void StopTimers();

    // IAppShareToolsActions
    void StartChosen(bool desktop, int line) override;
    void StopChosen() override { StopSharing(); }
    void TakeSnapshot() override;
    void OpenSettings() override;
    QAction* GiveControlAction() override { return m_giveControl; }
    QAction* TakeControlAction() override { return m_takeControl; }

private:
    void restartTimers();

    TSessionContext& m_context;
    TAppShareParts& m_parts;
    TSharingSession& m_session;
    QAction* m_giveControl;
    QAction* m_takeControl;
    std::unique_ptr<IAppShareTools> m_tools;
    std::vector<TDesktopWindow> m_listed;
    std::unique_ptr<ITimer> m_snapshotTimer;
    std::unique_ptr<ITimer> m_cursorTimer;
    std::int32_t m_refreshRate = 1750, m_cursorRate = 350, m_pixelFormat = 3, m_overflowSetting = 131072;
    std::optional<TWindowHandle> m_window;   // the shared window; none for the desktop
    std::optional<TWindowHandle> m_starting; // the window of a start sent and not yet answered
    QByteArray m_updateStream;
    std::uint16_t m_controller = 0; // the viewer this host gave control to, 0 for none
};

} // namespace orv
