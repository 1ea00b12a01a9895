#include "board/BoardSharing.h"

#include "board/BoardJpeg.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/AppMessageIds.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Progress.h"
#include "protocol/BoardMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/SessionMessages.h"
#include "protocol/TransferMessages.h"
#include "session/ParticipantMarks.h"
#include "session/ResourceTransfers.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace orv {

namespace {

constexpr std::int32_t kWhiteboardView = 0;
constexpr int kLoadingProgressStep = 15;

// A rectangle of the wire (right and bottom outside it) as the half-open area it covers.
QRect WireRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    // Coordinates far outside any board are brought in, so that sizes never overflow.
    const auto bound = [](std::int32_t v) { return std::clamp(v, -100000, 100000); };
    return QRect(QPoint(bound(left), bound(top)), QPoint(bound(right) - 1, bound(bottom) - 1));
}

// Letters and digits of a server's extension, so that a download's name stays in its folder.
QString SafeSuffix(const QString& extension) {
    QString safe;
    for (const QChar c : extension)
        if (c.isLetterOrNumber() && c.unicode() < 128 && safe.size() < 16)
            safe += c;
    return safe.isEmpty() ? QString() : "." + safe;
}

} // namespace

TBoardSharing::TBoardSharing(TSessionContext& context, Whiteboard& boards, IMessageSink& boardWindow)
    : m_context(context), m_boards(boards), m_boardWindow(boardWindow) {}

void TBoardSharing::SetTransfers(IResourceTransfers* transfers, const QString& temporaryFolder) {
    m_transfers = transfers;
    m_temporaryFolder = temporaryFolder;
}

std::uint16_t TBoardSharing::BoardLockHolder() const {
    return m_context.state.boardHolder;
}

bool TBoardSharing::HoldsLock() const {
    return BoardLockHolder() != 0 && BoardLockHolder() == m_context.state.account.UserId();
}

void TBoardSharing::SetPublicBoardAccess(bool access) {
    m_boards.SetPublicBoardAccess(access);
    m_context.state.OwnBoardAllowed = access;
    changed();
}

bool TBoardSharing::LockBoardEnabled() const {
    return PublicBoardAccess() && m_boards.CurrentBoard() > 0;
}

bool TBoardSharing::DrawingToolbarVisible() const {
    return m_boards.CurrentBoard() == kPrivateBoard || PublicBoardAccess();
}

bool TBoardSharing::ClearBoardEnabled() const {
    return m_boards.CurrentBoard() == kPrivateBoard || (PublicBoardAccess() && HoldsLock());
}

bool TBoardSharing::connectedSend(std::uint16_t command, const QByteArray& payload) {
    return !m_context.state.IsPlayback() && m_context.sender.Send(command, payload);
}

void TBoardSharing::changed() {
    if (m_hooks.changed)
        m_hooks.changed();
}

void TBoardSharing::takeSelectTool() {
    m_boards.SetDrawTool(BoardKind::Select);
}

void TBoardSharing::SwitchBoard(int board, bool announce) {
    if (!IsBoardIndex(board))
        return;
    if (m_hooks.showBoardView && !(m_hooks.boardViewVisible && m_hooks.boardViewVisible()))
        m_hooks.showBoardView();
    if (HoldsLock() && board > 0 && announce) {
        connectedSend(cmSetView, TViewMessage{kWhiteboardView}.encode());
        connectedSend(cmShowBoardHolder, TBoardIndexMessage{board}.encode());
    }
    const int current = m_boards.CurrentBoard();
    if (board == current)
        return;
    // An open text box is committed, as typed, on the board it was opened on before another board shows;
    // left open it would be drawn and sent on whichever board is current when it ends.
    if (m_hooks.endTextBox)
        m_hooks.endTextBox(true);
    m_boards.Board(board).SetPen(m_boards.Board(current).Pen());
    m_boards.Board(board).SetBrush(m_boards.Board(current).Brush());
    m_boards.SetCurrentBoard(board);
    takeSelectTool();
    changed();
}

void TBoardSharing::ExecuteLockBoard() {
    m_lockChecked = !m_lockChecked; // at once; the server's answer settles it
    bool sent;
    if (HoldsLock()) {
        if (m_hooks.endTextBox)
            m_hooks.endTextBox(true);
        sent = connectedSend(cmUnlockBoard);
    } else {
        sent = connectedSend(cmLockBoard);
    }
    if (!sent) // no answer will come
        m_lockChecked = !m_lockChecked;
    changed();
}

