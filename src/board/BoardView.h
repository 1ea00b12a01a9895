#pragma once
// The current board on screen, 5 pixels in from the scrolling area's corner: its picture, the outline of a
// screen capture being placed, and the pointer arrows. Mouse presses, moves and releases go to the tools in
// board coordinates. Boards drawn by others repaint within a frame.

#include <QWidget>

class QLabel;
class QTimer;

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
    // Follows the current board's size and contents, and the pointer.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showPointer();

    Whiteboard& m_boards;
    TBoardTools& m_tools;
    TBoardSharing& m_sharing;
    QLabel* m_pointers[2];
    QTimer* m_watch;
    qint64 m_shownKey = 0;
    int m_shownBoard = -1;
};

} // namespace orv
