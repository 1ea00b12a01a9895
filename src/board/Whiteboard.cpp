#include "board/Whiteboard.h"

#include "board/BoardText.h"
#include "board/KindRendering.h"
#include "protocol/CommandCatalogue.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace orv {

namespace {

TBBItem PlacedItem(int board, std::uint8_t kind, QPoint p1, QPoint p2) {
    TBBItem item;
    item.SetBoard(std::uint8_t(board));
    item.SetKind(kind);
    item.SetX1(std::uint16_t(p1.x()));
    item.SetY1(std::uint16_t(p1.y()));
    item.SetX2(std::uint16_t(p2.x()));
    item.SetY2(std::uint16_t(p2.y()));
    return item;
}

// A move-to carries zero in its style fields.
TBBItem MoveToItem(int board, QPoint point) {
    return PlacedItem(board, BoardKind::MoveTo, point, point);
}

TBBItem DrawingItem(int board, std::uint8_t kind, QPoint p1, QPoint p2, const BoardCanvas& canvas) {
    TBBItem item = PlacedItem(board, kind, p1, p2);
    item.SetPenWidth(std::uint8_t(canvas.Pen().width));
    item.SetPenColor(canvas.Pen().color);
    item.SetBrushStyle(canvas.Brush().style);
    item.SetBrushColor(canvas.Brush().color);
    return item;
}

template <std::size_t... Index>
std::array<BoardCanvas, sizeof...(Index)> MakeBoards(QSize size, std::index_sequence<Index...>) {
    return {((void)Index, BoardCanvas(size))...};
}

QPoint FirstPoint(const TBBItem& item) {
    return {item.X1(), item.Y1()};
}

QPoint SecondPoint(const TBBItem& item) {
    return {item.X2(), item.Y2()};
}

} // namespace

// Takes the rubber band off the board for the scope's duration, so that drawing by anyone but the gesture
// lands on the board's own pixels, and puts it back on the result.
class Whiteboard::PreviewPause {
public:
    explicit PreviewPause(Whiteboard& boards) : m_boards(boards), m_wasShown(boards.m_preview.shown) {
        if (m_wasShown)
            m_boards.HidePreview();
    }
    ~PreviewPause() {
        if (m_wasShown && m_boards.m_gestureBoard) {
            m_boards.drawPreview();
            m_boards.m_preview.shown = true;
        }
    }
    PreviewPause(const PreviewPause&) = delete;
    PreviewPause& operator=(const PreviewPause&) = delete;

private:
    Whiteboard& m_boards;
    bool m_wasShown;
};

Whiteboard::Whiteboard(SendFunction send, QSize boardSize)
    : m_send(std::move(send)), m_boards(MakeBoards(boardSize, std::make_index_sequence<kBoardCount>())) {
    for (int board = 0; board < kBoardCount; ++board)
        Board(board).SetChangeListener([this, board](const QRect& area) { emit BoardChanged(board, area); });
}

void Whiteboard::SetCurrentBoard(int board) {
    if (!IsBoardIndex(board) || board == m_currentBoard)
        return;
    m_currentBoard = board;
    emit CurrentBoardChanged(board);
}

void Whiteboard::InitBoards(int penWidth, TColor penColor) {
    HidePreview();
    m_gestureBoard.reset();
    m_outgoing.clear();
    for (BoardCanvas& board : m_boards) {
        board.MoveTo({0, 0});
        board.SetBrush({board.Brush().color, BoardBrush::Clear});
    }
    m_currentBoard = 1;
    m_drawTool = BoardKind::Select;
    m_toolbarPenWidth = std::clamp(penWidth, kMinPenWidth, kMaxPenWidth);
    m_toolbarPenColor = penColor;
    PenState pen = m_boards[1].Pen();
    pen.width = m_toolbarPenWidth;
    m_boards[1].SetPen(pen);
}

void Whiteboard::RenderItem(int board, QPoint p1, QPoint p2, PenMode mode, bool record) {
    if (!IsBoardIndex(board))
        return;
    BoardCanvas& canvas = Board(board);
    DrawKind(canvas, m_drawTool, p1, p2, mode, record ? m_localLast : m_remoteLast);
    if (record && mode == PenMode::Copy)
        m_outgoing.push_back(DrawingItem(board, m_drawTool, p1, p2, canvas));
}

BoardStyle Whiteboard::SaveBoardStyle(int board) const {
    const BoardCanvas& canvas = Board(board);
    return {canvas.Brush(), canvas.Pen(), m_drawTool};
}

void Whiteboard::RestoreBoardStyle(int board, const BoardStyle& style) {
    BoardCanvas& canvas = Board(board);
    canvas.SetBrush(style.brush);
    canvas.SetPen(style.pen);
    m_drawTool = style.tool;
}

void Whiteboard::ApplyItemStyle(int board, const TBBItem& item) {
    BoardCanvas& canvas = Board(board);
    canvas.SetPen({item.PenColor(), item.PenWidth(), PenStyle::Solid});
    canvas.SetBrush({item.BrushColor(), item.BrushStyle()});
    m_drawTool = item.Kind();
}