void TBoardSharing::ExecuteClearBoard() {
    const QString proceed = tr("Press OK to continue or Cancel to do nothing.");
    const int board = m_boards.CurrentBoard();
    if (board == kPrivateBoard) {
        if (m_context.dialogs.Confirm(tr("This operation will clear your private board.") + "\r\n" + proceed))
            ClearBoard(kPrivateBoard);
    } else if (PublicBoardAccess() && HoldsLock()) {
        if (m_context.dialogs.Confirm(tr("This operation will clear the current board for all users.") +
                                      "\r\n" + proceed))
            ClearBoard(board);
    } else {
        m_context.dialogs.Error(tr("You do not have permission to access the whiteboard."));
    }
    takeSelectTool();
    changed();
}

void TBoardSharing::ClearBoard(int board) {
    if (!IsBoardIndex(board))
        return;
    m_boards.ClearBoardImage(board);
    if (HoldsLock() && m_boards.CurrentBoard() != kPrivateBoard && board != kPrivateBoard)
        connectedSend(cmClearBoard, TBoardIndexMessage{board}.encode());
}

void TBoardSharing::SetPointerButtons(bool left, bool right) {
    m_ptLeft = left;
    m_ptRight = right;
    changed();
}

void TBoardSharing::PointerPress(QPoint point) {
    if (!PublicBoardAccess() || m_boards.CurrentBoard() == kPrivateBoard)
        return;
    m_pointerActive = true;
    std::uint16_t kind = pkRight;
    if (!m_ptRight && m_ptLeft)
        kind = pkLeft;
    else if (!m_ptRight)
        SetPointerButtons(false, true);
    SendPointer(point, kind);
    ShowPointer(point, false, kind);
}

void TBoardSharing::PointerMove(QPoint point) {
    if (!m_pointerActive)
        return;
    const std::uint16_t kind = m_ptLeft && !m_ptRight ? pkLeft : pkRight;
    if (PublicBoardAccess() && m_boards.CurrentBoard() > 0) {
        SendPointer(point, kind);
        ShowPointer(point, false, kind);
    }
}

void TBoardSharing::PointerRelease(QPoint point) {
    if (!m_pointerActive)
        return;
    m_pointerActive = false;
    if (PublicBoardAccess() && m_boards.CurrentBoard() > 0) {
        SendPointer(point, pkHidden);
        ShowPointer(point, false, pkHidden);
    }
}

void TBoardSharing::SendPointer(QPoint point, std::uint16_t kind) {
    // Coordinates go as they are; the wire keeps their low 16 bits.
    connectedSend(cmPointer, TPointerMessage{std::uint16_t(point.x()), std::uint16_t(point.y()),
                                             std::uint16_t(m_boards.CurrentBoard()), kind}
                                 .encode());
}

void TBoardSharing::ShowPointer(QPoint point, bool scroll, std::uint16_t kind) {
    m_pointer.kind = kind == pkLeft || kind == pkRight ? kind : std::uint16_t(pkHidden);
    m_pointer.position = point;
    m_pointer.scrollIntoView = scroll && m_pointer.kind != pkHidden;
    changed();
}

bool TBoardSharing::SendBoardText(const QString& text, const QString& fontName, int points, TColor color,
                                  int board, const QRect& rect) {
    TBoardTextMessage message;
    message.board = board;
    message.record.SetBoard(board);
    message.record.SetLeft(rect.left());
    message.record.SetTop(rect.top());
    message.record.SetRight(rect.left() + rect.width());
    message.record.SetBottom(rect.top() + rect.height());
    message.record.SetFontName(fontName);
    message.record.SetFontSize(points);
    message.record.SetFontColor(color);
    message.text = text;
    return connectedSend(cmBoardText, message.encode());
}

