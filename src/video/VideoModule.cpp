#include "video/VideoModule.h"

#include "link/Dispatcher.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/MessageRouter.h"
#include "session/MainPanes.h"
#include "session/ParticipantDirectory.h"
#include "session/RoomEvents.h"
#include "session/SessionContext.h"
#include "session/Settings.h"

#include <QAction>
#include <QMetaObject>

namespace orv {

TVideoModule::TVideoModule(TSessionContext& context, const IParticipantDirectory& participants,
                           TViewFactory makeView, std::function<void()> openSettings, ITimerFactory& timers)
    : m_context(context), m_participants(participants), m_makeView(std::move(makeView)),
      m_openSettings(std::move(openSettings)), m_timers(timers) {
    m_video = new QAction(tr("Video"));
    m_video->setObjectName("acStartVideoSession");
    m_viewWebCam = new QAction(tr("View Participant's Web Cam"));
    m_viewWebCam->setObjectName("acViewWebCam");
    m_settings = new QAction(tr("Video Settings"));
    m_settings->setObjectName("acVideoSessionSettings");
    QObject::connect(m_video, &QAction::triggered, &m_receiver, [this] { StartVideoSession(); });
    QObject::connect(m_viewWebCam, &QAction::triggered, &m_receiver, [this] { ViewSelectedWebCam(); });
    QObject::connect(m_settings, &QAction::triggered, &m_receiver, [this] {
        if (!m_broadcasting)
            m_openSettings();
    });
    context.panes.InstallToolAction(m_video);
    for (QAction* action : {m_viewWebCam, m_settings})
        context.panes.InstallMenuAction(TMainMenu::File, action);
    refreshActions();
}

TVideoModule::~TVideoModule() {
    EndSession();
}

void TVideoModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmVideoPort}, [this](const TIncomingPacket& p) {
        if (p.header.ResultCode != 0 || p.header.DataSize != std::int32_t(TVideoPortReply::kSize))
            return;
        auto reader = p.payload();
        m_port = TVideoPortReply::decode(reader).port;
    });
}

void TVideoModule::RegisterMessages(TMessageRouter&) {
    // The participant states bring the camera right.
    m_context.events.participantsChanged.Listen([this] { refreshActions(); });
}

void TVideoModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    // Asked again on every entry, so a session that goes on after a reconnection learns it anew.
    steps.Add(TRoomEntryStep::ResetRoomState, [this] {
        if (!m_context.state.IsPlayback())
            m_context.sender.Send(cmVideoPort);
        refreshActions();
    });
}

void TVideoModule::EndSession() {
    std::vector<std::unique_ptr<TVideoSession>> windows = std::move(m_windows);
    m_windows.clear();
    for (const auto& w : windows)
        w->Close();
    windows.clear();
    m_broadcasting = false;
    refreshActions();
}

void TVideoModule::ApplySettings(const TSettings& s) {
    m_options.captureDriver = s.DefaultVideoCaptureDriver;
    m_options.compressor = std::uint32_t(s.DefaultVideoCompressor);
    m_options.framesPerSecond = s.VideoFrameRate;
    m_options.formatSize = s.VideoFormatSize;
    m_options.keyFrameRate = s.VideoKFR;
    m_options.bytesPerSecond = s.VideoBPS;
}

void TVideoModule::refreshActions() {
    const bool inRoom = m_context.state.inRoom && !m_context.state.IsPlayback();
    m_video->setEnabled(inRoom && m_context.state.OwnCamAllowed && !m_broadcasting);
    m_viewWebCam->setEnabled(inRoom);
    m_settings->setEnabled(!m_broadcasting);
}

TVideoSessionParts TVideoModule::parts() {
    const TSessionState& s = m_context.state;
    TVideoJoin join;
    join.SetUserId(s.account.UserId());
    join.signOn.SetPassword(s.account.Password());
    join.signOn.SetUserName(s.account.UserName());
    join.room = std::uint16_t(s.account.Room());
    TVideoSessionParts p{{s.serverHost, std::uint16_t(m_port), s.proxy, s.tls, m_options.bytesPerSecond},
                         join,
                         m_options,
                         m_timers,
                         m_clock ? *m_clock : m_context.clock,
                         m_makeView};
    p.openDriver = m_openDriver;
    p.openSettings = m_openSettings;
    p.closed = [this](TVideoSession& session) { forget(session); };
    p.broadcasting = [this](bool on) {
        m_broadcasting = on;
        refreshActions();
    };
    return p;
}

void TVideoModule::StartVideoSession() {
    if (m_broadcasting || !m_context.state.OwnCamAllowed)
        return;
    auto session = std::make_unique<TVideoSession>(parts());
    TVideoSession& s = *session;
    m_windows.push_back(std::move(session));
    s.View().SetNameLabel(tr("My cam"));
    s.View().ShowWindow();
    s.StartBroadcast();
}

void TVideoModule::ViewWebCam(std::uint16_t user) {
    for (const auto& w : m_windows)
        if (!w->IsBroadcaster() && w->WatchedUser() == user && !w->Closed()) {
            w->View().ShowWindow();
            return;
        }
    const auto info = m_participants.Lookup(user);
    auto session = std::make_unique<TVideoSession>(parts());
    TVideoSession& s = *session;
    m_windows.push_back(std::move(session));
    s.View().ShowWindow();
    s.StartViewing(user, info ? info->fullName : QString::number(user));
}

void TVideoModule::ViewSelectedWebCam() {
    if (const auto user = m_participants.SelectedUser())
        ViewWebCam(*user);
}

void TVideoModule::forget(TVideoSession& session) {
    // Freed later: the session may be in the middle of its own call.
    QMetaObject::invokeMethod(
        &m_receiver,
        [this, target = &session] {
            std::erase_if(m_windows, [target](const auto& w) { return w.get() == target; });
        },
        Qt::QueuedConnection);
}

} // namespace orv
