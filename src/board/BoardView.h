#pragma once
// The current board on screen, 5 pixels in from the scrolling area's corner: its picture, the outline of a
// screen capture being placed, and the pointer arrows. Mouse presses, moves and releases go to the tools in
// board coordinates. The board model tells it which area of which board changed, and it repaints that.

#include <QWidget>

class QLabel;

namespace orv {

class TBoardSharing;
class TBoardTools;
class Whiteboard;

class TBoardView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMargin = 5;

    TBoardView(Whiteboard& boards, TBoardTools& tools, TBoardSharing& sharing, QWidget* parent = nullptr);

    QPoint ToBoard(QPoint widgetPoint) const { return widgetPoint - QPoint(kMargin, kMargin); }
    QPoint FromBoard(QPoint boardPoint) const { return boardPoint + QPoint(kMargin, kMargin); }
    // Follows the current board's size, the placement outline and the pointer.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void boardChanged(int board, const QRect& area);
    void showPointer();

    Whiteboard& m_boards;
    TBoardTools& m_tools;
    TBoardSharing& m_sharing;
    QLabel* m_pointers[2];
    int m_shownBoard = -1;
};

} // namespace orv