bool TBoardSharing::SendBoardImage(const QImage& image, const QRect& rect, int board) {
    TBoardImageMessage message;
    message.jpeg = EncodeBoardJpeg(image);
    if (message.jpeg.isEmpty())
        return false;
    message.board = m_boards.CurrentBoard();
    message.record.SetBoard(board);
    message.record.SetLeft(rect.left());
    message.record.SetTop(rect.top());
    message.record.SetRight(rect.left() + rect.width());
    message.record.SetBottom(rect.top() + rect.height());
    // Who has loaded what was shown before no longer matters once a new picture is placed.
    if (m_marks && !m_context.state.IsPlayback())
        m_marks->HideLoadMarks();
    return connectedSend(cmBoardImage, message.encode());
}

void TBoardSharing::RequestBoardHistory(int board) {
    connectedSend(cmLoadBoard, TBoardIndexMessage{board}.encode());
}

void TBoardSharing::RequestBoards(int first, int last) {
    for (int board = first; board <= last; ++board)
        RequestBoardHistory(board);
}

void TBoardSharing::ReportCurrentBoard() {
    connectedSend(HoldsLock() ? cmShowBoardHolder : cmShowBoard,
                  TBoardIndexMessage{m_boards.CurrentBoard()}.encode());
}

void TBoardSharing::LeaveSession() {
    m_boards.SetPublicBoardAccess(false);
    m_context.state.OwnBoardAllowed = false;
    m_context.state.boardHolder = 0;
    m_lockChecked = false;
    m_pointerActive = false;
    m_pointer = {};
    takeSelectTool();
    for (int board = 0; board < kBoardCount; ++board)
        m_boards.ClearBoardImage(board);
    changed();
}

void TBoardSharing::Receive(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    switch (packet.header.Command) {
    case cmLockBoard:
        onLock(packet);
        break;
    case cmUnlockBoard:
        onUnlock();
        break;
    case cmGiveBoard:
    case cmBanBoard:
        onAccess(packet);
        break;
    case cmPointer:
        onPointer(packet);
        break;
    case cmBoardText: {
        const TBoardTextMessage m = TBoardTextMessage::decode(reader);
        const TBoardTextRecord& r = m.record;
        onText(r.Board(), WireRect(r.Left(), r.Top(), r.Right(), r.Bottom()), m.text, r.FontName(),
               r.FontSize(), r.FontColor(), true);
        break;
    }
    case cmBoardTextAnsi: {
        const TBoardTextRecordA r = TBoardTextAnsiMessage::decode(reader).record;
        onText(r.Board(), WireRect(r.Left(), r.Top(), r.Right(), r.Bottom()), r.Text(), r.FontName(),
               r.FontSize(), r.FontColor(), true);
        break;
    }
    case cmBoardImage:
        onImage(packet);
        break;
    case cmLoadBoard:
        onHistory(packet);
        break;
    case cmClearBoard: {
        const std::int32_t board = TBoardIndexMessage::decode(reader).board;
        if (IsPublicBoard(board)) // never the private board, which is nobody else's
            m_boards.ClearBoardImage(board);
        break;
    }
    case cmShowBoard:
    case cmShowBoardHolder:
        SwitchBoard(TBoardIndexMessage::decode(reader).board, false);
        m_context.progress.Hide();
        break;
    case cmShowSlide:
    case cmShowLibraryImage:
        onPicture(packet);
        break;
    default:
        break;
    }
}

void TBoardSharing::onLock(const TIncomingPacket& packet) {
    const std::uint16_t user = packet.header.UserId;
    const bool local = user == m_context.state.account.UserId();
    if (packet.header.ResultCode != 0) {
        // A refusal leaves the lock with whoever holds it.
        if (local) {
            m_boardWindow.post(BoardMsg::PermissionRefused, 0, 0);
            m_lockChecked = false;
            changed();
        }
        return;
    }
    m_lockChecked = local;
    if (local)
        m_context.mainWindow.post(MainMsg::BoardGranted, 0, 0);
    m_context.state.boardHolder = user;
    if (m_hooks.endTextBox)
        m_hooks.endTextBox(false);
    takeSelectTool();
    changed();
}

void TBoardSharing::onUnlock() {
    m_lockChecked = false;
    m_context.state.boardHolder = 0;
    if (m_hooks.endTextBox)
        m_hooks.endTextBox(false);
    takeSelectTool();
    changed();
}

