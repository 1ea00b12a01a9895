#pragma once
// Application sharing as a session module. As host: the choice of what to share, the session start, the
// snapshot and pointer timers, stopping, remote control given and taken, and replaying the input of the one
// viewer in control. As viewer (or in playback): the picture built from received tiles, the host's pointer,
// the answers to the server's notices and, while in control, the own mouse and keys sent to the host.

#include "appshare/AppShareObject.h"
#include "appshare/AppShareWindows.h"
#include "platform/Timer.h"
#include "session/Module.h"
#include "session/SettingsEffects.h"

#include <QCoreApplication>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QAction;

namespace orv {

class IParticipantDirectory;
class IResourceTransfers;
class IUplinkQueue;
struct TIncomingPacket;
struct TSessionContext;

// What the program gives the module besides the session.
struct TAppShareParts {
    std::shared_ptr<IDesktopAccess> desktop;
    std::shared_ptr<IUplinkQueue> uplink;
    const IParticipantDirectory& participants;
    ITimerFactory& timers;
    // The sharing view, made once and installed as the main window's sharing view.
    std::function<IAppShareView*(IAppShareViewInput&)> makeView;
    // The host tools window, made when "App Share" runs.
    std::function<std::unique_ptr<IAppShareTools>(IAppShareToolsActions&)> makeTools;
    std::function<void(std::int32_t)> showView;   // a main view (the sharing view or the board)
    std::function<void(bool strip)> sharingStrip; // the main window as a strip at the right edge, or back
    std::function<void()> openSettings;           // the settings window on its sharing page
    std::function<std::optional<QString>()> askSnapshotComment; // "Comment required"; none when cancelled
    IResourceTransfers* transfers = nullptr;                    // uploads "Take a Snapshot"'s picture
    QString uploadFolder;                                       // where it is written first
};

class TAppShareModule final : public ISessionModule,
                              public IAppShareViewInput,
                              public IAppShareToolsActions,
                              private ISettingsEffects {
    Q_DECLARE_TR_FUNCTIONS(TAppShareModule)

public:
    TAppShareModule(TSessionContext& context, TAppShareParts parts);
    ~TAppShareModule() override;

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    void OwnRoleChanged() override { refreshActions(); }
    void EndSession() override;
    void ResetRoom() override { endLocally(); }
    std::optional<TSettingOwner> SettingsOwner() const override { return TSettingOwner::AppShare; }
    void ApplySettings(const TSettings& settings) override;
    ISettingsEffects* SettingsEffects() override { return this; }

    // "App Share": the host tools window in its list form.
    void OpenHostTools();
    // Queues cmStartSharing for the desktop (no window) or one window.
    void StartSharing(std::optional<TDesktopWindow> window);
    void StopSharing();
    void GiveControl();
    void TakeControl();

    // IAppShareToolsActions
    void StartChosen(bool desktop, int line) override;
    void StopChosen() override { StopSharing(); }
    void TakeSnapshot() override;
    void OpenSettings() override;
    QAction* GiveControlAction() override { return m_giveControl; }
    QAction* TakeControlAction() override { return m_takeControl; }

    // IAppShareViewInput
    void MouseInput(TMouseAction action, TMouseButton button, QPointF position, QSize shown) override;
    void KeyInput(int qtKey, bool release) override;

    bool OwnShareAllowed() const;
    bool Hosting() const { return m_hosting; }
    bool InControl() const { return m_inControl; }
    std::uint16_t Controller() const { return m_controller; }
    const TAppShareObject* Object() const { return m_object.get(); }
    const TSharingRecord& Record() const { return m_record; }
    QPoint PointerTopLeft() const { return m_pointerTopLeft; }

    // The timers' work, called by them (and by tests).
    void SnapshotTick();
    void CursorTick();

private:
    // ISettingsEffects: the snapshot interval follows the settings window's slider while sharing runs.
    void SetMicrophoneCount(int) override {}
    void SetAudioCodec(int) override {}
    void ReconnectVoice() override {}
    void ApplyAudioBufferSize(int) override {}
    void ApplySharingRefreshRate(int ms) override;

    void onStartSharing(const TIncomingPacket& p);
    void onStopSharing();
    void onSharingState(const TIncomingPacket& p);
    void onScreenImage(const TIncomingPacket& p);
    void onPointer(const TIncomingPacket& p);
    void onControl(const TIncomingPacket& p, bool given);
    void onRemoteInput(const TIncomingPacket& p);
    bool createObject();
    void viewerSetup();
    void stopTimers();
    void restartTimers();
    void endLocally();
    void refreshActions();
    void sendInput(const TRemoteInputRecord& record);

    TSessionContext& m_context;
    TAppShareParts m_parts;
    IAppShareView* m_view = nullptr;
    std::unique_ptr<IAppShareTools> m_tools;
    std::vector<TDesktopWindow> m_listed;
    std::unique_ptr<ITimer> m_snapshotTimer;
    std::unique_ptr<ITimer> m_cursorTimer;
    std::int32_t m_refreshRate = 1750, m_cursorRate = 350, m_pixelFormat = 3, m_overflowSetting = 131072;

    TSharingRecord m_record;
    std::unique_ptr<TAppShareObject> m_object;
    bool m_hosting = false;                  // this client runs the session (live, not in playback)
    std::optional<TWindowHandle> m_window;   // the shared window; none for the desktop
    std::optional<TWindowHandle> m_starting; // the window of a start sent and not yet answered
    QByteArray m_updateStream;
    std::uint16_t m_controller = 0; // the viewer this host gave control to, 0 for none
    bool m_inControl = false;       // this viewer controls the host
    QImage m_pointerImage;
    QPoint m_pointerTopLeft;

    QObject m_receiver;
    QAction* m_appShare;    // owned by the main window
    QAction* m_giveControl; // owned by the main window
    QAction* m_takeControl; // owned by the main window
};

} // namespace orv
