#pragma once
// The six boards and the session's drawing state: the current board and tool, the records of the local
// gesture and of the last received batch, the freehand last points of local and replayed drawing, and the
// rubber band on show. Local drawing and replay render through the same RenderItem, so every participant's
// copy of a board comes out alike.

#include "board/BoardCanvas.h"
#include "board/BoardStyle.h"
#include "board/RecordBounds.h"
#include "protocol/BoardMessages.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>

namespace orv {

class Whiteboard final : public QObject {
    Q_OBJECT

public:
    // Queues a packet for the server; false when the connection is down and it was dropped.
    using SendFunction = std::function<bool(std::uint16_t command, const QByteArray& payload)>;

    // The boards start white at `boardSize`.
    explicit Whiteboard(SendFunction send,
                        QSize boardSize = {BoardCanvas::kDefaultWidth, BoardCanvas::kDefaultHeight});
    Whiteboard(const Whiteboard&) = delete;
    Whiteboard& operator=(const Whiteboard&) = delete;

    BoardCanvas& Board(int board) { return m_boards.at(std::size_t(board)); }
    const BoardCanvas& Board(int board) const { return m_boards.at(std::size_t(board)); }

    int CurrentBoard() const { return m_currentBoard; }
    // Board indices outside 0..5 are ignored.
    void SetCurrentBoard(int board);
    std::uint8_t DrawTool() const { return m_drawTool; }
    void SetDrawTool(std::uint8_t tool) { m_drawTool = tool; }
    bool PublicBoardAccess() const { return m_publicBoardAccess; }
    void SetPublicBoardAccess(bool access) { m_publicBoardAccess = access; }
    const TBBPackage& OutgoingBatch() const { return m_outgoing; }
    const TBBPackage& IncomingBatch() const { return m_incoming; }
    QPoint LocalLast() const { return m_localLast; }
    QPoint RemoteLast() const { return m_remoteLast; }
    // The pen the drawing tool bar starts with.
    int ToolbarPenWidth() const { return m_toolbarPenWidth; }
    TColor ToolbarPenColor() const { return m_toolbarPenColor; }

    // Every board's pen at (0, 0) with a clear brush, board 1 current, the select tool, and the tool bar's
    // pen (its width bounded to the pen widths a board takes) also board 1's pen width.
    void InitBoards(int penWidth, TColor penColor);
    // Draws one element of kind DrawTool; with `record` in copy mode it also goes into OutgoingBatch.
    // Freehand kinds continue from LocalLast when recording, from RemoteLast when replaying.
    void RenderItem(int board, QPoint p1, QPoint p2, PenMode mode, bool record);
    BoardStyle SaveBoardStyle(int board) const;
    void RestoreBoardStyle(int board, const BoardStyle& style);
    // The record's pen (solid, as every record is made), brush and kind become the board's and the tool.
    void ApplyItemStyle(int board, const TBBItem& item);
    // Draws received records in order, skipping those IsReplayable refuses. Tool, pens, brushes, pen
    // positions and the local gesture are as they were afterwards; a rubber band on show is taken off the
    // board while the records are drawn and put back after.
    void ReplayBatch(const TBBPackage& items);
    // A received drawing batch: kept as IncomingBatch and replayed. One naming no public board is ignored.
    void ReceiveBatch(TBoardDrawingBatch batch);
    // Sends OutgoingBatch as one drawing packet for the board its records name, then empties it. A batch
    // of one record (a press alone) stays; an empty batch or one of the private board is never sent; without
    // PublicBoardAccess, or with the connection down, the records are dropped.
    void SendBatch();
    // Back to white at 1024 x 768. The local gesture goes on: one in progress on this board starts its
    // batch afresh from where it is, so what the clear wiped is not sent; without a gesture, OutgoingBatch
    // becomes a lone move-to that SendBatch keeps.
    void ClearBoardImage(int board);

    // A downloaded picture (a library image, a slide) over the board, its top-left corner at the board's;
    // the board is neither cleared nor enlarged, and nothing is recorded or sent. Board -1 is the current
    // board; a rubber band on show stays as it was.
    void DrawPicture(int board, const QImage& picture);
    // An image placed on a board: the board grows to at least the image's size (new area white), then the
    // image goes at `topLeft`.
    void PlaceImage(int board, QPoint topLeft, const QImage& image);
    // Text placed on a board through the shared text layout, in the record's font and colour.
    void PlaceText(int board, const QRect& rect, const QString& text, const QString& fontName, int points,
                   TColor color);
    // A board made ready for a slide or a library image: white, 1024 x 768, the board's style unchanged.
    void PrepareSlideBoard(int board);

    // The local gesture, driven by the mouse through BoardGesture; its state is the local user's alone.
    std::optional<int> GestureBoard() const { return m_gestureBoard; }
    // LocalLast and the board's pen go to the point; OutgoingBatch becomes its move-to.
    void BeginGesture(int board, QPoint point);
    // Takes the rubber band off; LocalLast := point.
    void EndGesture(QPoint point);
    // Empties OutgoingBatch unless a gesture is in progress.
    void DiscardBatch();
    // Draws the rubber band of DrawTool from P1 to P2 on the gesture's board in not-xor, remembering it.
    void ShowPreview(QPoint p1, QPoint p2);
    // Draws the rubber band on show once more, which takes it off the board.
    void HidePreview();

signals:
    // The area of a board whose pixels changed, in board pixels; a board that grew or shrank reports its
    // whole new area.
    void BoardChanged(int board, const QRect& area);
    void CurrentBoardChanged(int board);

private:
    class PreviewPause;
    struct Preview {
        bool shown = false;
        QPoint p1, p2;
        BoardStyle style;
    };

    void drawPreview();

    SendFunction m_send;
    std::array<BoardCanvas, kBoardCount> m_boards;
    int m_currentBoard = 1;
    std::uint8_t m_drawTool = BoardKind::Select;
    bool m_publicBoardAccess = false;
    TBBPackage m_outgoing;
    TBBPackage m_incoming;
    QPoint m_localLast;
    QPoint m_remoteLast;
    int m_toolbarPenWidth = 3;
    TColor m_toolbarPenColor = kBoardBlack;
    std::optional<int> m_gestureBoard;
    Preview m_preview;
};

} // namespace orv
