#include "app/WhiteboardPlacement.h"

#include "board/BoardJpeg.h"
#include "board/BoardModule.h"

namespace orv {

int TWhiteboardPlacement::CurrentBoard() const {
    return m_board.Boards().CurrentBoard();
}

bool TWhiteboardPlacement::PublicBoardAccess() const {
    return m_board.Sharing().PublicBoardAccess();
}

bool TWhiteboardPlacement::HoldsLock() const {
    return m_board.Sharing().HoldsLock();
}

void TWhiteboardPlacement::RequestLock() {
    TBoardSharing& sharing = m_board.Sharing();
    if (!sharing.HoldsLock() && sharing.LockBoardEnabled())
        sharing.ExecuteLockBoard();
}

void TWhiteboardPlacement::ClearBoard(int board) {
    m_board.Sharing().ClearBoard(board);
}

void TWhiteboardPlacement::PlacePicture(const QImage& picture) {
    if (picture.isNull())
        return;
    Whiteboard& boards = m_board.Boards();
    const int board = boards.CurrentBoard();
    const BoardStyle style = boards.SaveBoardStyle(board);
    const QImage bitmap = m_board.Tools().FitToCurrentBoard(picture);
    QImage shown = bitmap;
    if (board > kPrivateBoard) {
        // Everybody sees the JPEG the room receives, the placer included.
        if (const std::optional<QImage> decoded = DecodeBoardJpeg(EncodeBoardJpeg(bitmap)))
            shown = *decoded;
        m_board.Sharing().SendBoardImage(bitmap, QRect(QPoint(0, 0), bitmap.size()), board);
    }
    boards.PlaceImage(board, {0, 0}, shown);
    boards.RestoreBoardStyle(board, style);
}

} // namespace orv
