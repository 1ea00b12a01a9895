#pragma once
// Webcam video as a session module: the video port of the session, the actions that start a broadcast,
// watch a participant or open the video settings, and the open video windows. The session's end closes
// them all. Broadcasting needs the own camera right of the session state (moderators of rooms that allow
// video have it from the participant states).

#include "session/Module.h"
#include "video/VideoSession.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QAction;

namespace orv {

class IParticipantDirectory;
struct TSessionContext;

class TVideoModule final : public ISessionModule {
    Q_DECLARE_TR_FUNCTIONS(TVideoModule)

public:
    using TViewFactory = std::function<std::unique_ptr<IVideoView>(TVideoSession&)>;

    TVideoModule(TSessionContext& context, const IParticipantDirectory& participants, TViewFactory makeView,
                 std::function<void()> openSettings, ITimerFactory& timers = QtTimerFactory::instance());
    ~TVideoModule() override;

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    void EndSession() override;
    std::optional<TSettingOwner> SettingsOwner() const override { return TSettingOwner::Video; }
    void ApplySettings(const TSettings& settings) override;

    // "Video": broadcasts the own camera; nothing while a broadcast runs or without the camera right.
    void StartVideoSession();
    // "View Participant's Web Cam": the participant's window to the front, or a new one.
    void ViewWebCam(std::uint16_t user);
    // "View Participant's Web Cam", on the selected participant.
    QAction* ViewWebCamAction() const { return m_viewWebCam; }
    // The same for the participant selected in the roster.
    void ViewSelectedWebCam();

    std::int32_t VideoPort() const { return m_port; }
    bool Broadcasting() const { return m_broadcasting; }
    const std::vector<std::unique_ptr<TVideoSession>>& Windows() const { return m_windows; }
    // The clock of the connections' throttle and writer; the session's by default.
    void SetConnectionClock(IClock& clock) { m_clock = &clock; }
    // The capture drivers the machine offers and the driver factory; tests give their own.
    void SetCaptureDrivers(std::function<std::unique_ptr<IVideoCapture>(int)> open) {
        m_openDriver = std::move(open);
    }

private:
    TVideoSessionParts parts();
    void refreshActions();
    void forget(TVideoSession& session);

    TSessionContext& m_context;
    const IParticipantDirectory& m_participants;
    TViewFactory m_makeView;
    std::function<void()> m_openSettings;
    ITimerFactory& m_timers;
    IClock* m_clock = nullptr;
    std::function<std::unique_ptr<IVideoCapture>(int)> m_openDriver = OpenCaptureDriver;
    TVideoOptions m_options;
    std::int32_t m_port = 0;
    bool m_broadcasting = false;
    std::vector<std::unique_ptr<TVideoSession>> m_windows;
    QObject m_receiver;    // runs the deferred frees, and ends the actions' connections with the module
    QAction* m_video;      // owned by the main window
    QAction* m_viewWebCam; // owned by the main window
    QAction* m_settings;   // owned by the main window
};

} // namespace orv
