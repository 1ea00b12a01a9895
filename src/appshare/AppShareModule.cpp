#include "appshare/AppShareModule.h"

#include "link/Dispatcher.h"
#include "link/ErrorMessages.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Dialogs.h"
#include "protocol/CommandCatalogue.h"
#include "session/MainPanes.h"
#include "session/SessionContext.h"
#include "session/Settings.h"

#include <QAction>
#include <QKeySequence>

namespace orv {

namespace {

constexpr std::int32_t kBoardView = 0;

} // namespace

TAppShareModule::TAppShareModule(TSessionContext& context, TAppShareParts parts)
    : m_context(context), m_parts(std::move(parts)), m_appShare(new QAction(tr("App Share"))),
      m_giveControl(new QAction(tr("Give application sharing remote control"))),
      m_takeControl(new QAction(tr("Deprive application sharing remote control"))),
      m_host(context, m_parts, m_session, m_giveControl, m_takeControl),
      m_viewer(context, m_parts, m_session) {
    m_appShare->setObjectName("acStartAppShare");
    m_appShare->setToolTip(tr("Start Application/Desktop Sharing"));
    m_appShare->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    m_giveControl->setObjectName("acAppSharegiveControl");
    m_giveControl->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    m_takeControl->setObjectName("acAppShareTakeControl");
    // Ctrl+F4 starts sharing; taking control back gets the key beside giving it.
    m_takeControl->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3));
    QObject::connect(m_appShare, &QAction::triggered, &m_receiver, [this] { m_host.OpenHostTools(); });
    QObject::connect(m_giveControl, &QAction::triggered, &m_receiver, [this] { m_host.GiveControl(); });
    QObject::connect(m_takeControl, &QAction::triggered, &m_receiver, [this] { m_host.TakeControl(); });
    context.panes.InstallToolAction(m_appShare);
    context.panes.InstallMenuAction(TMainMenu::Actions, m_giveControl);
    context.panes.InstallMenuAction(TMainMenu::Actions, m_takeControl);
    if (m_parts.makeView)
        m_viewer.SetView(m_parts.makeView(m_viewer));
    refreshActions();
}

TAppShareModule::~TAppShareModule() {
    m_host.StopTimers();
}

void TAppShareModule::RegisterHandlers(TPacketDispatcher& d) {
    d.RegisterHandler({cmStartSharing}, [this](const TIncomingPacket& p) { onStartSharing(p); });
    d.RegisterHandler({cmStopSharing}, [this](const TIncomingPacket&) { onStopSharing(); });
    d.RegisterHandler({cmSharingState}, [this](const TIncomingPacket& p) { onSharingState(p); });
    d.RegisterHandler({cmScreenImage}, [this](const TIncomingPacket& p) { m_viewer.OnScreenImage(p); });
    d.RegisterHandler({cmRefreshScreen}, [this](const TIncomingPacket& p) { m_viewer.OnPointer(p); });
    d.RegisterHandler({cmSharingNotice101}, [this](const TIncomingPacket&) { m_viewer.OnTilesAsked(); });
    d.RegisterHandler({cmSharingNotice102}, [this](const TIncomingPacket&) { m_viewer.OnRefreshAsked(); });
    d.RegisterHandler({cmGiveControl}, [this](const TIncomingPacket& p) { m_viewer.OnControl(p, true); });
    d.RegisterHandler({cmTakeControl}, [this](const TIncomingPacket& p) { m_viewer.OnControl(p, false); });
    d.RegisterHandler({cmRemoteInput}, [this](const TIncomingPacket& p) { m_host.ReplayInput(p); });
    // Received and ignored: what the host sent, and two notices of no use here.
    d.RegisterHandler({cmScreenUpdate, cmCursorPosition, cmSharingNotice88, cmSharingNotice89},
                      [](const TIncomingPacket&) {});
}

void TAppShareModule::RegisterMessages(TMessageRouter&) {}

void TAppShareModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::ResetRoomState, [this] {
        endLocally();
        refreshActions();
    });
    steps.Add(TRoomEntryStep::SharingState, [this] {
        if (!m_context.state.IsPlayback())
            m_context.sender.Send(cmSharingState);
    });
}

void TAppShareModule::EndSession() {
    if (m_session.hosting && m_parts.sharingStrip)
        m_parts.sharingStrip(false);
    m_host.CloseTools();
    endLocally();
    refreshActions();
}

void TAppShareModule::ApplySettings(const TSettings& s) {
    m_host.SetRates(s.AppShareRefreshRate, s.AppShareCursorRefreshRate, s.AppSharePixelFormat,
                    s.AppShareOverflowSize);
}

void TAppShareModule::refreshActions() {
    // Left on where the desktop cannot share, so that reaching for it tells why.
    m_appShare->setEnabled(m_host.OwnShareAllowed() && !m_session.object);
    m_giveControl->setEnabled(m_session.hosting && m_session.object != nullptr);
    m_takeControl->setEnabled(m_session.hosting && m_session.object != nullptr);
}

void TAppShareModule::onStartSharing(const TIncomingPacket& p) {
    if (p.header.ResultCode != 0) {
        m_context.dialogs.Error(ErrorText(p.header.ResultCode));
        return;
    }
    auto reader = p.payload();
    TSharingRecord record;
    record.readFrom(reader);
    if (!record.GeometryValid())
        return;
    m_host.StopTimers();
    m_session.record = record;
    const TSessionState& s = m_context.state;
    const bool ownStart = record.HostId() == s.account.UserId() && !s.IsPlayback();
    m_session.hosting = false;
    if (!m_session.CreateObject())
        return;
    if (ownStart)
        m_host.Begin();
    else
        m_viewer.Begin();
    refreshActions();
}

void TAppShareModule::onSharingState(const TIncomingPacket& p) {
    if (p.header.ResultCode != 0 || p.header.DataSize != std::int32_t(TSharingRecord::kSize))
        return;
    auto reader = p.payload();
    TSharingRecord record;
    record.readFrom(reader);
    if (record.Mode() == smNone)
        return;
    if (record.HostId() == m_context.state.account.UserId() && !m_context.state.IsPlayback()) {
        // Left over from an earlier connection.
        m_host.StopSharing();
        return;
    }
    if (!record.GeometryValid())
        return;
    m_host.StopTimers();
    m_session.record = record;
    m_session.hosting = false;
    if (!m_session.CreateObject())
        return;
    m_viewer.Begin();
    refreshActions();
}

void TAppShareModule::onStopSharing() {
    if (m_session.hosting)
        m_host.Ended();
    endLocally();
    if (m_parts.showView)
        m_parts.showView(kBoardView);
    refreshActions();
}

void TAppShareModule::endLocally() {
    m_host.EndLocally();
    m_viewer.EndLocally();
    m_session.object.reset();
    m_session.hosting = false;
}

} // namespace orv
