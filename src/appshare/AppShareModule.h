#pragma once
// Application sharing as a session module: its actions, the server's packets routed to the host's side or the
// viewer's, and the sharing session both sides work on. Which side this client takes follows from who started
// the sharing (never the host's side in playback).

#include "appshare/AppShareObject.h"
#include "appshare/AppShareWindows.h"
#include "appshare/SharingHost.h"
#include "appshare/SharingSession.h"
#include "appshare/SharingViewer.h"
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

class TAppShareModule final : public ISessionModule, private ISettingsEffects {
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

    TSharingHost& Host() { return m_host; }
    TSharingViewer& Viewer() { return m_viewer; }

    // The host's side.
    void OpenHostTools() { m_host.OpenHostTools(); }
    void StartSharing(std::optional<TDesktopWindow> window) { m_host.StartSharing(std::move(window)); }
    void StopSharing() { m_host.StopSharing(); }
    void GiveControl() { m_host.GiveControl(); }
    void TakeControl() { m_host.TakeControl(); }
    void StartChosen(bool desktop, int line) { m_host.StartChosen(desktop, line); }
    bool OwnShareAllowed() const { return m_host.OwnShareAllowed(); }
    std::uint16_t Controller() const { return m_host.Controller(); }
    void SnapshotTick() { m_host.SnapshotTick(); }
    void CursorTick() { m_host.CursorTick(); }

    // The viewer's side.
    void MouseInput(IAppShareViewInput::TMouseAction action, TMouseButton button, QPointF position,
                    QSize shown) {
        m_viewer.MouseInput(action, button, position, shown);
    }
    void KeyInput(int qtKey, bool release) { m_viewer.KeyInput(qtKey, release); }
    bool InControl() const { return m_viewer.InControl(); }
    QPoint PointerTopLeft() const { return m_viewer.PointerTopLeft(); }

    bool Hosting() const { return m_session.hosting; }
    const TAppShareObject* Object() const { return m_session.object.get(); }
    const TSharingRecord& Record() const { return m_session.record; }

private:
    // ISettingsEffects: the snapshot interval follows the settings window's slider while sharing runs.
    void SetMicrophoneCount(int) override {}
    void SetAudioCodec(int) override {}
    void ReconnectVoice() override {}
    void ApplyAudioBufferSize(int) override {}
    void ApplySharingRefreshRate(int ms) override { m_host.SetRefreshRate(ms); }

    void onStartSharing(const TIncomingPacket& p);
    void onStopSharing();
    void onSharingState(const TIncomingPacket& p);
    void endLocally();
    void refreshActions();

    TSessionContext& m_context;
    TAppShareParts m_parts;
    TSharingSession m_session;
    QObject m_receiver;
    QAction* m_appShare;    // owned by the main window
    QAction* m_giveControl; // owned by the main window
    QAction* m_takeControl; // owned by the main window
    TSharingHost m_host;
    TSharingViewer m_viewer;
};

} // namespace orv
