#include "appshare/SharingViewer.h"

#include "appshare/AppShareModule.h"
#include "appshare/CursorRecord.h"
#include "appshare/RemoteInput.h"
#include "appshare/SharingSession.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "protocol/CommandCatalogue.h"
#include "session/SessionContext.h"

namespace orv {

namespace {

constexpr std::int32_t kSharingView = 2;

QByteArrayView PayloadOf(const TIncomingPacket& p) {
    const qsizetype size =
        std::max<qsizetype>(0, std::min<qsizetype>(p.header.DataSize, p.stream.size() - 20));
    return p.stream.size() >= 20 ? p.stream.sliced(20, size) : QByteArrayView();
}

} // namespace

TSharingViewer::TSharingViewer(TSessionContext& context, TAppShareParts& parts, TSharingSession& session)
    : m_context(context), m_parts(parts), m_session(session) {}

bool TSharingViewer::viewing() const {
    return m_session.object && !m_session.hosting;
}

void TSharingViewer::Begin() {
    m_inControl = false;
    if (m_parts.showView)
        m_parts.showView(kSharingView);
    if (!m_view)
        return;
    m_view->SetInControl(false);
    m_view->SetTitle(m_session.record.HostName() + QStringLiteral("\t sharing ") +
                     m_session.record.ItemName());
    m_view->SetPicture(&m_session.object->Snapshot());
}

void TSharingViewer::EndLocally() {
    if (m_view)
        m_view->Clear();
    m_inControl = false;
    m_pointerImage = {};
}

void TSharingViewer::OnScreenImage(const TIncomingPacket& p) {
    if (!viewing())
        return;
    TScreenTileWalker walker(PayloadOf(p));
    while (const auto tile = walker.next()) {
        const TTilePaint result = m_session.object->PaintTile(*tile);
        if (result == TTilePaint::Failed)
            break; // the picture keeps what was painted before
        if (result == TTilePaint::Painted && m_view)
            m_view->PictureChanged(
                QRect(tile->record.X(), tile->record.Y(), tile->record.Width(), tile->record.Height()));
    }
}

void TSharingViewer::OnPointer(const TIncomingPacket& p) {
    if (!viewing() || p.header.DataSize <= 0)
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

void TSharingViewer::OnControl(const TIncomingPacket& p, bool given) {
    if (p.header.ResultCode != 0 || p.header.UserId == m_context.state.account.UserId() || !viewing())
        return;
    QMetaObject::invokeMethod(
        &m_receiver,
        [this, given] {
            if (!viewing())
                return;
            m_inControl = given;
            if (m_view)
                m_view->SetInControl(given);
        },
        Qt::QueuedConnection);
}

void TSharingViewer::OnTilesAsked() {
    QMetaObject::invokeMethod(
        &m_receiver,
        [this] {
            if (viewing())
                m_context.sender.Send(cmScreenImage, TTileVersions{m_session.object->Versions()}.encode());
        },
        Qt::QueuedConnection);
}

void TSharingViewer::OnRefreshAsked() {
    QMetaObject::invokeMethod(
        &m_receiver,
        [this] {
            if (viewing())
                m_context.sender.Send(cmRefreshScreen);
        },
        Qt::QueuedConnection);
}

void TSharingViewer::sendInput(const TRemoteInputRecord& record) {
    if (m_inControl && viewing() && !m_context.state.IsPlayback())
        m_context.sender.Send(cmRemoteInput, record.toByteArray());
}

void TSharingViewer::MouseInput(TMouseAction action, TMouseButton button, QPointF position, QSize shown) {
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

void TSharingViewer::KeyInput(int qtKey, bool release) {
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

} // namespace orv
