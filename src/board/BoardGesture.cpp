#include "board/BoardGesture.h"

#include "board/IntegerMath.h"
#include "board/Whiteboard.h"

#include <algorithm>

namespace orv {

namespace {

bool IsFreehand(std::uint8_t tool) {
    return tool == BoardKind::Handwriting || tool == BoardKind::Eraser || tool == BoardKind::Highlighter;
}

// Text and screen-capture placement take the press themselves.
bool TakesPressItself(std::uint8_t tool) {
    return tool == BoardKind::Text || tool == BoardKind::PlaceCapture;
}

} // namespace

BoardGesture::BoardGesture(Whiteboard& boards) : m_boards(boards) {}

bool BoardGesture::Drawing() const {
    return m_boards.GestureBoard().has_value();
}

QPoint BoardGesture::place(int board, int x, int y, bool grow) const {
    const BoardCanvas& canvas = m_boards.Board(board);
    x = std::clamp(x, 0, canvas.Width());
    y = std::clamp(y, 0, canvas.Height());
    if (!m_snap)
        return {x, y};
    const int extra = grow ? 1 : 0;
    return {int(RoundHalfEven(x, m_gridSize) * m_gridSize) + extra,
            int(RoundHalfEven(y, m_gridSize) * m_gridSize) + extra};
}

void BoardGesture::BoardMouseDown(Qt::MouseButton button, int x, int y) {
    if (Drawing()) {
        // Another button leaves the left gesture alone; a second left press means its release was lost,
        // so it ends where it last was, as a release there would have ended it.
        if (button != Qt::LeftButton)
            return;
        finish(m_dragEnd);
    }
    m_boards.DiscardBatch();
    if (button != Qt::LeftButton || TakesPressItself(m_boards.DrawTool()))
        return;
    const int board = m_boards.CurrentBoard();
    const QPoint point = place(board, x, y, false);
    m_boards.BeginGesture(board, point);
    m_dragStart = m_dragEnd = point;
}

void BoardGesture::BoardMouseMove(Qt::MouseButtons buttons, int x, int y) {
    (void)buttons; // a gesture follows the mouse until its release, whatever the buttons
    if (!Drawing())
        return;
    const std::uint8_t tool = m_boards.DrawTool();
    if (tool == BoardKind::Mark)
        return;
    const int board = *m_boards.GestureBoard();
    const bool grow = tool == BoardKind::Rectangle || tool == BoardKind::RoundRectangle;
    const QPoint point = place(board, x, y, grow);
    if (IsFreehand(tool)) {
        m_dragEnd = point;
        m_boards.RenderItem(board, point, point, PenMode::Copy, true);
        return;
    }
    m_boards.HidePreview();
    m_dragEnd = point;
    m_boards.ShowPreview(m_dragStart, m_dragEnd);
}

void BoardGesture::BoardMouseUp(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton)
        return;
    const std::uint8_t tool = m_boards.DrawTool();
    if (TakesPressItself(tool))
        return;
    if (Drawing()) {
        const bool grow = tool == BoardKind::Rectangle || tool == BoardKind::RoundRectangle ||
                          tool == BoardKind::AreaEraser;
        finish(place(*m_boards.GestureBoard(), x, y, grow));
    }
    if (tool == BoardKind::FourQuadrants || tool == BoardKind::OneQuadrant)
        m_boards.SetDrawTool(BoardKind::Select);
}

// The final figure replaces the rubber band, the gesture ends, and on a public board its records go out.
void BoardGesture::finish(QPoint point) {
    const std::uint8_t tool = m_boards.DrawTool();
    const int board = *m_boards.GestureBoard();
    m_boards.HidePreview();
    if (tool == BoardKind::Mark)
        m_boards.RenderItem(board, m_dragStart, {m_mark, 0}, PenMode::Copy, true);
    else if (!IsFreehand(tool))
        m_boards.RenderItem(board, m_dragStart, point, PenMode::Copy, true);
    m_boards.EndGesture(point);
    if (board > kPrivateBoard && m_boards.PublicBoardAccess())
        m_boards.SendBatch();
}

} // namespace orv