void TBoardSharing::onAccess(const TIncomingPacket& packet) {
    if (packet.header.ResultCode != 0)
        return; // a refused grant changed nobody's right
    auto reader = packet.payload();
    const std::uint16_t user = TBoardAccessMessage::decode(reader).userId;
    const bool granted = packet.header.Command == cmGiveBoard;
    // The participant's entry shows the right at once, as the status list would on the next refresh.
    m_context.mainWindow.post(MainMsg::BoardRight, granted ? 0 : 1, user);
    if (user == m_context.state.account.UserId()) {
        SetPublicBoardAccess(granted);
        if (granted)
            m_boardWindow.post(BoardMsg::AccessGranted, 0, 0);
    }
    takeSelectTool();
    changed();
}

void TBoardSharing::onPointer(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    const TPointerMessage m = TPointerMessage::decode(reader);
    if (!IsPublicBoard(m.board))
        return;
    SwitchBoard(m.board, true);
    ShowPointer({m.x, m.y}, true, m.kind);
}

void TBoardSharing::onText(int board, const QRect& rect, const QString& text, const QString& font, int points,
                           TColor color, bool live) {
    if (!IsPublicBoard(board))
        return;
    if (live && board != m_boards.CurrentBoard())
        SwitchBoard(board, true);
    m_boards.PlaceText(board, rect, text, font, points, color);
}

void TBoardSharing::onImage(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    const TBoardImageMessage m = TBoardImageMessage::decode(reader);
    const std::optional<QImage> image = DecodeBoardJpeg(m.jpeg);
    if (!image || !IsBoardIndex(m.board))
        return;
    if (m.board != m_boards.CurrentBoard())
        SwitchBoard(m.board, true);
    m_boards.PlaceImage(m_boards.CurrentBoard(), {m.record.Left(), m.record.Top()}, *image);
    m_context.mainWindow.post(MainMsg::AcknowledgeContent, packet.header.UserId, 0);
}

void TBoardSharing::onPicture(const TIncomingPacket& packet) {
    if (packet.header.ResultCode != 0) {
        m_context.notices.AddChatLine(0, QStringLiteral("Server"), TChatLineKind::System, kSystemLineColor,
                                      tr("The slide/image is not available. It may has been deleted."));
        return;
    }
    auto reader = packet.payload();
    const TBoardPictureMessage m = TBoardPictureMessage::decode(reader);
    if (m.record.FileSize() <= 0 || !IsBoardIndex(m.board))
        return;
    const std::optional<QImage> image = DecodeBoardJpeg(m.jpeg);
    if (!image)
        return;
    SwitchBoard(m.board, false);
    m_boards.PrepareSlideBoard(m.board);
    m_boards.DrawPicture(m.board, *image);
    m_context.mainWindow.post(MainMsg::AcknowledgeContent, packet.header.UserId, 0);
}

void TBoardSharing::onHistory(const TIncomingPacket& packet) {
    const bool playback = m_context.state.IsPlayback();
    m_loadingHistory = true;
    TBoardHistoryWalker walker(packet.stream, qsizetype(TPacketHeader::kSize));
    int board = 0, count = 0;
    while (const std::optional<TEmbeddedPacket> entry = walker.next()) {
        PayloadReader reader(entry->payload);
        if (reader.remaining() < 4)
            continue; // without its board index there is nothing to draw on
        board = reader.i32();
        ++count;
        if (!playback)
            ShowLoading(board, count);
        applyHistoryEntry(*entry, packet.header.UserId);
    }
    m_loadingHistory = false;
    if (!playback && count > 0)
        ShowLoading(board, 0);
    changed();
}

