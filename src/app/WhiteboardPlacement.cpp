#include "app/WhiteboardPlacement.h"

#include "board/BoardJpeg.h"
#include "board/BoardModule.h"
#include "board/PictureFit.h"
#include "platform/Dialogs.h"

#include <QPainter>

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
    // Transparent parts of the picture show white, as on a board.
    QImage bitmap(picture.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter(&bitmap).drawImage(0, 0, picture);
    BoardCanvas& canvas = boards.Board(board);
    const QSize boardSize(canvas.Width(), canvas.Height());
    if (LargerThanBoard(bitmap.size(), boardSize)) {
        if (m_dialogs.Question(tr(
                "The size of this image is larger than the white board.\r\nDo you want to shrink the image "
                "to "
                "fit on the whiteboard or expand the whiteboard up to the image size?\r\nPress Yes to shrink "
                "the image or No to expand the whitebaord.")))
            bitmap = bitmap.scaled(ShrinkToBoard(bitmap.size(), boardSize), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
        else
            canvas.Resize(ExpandBoard(boardSize, bitmap.size()));
    }
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
