#include "board/BoardHistoryLoader.h"

#include "board/BoardJpeg.h"
#include "board/BoardLiveSend.h"
#include "board/BoardPlacements.h"
#include "board/Whiteboard.h"
#include "platform/Clock.h"
#include "platform/Progress.h"
#include "protocol/BoardMessages.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/SessionMessages.h"
#include "protocol/TransferMessages.h"
#include "session/ResourceTransfers.h"

#include <QDir>

#include <algorithm>

namespace orv {

namespace {

constexpr int kLoadingProgressStep = 15;

// Letters and digits of a server's extension, so that a download's name stays in its folder.
QString SafeSuffix(const QString& extension) {
    QString safe;
    for (const QChar c : extension)
        if (c.isLetterOrNumber() && c.unicode() < 128 && safe.size() < 16)
            safe += c;
    return safe.isEmpty() ? QString() : "." + safe;
}

} // namespace

TBoardHistoryLoader::TBoardHistoryLoader(TSessionContext& context, Whiteboard& boards,
                                         std::function<void()> changed)
    : m_context(context), m_boards(boards), m_changed(std::move(changed)) {}

void TBoardHistoryLoader::SetTransfers(IResourceTransfers* transfers, const QString& temporaryFolder) {
    m_transfers = transfers;
    m_temporaryFolder = temporaryFolder;
}

void TBoardHistoryLoader::Request(int board) {
    SendUnlessReplaying(m_context, cmLoadBoard, TBoardIndexMessage{board}.encode());
}

void TBoardHistoryLoader::Receive(const TIncomingPacket& packet) {
    const bool playback = m_context.state.IsPlayback();
    m_loading = true;
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
        apply(*entry, packet.header.UserId);
    }
    m_loading = false;
    if (!playback && count > 0)
        ShowLoading(board, 0);
    m_changed();
}

bool TBoardHistoryLoader::apply(const TEmbeddedPacket& entry, std::uint16_t requester) {
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
            m_boards.PlaceText(m.board, BoardWireRect(r.Left(), r.Top(), r.Right(), r.Bottom()), r.Text(),
                               r.FontName(), r.FontSize(), r.FontColor());
            return true;
        }
        case cmBoardText: {
            const TBoardTextMessage m = TBoardTextMessage::decode(reader);
            const TBoardTextRecord& r = m.record;
            if (!IsPublicBoard(m.board))
                return false;
            m_boards.PlaceText(m.board, BoardWireRect(r.Left(), r.Top(), r.Right(), r.Bottom()), m.text,
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

void TBoardHistoryLoader::ShowLoading(int board, int count) {
    if (count > 0)
        m_context.progress.Step(kLoadingProgressStep,
                                tr("Loading WhiteBoard # %1 Items %2").arg(board).arg(count));
    else
        m_context.progress.Step(
            kLoadingProgressStep,
            tr("WhiteBoard # %1 Loaded... Displaying content. Please wait...").arg(board));
}

} // namespace orv