void Whiteboard::ReplayBatch(const TBBPackage& items) {
    PreviewPause pause(*this);
    std::array<QPoint, kBoardCount> penPositions;
    for (std::size_t b = 0; b < m_boards.size(); ++b)
        penPositions[b] = m_boards[b].PenPosition();
    for (const TBBItem& item : items) {
        if (!IsReplayable(item))
            continue;
        const int board = item.Board();
        const BoardStyle style = SaveBoardStyle(board);
        if (item.Kind() == BoardKind::MoveTo) {
            Board(board).MoveTo(FirstPoint(item));
            m_remoteLast = FirstPoint(item);
        } else {
            ApplyItemStyle(board, item);
            RenderItem(board, FirstPoint(item), SecondPoint(item), PenMode::Copy, false);
        }
        RestoreBoardStyle(board, style);
    }
    for (std::size_t b = 0; b < m_boards.size(); ++b)
        m_boards[b].MoveTo(penPositions[b]);
}

void Whiteboard::ReceiveBatch(TBoardDrawingBatch batch) {
    if (!IsPublicBoard(batch.board))
        return;
    m_incoming = std::move(batch.items);
    ReplayBatch(m_incoming);
}

void Whiteboard::SendBatch() {
    if (m_outgoing.size() <= 1)
        return;
    const int board = m_outgoing.front().Board();
    if (!IsPublicBoard(board))
        return;
    if (m_publicBoardAccess)
        m_send(cmBoardDrawing, TBoardDrawingBatch{board, m_outgoing}.encode());
    m_outgoing.clear();
}

void Whiteboard::ClearBoardImage(int board) {
    if (!IsBoardIndex(board))
        return;
    PreviewPause pause(*this);
    if (!m_gestureBoard)
        m_outgoing = {MoveToItem(board, {0, 0})};
    else if (*m_gestureBoard == board)
        m_outgoing = {MoveToItem(board, m_localLast)};
    const BoardStyle style = SaveBoardStyle(board);
    m_drawTool = BoardKind::Clear;
    Board(board).SetBrush({kBoardWhite, BoardBrush::Solid});
    Board(board).Resize({BoardCanvas::kDefaultWidth, BoardCanvas::kDefaultHeight});
    RenderItem(board, {0, 0}, {Board(board).Width(), Board(board).Height()}, PenMode::Copy, false);
    RestoreBoardStyle(board, style);
}

void Whiteboard::DrawPicture(int board, const QImage& picture) {
    const int target = board == -1 ? m_currentBoard : board;
    if (!IsBoardIndex(target) || picture.isNull())
        return;
    PreviewPause pause(*this);
    {
        QPainter painter(&Board(target).Pixels());
        painter.drawImage(QPoint(0, 0), picture);
    }
    Board(target).MarkChanged(picture.rect());
}

void Whiteboard::PlaceImage(int board, QPoint topLeft, const QImage& image) {
    if (!IsBoardIndex(board) || image.isNull())
        return;
    PreviewPause pause(*this);
    BoardCanvas& canvas = Board(board);
    canvas.Resize({std::max(canvas.Width(), image.width()), std::max(canvas.Height(), image.height())});
    {
        QPainter painter(&canvas.Pixels());
        painter.drawImage(topLeft, image);
    }
    canvas.MarkChanged(QRect(topLeft, image.size()));
}

void Whiteboard::PlaceText(int board, const QRect& rect, const QString& text, const QString& fontName,
                           int points, TColor color) {
    if (!IsBoardIndex(board))
        return;
    PreviewPause pause(*this);
    DrawBoardText(Board(board).Pixels(), rect, text, BoardTextFont(fontName, points), color);
    // Glyphs may reach past the text's rectangle.
    Board(board).MarkChanged(Board(board).Image().rect());
}

void Whiteboard::PrepareSlideBoard(int board) {
    if (!IsBoardIndex(board))
        return;
    PreviewPause pause(*this);
    const BoardStyle style = SaveBoardStyle(board);
    Board(board).SetBrush({kBoardWhite, BoardBrush::Solid});
    Board(board).Resize({BoardCanvas::kDefaultWidth, BoardCanvas::kDefaultHeight});
    m_drawTool = BoardKind::AreaEraser;
    RenderItem(board, {0, 0}, {Board(board).Width(), Board(board).Height()}, PenMode::Copy, false);
    RestoreBoardStyle(board, style);
}

void Whiteboard::BeginGesture(int board, QPoint point) {
    if (!IsBoardIndex(board))
        return;
    HidePreview();
    m_gestureBoard = board;
    m_localLast = point;
    Board(board).MoveTo(point);
    m_outgoing = {MoveToItem(board, point)};
}

void Whiteboard::EndGesture(QPoint point) {
    HidePreview();
    m_gestureBoard.reset();
    m_localLast = point;
}

void Whiteboard::DiscardBatch() {
    if (!m_gestureBoard)
        m_outgoing.clear();
}

void Whiteboard::ShowPreview(QPoint p1, QPoint p2) {
    if (!m_gestureBoard)
        return;
    HidePreview();
    m_preview = {true, p1, p2, SaveBoardStyle(*m_gestureBoard)};
    drawPreview();
}

void Whiteboard::HidePreview() {
    if (!m_preview.shown)
        return;
    m_preview.shown = false;
    if (m_gestureBoard)
        drawPreview();
}

void Whiteboard::drawPreview() {
    const int board = *m_gestureBoard;
    const BoardStyle current = SaveBoardStyle(board);
    RestoreBoardStyle(board, m_preview.style);
    RenderItem(board, m_preview.p1, m_preview.p2, PenMode::NotXor, false);
    RestoreBoardStyle(board, current);
}

} // namespace orv
