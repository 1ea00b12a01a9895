#include "appshare/AppShareModule.h"

#include "appshare/CursorRecord.h"
#include "appshare/RemoteInput.h"
#include "link/Dispatcher.h"
#include "link/ErrorMessages.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "protocol/CommandCatalogue.h"
#include "session/MainPanes.h"
#include "session/ParticipantDirectory.h"
#include "session/ResourceTransfers.h"
#include "session/SessionContext.h"
#include "session/Settings.h"
#include "session/UplinkQueue.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>

namespace orv {

namespace {

constexpr std::int32_t kSharingView = 2;
constexpr std::int32_t kBoardView = 0;

QByteArrayView PayloadOf(const TIncomingPacket& p) {
    const qsizetype size =
        std::max<qsizetype>(0, std::min<qsizetype>(p.header.DataSize, p.stream.size() - 20));
    return p.stream.size() >= 20 ? p.stream.sliced(20, size) : QByteArrayView();
}

} // namespace

TAppShareModule::TAppShareModule(TSessionContext& context, TAppShareParts parts)
    : m_context(context), m_parts(std::move(parts)) {
    m_appShare = new QAction(tr("App Share"));
    m_appShare->setObjectName("acStartAppShare");
    m_appShare->setToolTip(tr("Start Application/Desktop Sharing"));
    m_appShare->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    m_giveControl = new QAction(tr("Give application sharing remote control"));
    m_giveControl->setObjectName("acAppSharegiveControl");
    m_giveControl->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    m_takeControl = new QAction(tr("Deprive application sharing remote control"));
    m_takeControl->setObjectName("acAppShareTakeControl");
    // Ctrl+F4 starts sharing; taking control back gets the key beside giving it.
    m_takeControl->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3));
    QObject::connect(m_appShare, &QAction::triggered, &m_receiver, [this] { OpenHostTools(); });
    QObject::connect(m_giveControl, &QAction::triggered, &m_receiver, [this] { GiveControl(); });
    QObject::connect(m_takeControl, &QAction::triggered, &m_receiver, [this] { TakeControl(); });
    context.panes.InstallToolAction(m_appShare);
    context.panes.InstallMenuAction(TMainMenu::Actions, m_giveControl);
    context.panes.InstallMenuAction(TMainMenu::Actions, m_takeControl);
    m_snapshotTimer = m_parts.timers.CreateTimer(TTimerMode::SingleShot, [this] { SnapshotTick(); });
    m_cursorTimer = m_parts.timers.CreateTimer(TTimerMode::SingleShot, [this] { CursorTick(); });
    if (m_parts.makeView)
        m_view = m_parts.makeView(*this);
    refreshActions();
}

TAppShareModule::~TAppShareModule() {
    stopTimers();
    m_parts.desktop->EndCapture();
    m_tools.reset();
}

void TAppShareModule::RegisterHandlers(TPacketDispatcher& d) {
    d.RegisterHandler({cmStartSharing}, [this](const TIncomingPacket& p) { onStartSharing(p); });
    d.RegisterHandler({cmStopSharing}, [this](const TIncomingPacket&) { onStopSharing(); });
    d.RegisterHandler({cmSharingState}, [this](const TIncomingPacket& p) { onSharingState(p); });
    d.RegisterHandler({cmScreenImage}, [this](const TIncomingPacket& p) { onScreenImage(p); });
    d.RegisterHandler({cmRefreshScreen}, [this](const TIncomingPacket& p) { onPointer(p); });
    d.RegisterHandler({cmSharingNotice101}, [this](const TIncomingPacket&) {
        // Answered after the current message, as the view window would.
        QMetaObject::invokeMethod(
            &m_receiver,
            [this] {
                if (m_object && !m_hosting)
                    m_context.sender.Send(cmScreenImage, TTileVersions{m_object->Versions()}.encode());
            },
            Qt::QueuedConnection);
    });
    d.RegisterHandler({cmSharingNotice102}, [this](const TIncomingPacket&) {
        QMetaObject::invokeMethod(
            &m_receiver,
            [this] {
                if (m_object && !m_hosting)
                    m_context.sender.Send(cmRefreshScreen);
            },
            Qt::QueuedConnection);
    });
    d.RegisterHandler({cmGiveControl}, [this](const TIncomingPacket& p) { onControl(p, true); });
    d.RegisterHandler({cmTakeControl}, [this](const TIncomingPacket& p) { onControl(p, false); });
    d.RegisterHandler({cmRemoteInput}, [this](const TIncomingPacket& p) { onRemoteInput(p); });
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
    if (m_hosting && m_parts.sharingStrip)
        m_parts.sharingStrip(false);
    if (m_tools)
        m_tools->Close();
    endLocally();
    refreshActions();
}