bool TBoardSharing::applyHistoryEntry(const TEmbeddedPacket& entry, std::uint16_t requester) {
    PayloadReader reader(entry.payload);
    try {
        switch (entry.header.Command) {
        case cmBoardDrawing: {
            const TBoardDrawingBatch batch = TBoardDrawingBatch::decode(reader);
            if (!IsPublicBoard(batch.board))
                return false;
            TBBPackage items;
            std::copy_if(batch.items.begin(), batch.items.end(), std::back_inserter(items),
                         [&](const TBBItem& item) { return item.Board() == batch.board; });
            m_boards.ReplayBatch(items);
            return true;
        }
        case cmPushImage:
        case cmPushPresentation: {
            const std::int32_t board = reader.i32();
            TResourceRecord record;
            record.readFrom(reader);
            if (!IsPublicBoard(board) || m_context.state.IsPlayback() || !m_transfers)
                return false;
            TDownloadOrder order;
            order.name = record.FileName();
            order.localPath = QDir(m_temporaryFolder)
                                  .filePath(QString::number(m_context.clock.tickCount()) +
                                            QString::number(board) + SafeSuffix(record.FileExt()));
            order.description = record.Description();
            order.board = board;
            order.participant = requester;
            order.kind = entry.header.Command == cmPushImage ? tkLibraryImage : tkSlide;
            m_transfers->StartDownload(order);
            return true;
        }
        case cmBoardTextAnsi: {
            const TBoardTextAnsiMessage m = TBoardTextAnsiMessage::decode(reader);
            const TBoardTextRecordA& r = m.record;
            if (!IsPublicBoard(m.board))
                return false;
            m_boards.PlaceText(m.board, WireRect(r.Left(), r.Top(), r.Right(), r.Bottom()), r.Text(),
                               r.FontName(), r.FontSize(), r.FontColor());
            return true;
        }
        case cmBoardText: {
            const TBoardTextMessage m = TBoardTextMessage::decode(reader);
            const TBoardTextRecord& r = m.record;
            if (!IsPublicBoard(m.board))
                return false;
            m_boards.PlaceText(m.board, WireRect(r.Left(), r.Top(), r.Right(), r.Bottom()), m.text,
                               r.FontName(), r.FontSize(), r.FontColor());
            return true;
        }
        case cmBoardImage: {
            const TBoardImageMessage m = TBoardImageMessage::decode(reader);
            const std::optional<QImage> image = DecodeBoardJpeg(m.jpeg);
            if (!IsPublicBoard(m.board) || !image)
                return false;
            m_boards.PlaceImage(m.board, {m.record.Left(), m.record.Top()}, *image);
            return true;
        }
        case cmClearBoard: {
            const std::int32_t board = TBoardIndexMessage::decode(reader).board;
            if (!IsPublicBoard(board))
                return false;
            m_boards.ClearBoardImage(board);
            return true;
        }
        case cmShowSlide:
        case cmShowLibraryImage: {
            const TBoardPictureMessage m = TBoardPictureMessage::decode(reader);
            if (!IsPublicBoard(m.board) || m.record.FileSize() <= 0)
                return false;
            const std::optional<QImage> image = DecodeBoardJpeg(m.jpeg);
            if (!image)
                return false;
            m_boards.PrepareSlideBoard(m.board);
            m_boards.DrawPicture(m.board, *image);
            return true;
        }
        default:
            return false; // not part of a board's history
        }
    } catch (const EPayloadError&) {
        return false;
    }
}

void TBoardSharing::ShowLoading(int board, int count) {
    if (count > 0)
        m_context.progress.Step(kLoadingProgressStep,
                                tr("Loading WhiteBoard # %1 Items %2").arg(board).arg(count));
    else
        m_context.progress.Step(
            kLoadingProgressStep,
            tr("WhiteBoard # %1 Loaded... Displaying content. Please wait...").arg(board));
}

void TBoardSharing::ReceiveRecordedResource(const TIncomingPacket& packet) {
    if (packet.header.ResultCode != 0)
        return;
    auto reader = packet.payload();
    TResourceRecord record;
    record.readFrom(reader);
    const std::optional<std::int32_t> size = ContentSize(packet.header, record);
    if (!size)
        return;
    const QByteArray content = reader.bytes(std::size_t(*size));
    const std::uint16_t command = packet.header.Command;
    if (command == cmDownloadImage || command == cmDownloadPresentation) {
        // The picture becomes the current board's, in content and size; decoded from memory.
        if (const std::optional<QImage> image = DecodeBoardJpeg(content)) {
            const int board = m_boards.CurrentBoard();
            m_boards.Board(board).Resize(image->size());
            m_boards.DrawPicture(board, *image);
        }
    } else if (command == cmDownloadDocument || command == cmDownloadPicture) {
        QFile file(
            QDir(m_temporaryFolder).filePath("tmp" + QString::number(m_context.clock.tickCount()) + ".jpg"));
        file.remove();
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }
    m_context.mainWindow.post(MainMsg::AcknowledgeContent, 0, 0);
}

} // namespace orv
