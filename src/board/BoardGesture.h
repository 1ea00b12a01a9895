#pragma once
// Turning the mouse on a board into drawing: the press starts a gesture, moves draw freehand segments or
// rubber bands, the release draws the final figure and sends the gesture's records as one packet. The board
// window routes the mouse events of all six boards here; only the left button draws.

#include <QPoint>
#include <Qt>

namespace orv {

class Whiteboard;

class BoardGesture {
public:
    static constexpr int kDefaultGridSize = 25;

    explicit BoardGesture(Whiteboard& boards);

    // The snap check box, and the grid it snaps to (the setting BoardGridSize; not positive means 25).
    void SetSnap(bool snap) { m_snap = snap; }
    bool Snap() const { return m_snap; }
    void SetGridSize(int size) { m_gridSize = size > 0 ? size : kDefaultGridSize; }
    // The mark picture the mark tool places.
    void SetMark(int picture) { m_mark = picture; }
    int Mark() const { return m_mark; }

    void BoardMouseDown(Qt::MouseButton button, int x, int y);
    void BoardMouseMove(Qt::MouseButtons buttons, int x, int y);
    void BoardMouseUp(Qt::MouseButton button, int x, int y);

    bool Drawing() const;
    QPoint DragStart() const { return m_dragStart; }
    QPoint DragEnd() const { return m_dragEnd; }

private:
    // Clamped to the board (both edges included), then snapped when snapping is on; `grow` adds 1 to both
    // coordinates of a snapped point.
    QPoint place(int board, int x, int y, bool grow) const;
    void finish(QPoint point);

    Whiteboard& m_boards;
    bool m_snap = false;
    int m_gridSize = kDefaultGridSize;
    int m_mark = 3; // "Green Check Mark"
    QPoint m_dragStart, m_dragEnd;
};

} // namespace orv