void TAppShareModule::ApplySettings(const TSettings& s) {
    m_refreshRate = s.AppShareRefreshRate;
    m_cursorRate = s.AppShareCursorRefreshRate;
    m_pixelFormat = s.AppSharePixelFormat;
    m_overflowSetting = s.AppShareOverflowSize;
    // The running snapshot timer follows the slider.
    if (m_snapshotTimer->IsActive())
        m_snapshotTimer->Start(std::uint32_t(std::max(1, m_refreshRate)));
}

void TAppShareModule::ApplySharingRefreshRate(int ms) {
    m_refreshRate = ms;
    if (m_snapshotTimer->IsActive())
        m_snapshotTimer->Start(std::uint32_t(std::max(1, m_refreshRate)));
}

bool TAppShareModule::OwnShareAllowed() const {
    const TSessionState& s = m_context.state;
    return s.inRoom && !s.IsPlayback() && s.IsModerator() && s.room.SharingFlag();
}

void TAppShareModule::refreshActions() {
    // Left on where the desktop cannot share, so that reaching for it tells why.
    m_appShare->setEnabled(OwnShareAllowed() && !m_object);
    m_giveControl->setEnabled(m_hosting && m_object != nullptr);
    m_takeControl->setEnabled(m_hosting && m_object != nullptr);
}

