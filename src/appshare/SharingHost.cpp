#include "appshare/SharingHost.h"

#include "appshare/AppShareModule.h"
#include "appshare/CursorRecord.h"
#include "appshare/RemoteInput.h"
#include "appshare/SharingSession.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "protocol/CommandCatalogue.h"
#include "session/ParticipantDirectory.h"
#include "session/ResourceTransfers.h"
#include "session/SessionContext.h"
#include "session/UplinkQueue.h"

#include <QDir>

namespace orv {

TSharingHost::TSharingHost(TSessionContext& context, TAppShareParts& parts, TSharingSession& session,
                           QAction* giveControl, QAction* takeControl)
    : m_context(context), m_parts(parts), m_session(session), m_giveControl(giveControl),
      m_takeControl(takeControl) {
    m_snapshotTimer = m_parts.timers.CreateTimer(TTimerMode::SingleShot, [this] { SnapshotTick(); });
    m_cursorTimer = m_parts.timers.CreateTimer(TTimerMode::SingleShot, [this] { CursorTick(); });
}

TSharingHost::~TSharingHost() {
    StopTimers();
    m_parts.desktop->EndCapture();
    m_tools.reset();
}

bool TSharingHost::OwnShareAllowed() const {
    const TSessionState& s = m_context.state;
    return s.inRoom && !s.IsPlayback() && s.IsModerator() && s.room.SharingFlag();
}

void TSharingHost::OpenHostTools() {
    if (!OwnShareAllowed() || m_session.object)
        return;
    if (!m_parts.desktop->Available()) {
        const QString why = m_parts.desktop->WhyUnavailable();
        m_context.dialogs.Error(
            why.isEmpty() ? tr("Application sharing is not available on this desktop.")
                          : tr("Application sharing is not available on this desktop: %1").arg(why));
        return;
    }
    m_listed.clear();
    for (TDesktopWindow& w : m_parts.desktop->Windows()) {
        const QString title = w.title.trimmed();
        if (title.isEmpty() || w.rect.width() <= 0 || w.rect.height() <= 0 ||
            title.compare(QLatin1String("Program Manager"), Qt::CaseInsensitive) == 0)
            continue;
        w.title = w.title.left(255);
        m_listed.push_back(std::move(w));
    }
    if (!m_tools && m_parts.makeTools)
        m_tools = m_parts.makeTools(*this);
    if (m_tools)
        m_tools->ShowList(m_listed);
}

void TSharingHost::StartChosen(bool desktop, int line) {
    if (desktop) {
        StartSharing(std::nullopt);
        return;
    }
    if (line < 0 || std::size_t(line) >= m_listed.size()) {
        m_context.dialogs.Error(tr("Please select a window to share."));
        return;
    }
    StartSharing(m_listed[std::size_t(line)]);
}

void TSharingHost::StartSharing(std::optional<TDesktopWindow> window) {
    if (!m_parts.uplink->Up())
        return;
    const TSessionState& s = m_context.state;
    const QSize screen = m_parts.desktop->ScreenSize();
    TSharingRecord r;
    r.SetHostId(s.account.UserId());
    r.SetHostName(s.account.FullName());
    r.SetItemName(window ? window->title.left(255) : QStringLiteral("Desktop"));
    r.SetMode(window ? smWindow : smDesktop);
    r.SetWidth(screen.width());
    r.SetHeight(screen.height());
    r.SetColumns(kShareColumns);
    r.SetRows(kShareRows);
    r.SetPixelFormat(std::uint8_t(m_pixelFormat));
    r.SetRefreshRate(m_refreshRate);
    m_session.record = r;
    m_starting = window ? std::optional<TWindowHandle>(window->handle) : std::nullopt;
    m_context.sender.Send(cmStartSharing, r.toByteArray());
}

void TSharingHost::Begin() {
    m_session.hosting = true;
    m_window = m_starting;
    m_controller = 0;
    m_parts.desktop->BeginCapture([this](const QString& why) {
        if (!m_session.hosting)
            return;
        m_context.dialogs.Error(tr("The screen cannot be shared: %1").arg(why));
        StopSharing();
    });
    if (m_parts.sharingStrip)
        m_parts.sharingStrip(true);
    if (m_window)
        m_parts.desktop->ActivateWindow(*m_window);
    restartTimers();
    if (m_tools)
        m_tools->ShowToolBar();
}

void TSharingHost::Ended() {
    StopTimers();
    m_session.hosting = false;
    m_updateStream.clear();
    if (m_parts.sharingStrip)
        m_parts.sharingStrip(false);
    CloseTools();
}

void TSharingHost::EndLocally() {
    StopTimers();
    m_parts.desktop->EndCapture();
    m_window.reset();
    m_controller = 0;
}

void TSharingHost::CloseTools() {
    if (m_tools)
        m_tools->Close();
}

void TSharingHost::SetRates(std::int32_t refreshMs, std::int32_t cursorMs, std::int32_t pixelFormat,
                            std::int32_t overflow) {
    m_cursorRate = cursorMs;
    m_pixelFormat = pixelFormat;
    m_overflowSetting = overflow;
    SetRefreshRate(refreshMs);
}

void TSharingHost::SetRefreshRate(std::int32_t ms) {
    m_refreshRate = ms;
    if (m_snapshotTimer->IsActive())
        m_snapshotTimer->Start(std::uint32_t(std::max(1, m_refreshRate)));
}

void TSharingHost::StopTimers() {
    m_snapshotTimer->Stop();
    m_cursorTimer->Stop();
}

void TSharingHost::restartTimers() {
    m_snapshotTimer->Start(std::uint32_t(std::max(1, m_refreshRate)));
    m_cursorTimer->Start(std::uint32_t(std::max(1, m_cursorRate)));
}

void TSharingHost::SnapshotTick() {
    const std::int32_t overflow =
        m_parts.uplink->OverflowSize() > 0 ? m_parts.uplink->OverflowSize() : m_overflowSetting;
    if (m_parts.uplink->QueuedSize() > std::size_t(std::max(0, overflow))) {
        // The uplink is behind: no snapshot this tick, but the timer goes on.
        m_snapshotTimer->Start(std::uint32_t(std::max(1, m_refreshRate)));
        return;
    }
    StopTimers();
    TAppShareObject* object = m_session.object.get();
    if (!object || !m_session.hosting)
        return;
    if (m_window && !m_parts.desktop->WindowRect(*m_window)) {
        StopSharing();
        return;
    }
    if (m_window)
        object->CaptureWindow(*m_parts.desktop, m_parts.desktop->WindowRect(*m_window));
    else
        object->CaptureDesktop(*m_parts.desktop, m_session.record.Width(), m_session.record.Height());
    if (object->BuildUpdate(m_updateStream) > 0)
        m_context.sender.Send(cmScreenUpdate, m_updateStream);
    restartTimers();
}

void TSharingHost::CursorTick() {
    m_cursorTimer->Stop();
    if (!m_session.object || !m_session.hosting)
        return;
    if (m_parts.uplink->Up())
        if (const auto cursor = BuildCursorRecord(*m_parts.desktop))
            m_context.sender.Send(cmCursorPosition, cursor->encode());
    m_cursorTimer->Start(std::uint32_t(std::max(1, m_cursorRate)));
}

void TSharingHost::StopSharing() {
    StopTimers();
    if (m_parts.uplink->Up()) {
        m_context.sender.Send(cmStopSharing);
        // The stop goes out without waiting behind the screen updates still queued.
        m_parts.uplink->PurgeCommand(cmScreenUpdate);
    }
    m_controller = 0;
    CloseTools();
}

void TSharingHost::GiveControl() {
    if (!m_session.hosting || !m_session.object)
        return;
    const auto user = m_parts.participants.SelectedUser();
    if (!user || *user == m_context.state.account.UserId())
        return;
    if (!m_parts.desktop->InputAvailable()) {
        m_context.dialogs.Error(tr("Remote control is not available on this desktop."));
        return;
    }
    if (m_context.sender.Send(cmGiveControl, TGiveControlMessage{*user}.encode()))
        m_controller = *user;
}

void TSharingHost::TakeControl() {
    if (!m_session.hosting || !m_session.object)
        return;
    m_context.sender.Send(cmTakeControl);
    m_controller = 0;
}

void TSharingHost::ReplayInput(const TIncomingPacket& p) {
    // Only the live host replays input, and only that of the viewer it gave control to: a recorded or relayed
    // packet never drives a viewer's own desktop.
    if (!m_session.object || !m_session.hosting || m_context.state.IsPlayback() || m_controller == 0 ||
        p.header.UserId != m_controller || p.header.DataSize != std::int32_t(TRemoteInputRecord::kSize))
        return;
    auto reader = p.payload();
    TRemoteInputRecord record;
    record.readFrom(reader);
    ReplayRemoteInput(record, *m_parts.desktop, QSize(m_session.record.Width(), m_session.record.Height()));
}

void TSharingHost::TakeSnapshot() {
    if (!m_session.object || !m_parts.askSnapshotComment)
        return;
    const QImage picture = m_session.object->Snapshot().copy();
    const auto comment = m_parts.askSnapshotComment();
    if (!comment || comment->trimmed().isEmpty()) {
        m_context.dialogs.Information(tr("Image not uploaded"));
        return;
    }
    const QString name = QStringLiteral("board_%1_%2.jpg")
                             .arg(m_context.state.account.UserId())
                             .arg(m_context.clock.tickCount());
    const QString path = QDir(m_parts.uploadFolder).filePath(name);
    if (m_parts.uploadFolder.isEmpty() || !picture.save(path, "JPG") || !m_parts.transfers) {
        m_context.dialogs.Information(tr("Image not uploaded"));
        return;
    }
    m_parts.transfers->StartUpload(path, *comment, {}, tkLibraryImage);
}

void TSharingHost::OpenSettings() {
    if (m_parts.openSettings)
        m_parts.openSettings();
}

} // namespace orv
