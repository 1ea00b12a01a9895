#include "board/BoardPlacements.h"

#include "board/BoardJpeg.h"
#include "board/BoardLiveSend.h"
#include "board/Whiteboard.h"
#include "platform/Clock.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/TransferMessages.h"
#include "session/BoardAccess.h"
#include "session/ParticipantMarks.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace orv {

QRect BoardWireRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    // Coordinates far outside any board are brought in, so that sizes never overflow.
    const auto bound = [](std::int32_t v) { return std::clamp(v, -100000, 100000); };
    return QRect(QPoint(bound(left), bound(top)), QPoint(bound(right) - 1, bound(bottom) - 1));
}

TBoardPlacements::TBoardPlacements(TSessionContext& context, Whiteboard& boards, IBoardAccess& access)
    : m_context(context), m_boards(boards), m_access(access) {}

bool TBoardPlacements::SendText(const QString& text, const QString& fontName, int points, TColor color,
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
    return SendUnlessReplaying(m_context, cmBoardText, message.encode());
}

bool TBoardPlacements::SendImage(const QImage& image, const QRect& rect, int board) {
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
    return SendUnlessReplaying(m_context, cmBoardImage, message.encode());
}

void TBoardPlacements::Receive(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    switch (packet.header.Command) {
    case cmBoardText: {
        const TBoardTextMessage m = TBoardTextMessage::decode(reader);
        const TBoardTextRecord& r = m.record;
        onText(r.Board(), BoardWireRect(r.Left(), r.Top(), r.Right(), r.Bottom()), m.text, r.FontName(),
               r.FontSize(), r.FontColor());
        break;
    }
    case cmBoardTextAnsi: {
        const TBoardTextRecordA r = TBoardTextAnsiMessage::decode(reader).record;
        onText(r.Board(), BoardWireRect(r.Left(), r.Top(), r.Right(), r.Bottom()), r.Text(), r.FontName(),
               r.FontSize(), r.FontColor());
        break;
    }
    case cmBoardImage:
        onImage(packet);
        break;
    case cmShowSlide:
    case cmShowLibraryImage:
        onPicture(packet);
        break;
    default:
        break;
    }
}

void TBoardPlacements::onText(int board, const QRect& rect, const QString& text, const QString& font,
                              int points, TColor color) {
    if (!IsPublicBoard(board))
        return;
    if (board != m_boards.CurrentBoard())
        m_access.SwitchBoard(board, true);
    m_boards.PlaceText(board, rect, text, font, points, color);
}

void TBoardPlacements::onImage(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    const TBoardImageMessage m = TBoardImageMessage::decode(reader);
    const std::optional<QImage> image = DecodeBoardJpeg(m.jpeg);
    if (!image || !IsBoardIndex(m.board))
        return;
    if (m.board != m_boards.CurrentBoard())
        m_access.SwitchBoard(m.board, true);
    m_boards.PlaceImage(m_boards.CurrentBoard(), {m.record.Left(), m.record.Top()}, *image);
    m_context.events.contentShown.Raise(packet.header.UserId);
}

void TBoardPlacements::onPicture(const TIncomingPacket& packet) {
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
    m_access.SwitchBoard(m.board, false);
    m_boards.PrepareSlideBoard(m.board);
    m_boards.DrawPicture(m.board, *image);
    m_context.events.contentShown.Raise(packet.header.UserId);
}

void TBoardPlacements::ReceiveRecordedResource(const TIncomingPacket& packet) {
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
    m_context.events.contentShown.Raise(0);
}

} // namespace orv