void TAppShareModule::OpenHostTools() {
    if (!OwnShareAllowed() || m_object)
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

void TAppShareModule::StartChosen(bool desktop, int line) {
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

void TAppShareModule::StartSharing(std::optional<TDesktopWindow> window) {
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
    m_record = r;
    m_starting = window ? std::optional<TWindowHandle>(window->handle) : std::nullopt;
    m_context.sender.Send(cmStartSharing, r.toByteArray());
}

bool TAppShareModule::createObject() {
    if (!m_record.GeometryValid())
        return false;
    m_object = std::make_unique<TAppShareObject>(m_record.Width(), m_record.Height(), m_record.Columns(),
                                                 m_record.Rows(), m_record.PixelFormat());
    return true;
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
    stopTimers();
    m_object.reset();
    m_record = record;
    const TSessionState& s = m_context.state;
    if (record.HostId() == s.account.UserId() && !s.IsPlayback()) {
        // This client hosts.
        if (!createObject())
            return;
        m_hosting = true;
        m_window = m_starting;
        m_controller = 0;
        m_parts.desktop->BeginCapture([this](const QString& why) {
            if (!m_hosting)
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
    } else {
        m_hosting = false;
        if (!createObject())
            return;
        viewerSetup();
    }
    refreshActions();
}

void TAppShareModule::viewerSetup() {
    m_inControl = false;
    if (m_parts.showView)
        m_parts.showView(kSharingView);
    if (!m_view)
        return;
    m_view->SetInControl(false);
    m_view->SetTitle(m_record.HostName() + QStringLiteral("\t sharing ") + m_record.ItemName());
    m_view->SetPicture(&m_object->Snapshot());
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
        StopSharing();
        return;
    }
    if (!record.GeometryValid())
        return;
    stopTimers();
    m_record = record;
    m_hosting = false;
    if (!createObject())
        return;
    viewerSetup();
    refreshActions();
}

void TAppShareModule::stopTimers() {
    m_snapshotTimer->Stop();
    m_cursorTimer->Stop();
}

void TAppShareModule::restartTimers() {
    m_snapshotTimer->Start(std::uint32_t(std::max(1, m_refreshRate)));
    m_cursorTimer->Start(std::uint32_t(std::max(1, m_cursorRate)));
}

void TAppShareModule::SnapshotTick() {
    const std::int32_t overflow =
        m_parts.uplink->OverflowSize() > 0 ? m_parts.uplink->OverflowSize() : m_overflowSetting;
    if (m_parts.uplink->QueuedSize() > std::size_t(std::max(0, overflow))) {
        // The uplink is behind: no snapshot this tick, but the timer goes on.
        m_snapshotTimer->Start(std::uint32_t(std::max(1, m_refreshRate)));
        return;
    }
    stopTimers();
    if (!m_object || !m_hosting)
        return;
    if (m_window && !m_parts.desktop->WindowRect(*m_window)) {
        StopSharing();
        return;
    }
    if (m_window)
        m_object->CaptureWindow(*m_parts.desktop, m_parts.desktop->WindowRect(*m_window));
    else
        m_object->CaptureDesktop(*m_parts.desktop, m_record.Width(), m_record.Height());
    if (m_object->BuildUpdate(m_updateStream) > 0)
        m_context.sender.Send(cmScreenUpdate, m_updateStream);
    restartTimers();
}

void TAppShareModule::CursorTick() {
    m_cursorTimer->Stop();
    if (!m_object || !m_hosting)
        return;
    if (m_parts.uplink->Up())
        if (const auto cursor = BuildCursorRecord(*m_parts.desktop))
            m_context.sender.Send(cmCursorPosition, cursor->encode());
    m_cursorTimer->Start(std::uint32_t(std::max(1, m_cursorRate)));
}

void TAppShareModule::StopSharing() {
    stopTimers();
    if (m_parts.uplink->Up()) {
        m_context.sender.Send(cmStopSharing);
        // The stop goes out without waiting behind the screen updates still queued.
        m_parts.uplink->PurgeCommand(cmScreenUpdate);
    }
    if (m_controller != 0)
        m_controller = 0;
    if (m_tools)
        m_tools->Close();
}

void TAppShareModule::onStopSharing() {
    stopTimers();
    if (m_hosting) {
        m_hosting = false;
        m_updateStream.clear();
        if (m_parts.sharingStrip)
            m_parts.sharingStrip(false);
        if (m_tools)
            m_tools->Close();
    }
    endLocally();
    if (m_parts.showView)
        m_parts.showView(kBoardView);
    refreshActions();
}

void TAppShareModule::endLocally() {
    stopTimers();
    m_parts.desktop->EndCapture();
    if (m_view)
        m_view->Clear();
    m_object.reset();
    m_hosting = false;
    m_window.reset();
    m_controller = 0;
    m_inControl = false;
    m_pointerImage = {};
}

void TAppShareModule::onScreenImage(const TIncomingPacket& p) {
    if (!m_object || m_hosting)
        return;
    TScreenTileWalker walker(PayloadOf(p));
    while (const auto tile = walker.next()) {
        const TTilePaint result = m_object->PaintTile(*tile);
        if (result == TTilePaint::Failed)
            break; // the picture keeps what was painted before
        if (result == TTilePaint::Painted && m_view)
            m_view->PictureChanged(
                QRect(tile->record.X(), tile->record.Y(), tile->record.Width(), tile->record.Height()));
    }
}

void TAppShareModule::onPointer(const TIncomingPacket& p) {
    if (!m_object || m_hosting || p.header.DataSize <= 0)
        return;
    try {
        PayloadReader reader(PayloadOf(p));
        const TCursorMessage message = TCursorMessage::decode(reader);
        if (message.png.isEmpty())
            return;
        const QImage image = DecodeCursorImage(message.png);
        if (image.isNull())
            return;
        m_pointerImage = image;
        m_pointerTopLeft = QPoint(message.record.X(), message.record.Y());
        if (m_view)
            m_view->SetPointer(m_pointerTopLeft, m_pointerImage);
    } catch (const EPayloadError&) {
        // A broken pointer message changes nothing.
    }
}

void TAppShareModule::onControl(const TIncomingPacket& p, bool given) {
    if (p.header.ResultCode != 0 || p.header.UserId == m_context.state.account.UserId() || !m_object ||
        m_hosting)
        return;
    QMetaObject::invokeMethod(
        &m_receiver,
        [this, given] {
            if (!m_object || m_hosting)
                return;
            m_inControl = given;
            if (m_view)
                m_view->SetInControl(given);
        },
        Qt::QueuedConnection);
}

void TAppShareModule::GiveControl() {
    if (!m_hosting || !m_object)
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

void TAppShareModule::TakeControl() {
    if (!m_hosting || !m_object)
        return;
    m_context.sender.Send(cmTakeControl);
    m_controller = 0;
}

void TAppShareModule::onRemoteInput(const TIncomingPacket& p) {
    // Only the live host replays input, and only that of the viewer it gave control to: a recorded or relayed
    // packet never drives a viewer's own desktop.
    if (!m_object || !m_hosting || m_context.state.IsPlayback() || m_controller == 0 ||
        p.header.UserId != m_controller || p.header.DataSize != std::int32_t(TRemoteInputRecord::kSize))
        return;
    auto reader = p.payload();
    TRemoteInputRecord record;
    record.readFrom(reader);
    ReplayRemoteInput(record, *m_parts.desktop, QSize(m_record.Width(), m_record.Height()));
}

void TAppShareModule::sendInput(const TRemoteInputRecord& record) {
    if (m_inControl && m_object && !m_hosting && !m_context.state.IsPlayback())
        m_context.sender.Send(cmRemoteInput, record.toByteArray());
}

void TAppShareModule::MouseInput(TMouseAction action, TMouseButton button, QPointF position, QSize shown) {
    if (!m_inControl)
        return;
    std::uint32_t flag = InputFlag::Move;
    if (action != TMouseAction::Move) {
        const bool press = action == TMouseAction::Press;
        switch (button) {
        case TMouseButton::Left:
            flag = press ? InputFlag::LeftDown : InputFlag::LeftUp;
            break;
        case TMouseButton::Right:
            flag = press ? InputFlag::RightDown : InputFlag::RightUp;
            break;
        case TMouseButton::Middle:
            flag = press ? InputFlag::MiddleDown : InputFlag::MiddleUp;
            break;
        }
    }
    TRemoteInputRecord r;
    r.SetKind(ikMouse);
    r.SetFlags(InputFlag::Absolute | flag);
    r.SetX(AbsoluteFromPixel(position.x(), shown.width()));
    r.SetY(AbsoluteFromPixel(position.y(), shown.height()));
    sendInput(r);
}

void TAppShareModule::KeyInput(int qtKey, bool release) {
    if (!m_inControl)
        return;
    const std::uint8_t vk = VirtualKeyOfQtKey(qtKey);
    if (vk == 0)
        return;
    TRemoteInputRecord r;
    r.SetKind(ikKeyboard);
    r.SetFlags(release ? InputFlag::KeyUp : 0);
    r.SetVirtualKey(vk);
    sendInput(r);
}

void TAppShareModule::TakeSnapshot() {
    if (!m_object || !m_parts.askSnapshotComment)
        return;
    const QImage picture = m_object->Snapshot().copy();
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

void TAppShareModule::OpenSettings() {
    if (m_parts.openSettings)
        m_parts.openSettings();
}

} // namespace orv
