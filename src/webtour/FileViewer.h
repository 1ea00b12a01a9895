#pragma once
// The file viewer's picture and selection, and placing the chosen part on the current board. The viewer
// window shows the file, takes the picture of its browser pane and drives the selection with the mouse.

#include <QCoreApplication>
#include <QImage>
#include <QPoint>
#include <QRect>

namespace orv {

class IBoardPlacement;
class IDialogs;

class TFileViewer {
    Q_DECLARE_TR_FUNCTIONS(orv::TFileViewer)

public:
    TFileViewer(IDialogs& dialogs, IBoardPlacement* board) : m_dialogs(dialogs), m_board(board) {}

    // The viewer may be opened on the private board, or by the lock holder.
    bool CanOpen() const;
    // Opening it asks for the board lock first when it is not held.
    void Opening();

    // A new preview: the whole picture is selected.
    void SetPreview(const QImage& picture);
    const QImage& Preview() const { return m_preview; }

    // A press starts a new selection there and chooses "Place Selection Only"; dragging moves its second
    // corner. Both corners stay on the picture.
    void Press(QPoint point);
    void Drag(QPoint point);
    // The selection with its first corner top-left; the second corner is outside it.
    QRect Selection() const;

    bool PlaceSelectionOnly() const { return m_selectionOnly; }
    void SetPlaceSelectionOnly(bool only) { m_selectionOnly = only; }

    // What "Place On Board" would place: the whole preview or the selection.
    QImage Picture() const;
    // Places the picture on the current board; false (with the reason shown) when nothing was placed.
    bool PlaceOnBoard();

private:
    QPoint clip(QPoint point) const;

    IDialogs& m_dialogs;
    IBoardPlacement* m_board;
    QImage m_preview;
    QPoint m_first, m_second;
    bool m_selectionOnly = false;
};

} // namespace orv
