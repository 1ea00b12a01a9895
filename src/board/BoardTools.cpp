#include "board/BoardTools.h"

#include "board/BoardExport.h"
#include "board/BoardGesture.h"
#include "board/BoardJpeg.h"
#include "board/BoardMessageIds.h"
#include "board/BoardSharing.h"
#include "board/PictureFit.h"
#include "board/Whiteboard.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "session/ResourceTransfers.h"
#include "session/SessionContext.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace orv {

namespace {

// The cursor a tool takes, and whether it turns snapping on or off; nullopt leaves either as it is.
struct ToolLook {
    std::optional<BoardCursor> cursor;
    std::optional<bool> snap;
};

ToolLook LookOf(std::uint8_t tool) {
    switch (tool) {
    case BoardKind::Select:
        return {BoardCursor::Arrow, {}};
    case BoardKind::Line:
    case BoardKind::Rectangle:
    case BoardKind::Circle:
    case BoardKind::Oval:
    case BoardKind::AreaEraser:
        return {BoardCursor::Cross, {}};
    case BoardKind::Handwriting:
    case BoardKind::Highlighter:
    case BoardKind::Eraser:
        return {BoardCursor::Pen, false};
    case BoardKind::Text:
        return {BoardCursor::IBeam, {}};
    case BoardKind::OneQuadrant:
    case BoardKind::FourQuadrants:
        return {BoardCursor::Cross, true};
    case BoardKind::Fill:
        return {{}, false};
    case BoardKind::Mark:
        return {BoardCursor::Mark, false};
    default:
        return {};
    }
}

// Pictures drawn rather than stored as pixels get one white pixel more in each direction.
bool DrawnPicture(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "ico" || suffix == "cur" || suffix == "svg" || suffix == "svgz" || suffix == "wmf" ||
           suffix == "emf";
}

QImage OnWhite(const QImage& picture, QSize size) {
    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, picture);
    return bitmap;
}

} // namespace

TBoardTools::TBoardTools(TSessionContext& context, Whiteboard& boards, BoardGesture& gesture,
                         TBoardSharing& sharing, IMessageSink& boardWindow)
    : m_context(context), m_boards(boards), m_gesture(gesture), m_sharing(sharing),
      m_boardWindow(boardWindow), m_textBox(boards, sharing) {}

void TBoardTools::SetTransfers(IResourceTransfers* transfers, const QString& temporaryFolder) {
    m_transfers = transfers;
    m_temporaryFolder = temporaryFolder;
}

void TBoardTools::ApplyDrawingDefaults(int penWidth, TColor penColor) {
    m_drawing.penWidth = std::clamp(penWidth, kMinPenWidth, kMaxPenWidth);
    m_drawing.penColor = penColor;
    emit Changed();
}

void TBoardTools::SaveDrawingDefaults() {
    if (!m_store)
        return;
    m_store->WriteInteger("", "DefPenWidth", m_drawing.penWidth);
    m_store->WriteText("", "DefPenColor", ColorToText(m_drawing.penColor));
    m_store->Flush();
}

std::uint8_t TBoardTools::DrawTool() const {
    return m_boards.DrawTool();
}

TToolOptions TBoardTools::ToolOptions(std::uint8_t tool) {
    using namespace BoardKind;
    TToolOptions options;
    options.penWidth = tool <= Handwriting || tool == Circle || tool == Eraser;
    options.penColor = tool <= Handwriting || tool == Circle || tool == Highlighter;
    options.fill =
        tool == Rectangle || tool == Oval || tool == RoundRectangle || tool == Circle || tool == Fill;
    return options;
}

BoardCursor TBoardTools::Cursor() const {
    if (Placing())
        return BoardCursor::Move;
    if (DrawTool() == BoardKind::Select)
        return BoardCursor::Arrow;
    return m_cursor;
}

void TBoardTools::takeSelect() {
    m_boards.SetDrawTool(BoardKind::Select);
    m_cursor = BoardCursor::Arrow;
    m_optionsTool = BoardKind::Select;
    m_markDown = false;
    if (m_savedStyle)
        m_savedStyle->tool = BoardKind::Select;
}

void TBoardTools::LeaveTool(std::uint8_t newTool, bool commit) {
    if (DrawTool() == BoardKind::Mark)
        m_cursor = BoardCursor::Arrow;
    if (m_textBox.IsOpen()) {
        if (commit)
            m_textBox.Commit();
        m_textBox.Close();
        if (m_savedStyle)
            m_boards.RestoreBoardStyle(m_boards.CurrentBoard(), *m_savedStyle);
    }
    if (newTool == BoardKind::Select)
        takeSelect();
    emit Changed();
}

void TBoardTools::TakeTool(std::uint8_t tool) {
    LeaveTool(tool, true);
    m_boards.SetDrawTool(tool);
    const ToolLook look = LookOf(tool);
    if (look.cursor)
        m_cursor = *look.cursor;
    if (look.snap)
        m_gesture.SetSnap(*look.snap);
    m_optionsTool = tool;
    m_markDown = tool == BoardKind::Mark;
    if (tool == BoardKind::Fill && m_drawing.fillStyle == BoardBrush::Clear) {
        m_drawing.fillStyle = BoardBrush::Solid;
        applyBrush();
    }
    emit Changed();
}

void TBoardTools::SetMarkButton(bool down) {
    if (!down) {
        TakeTool(BoardKind::Select);
        return;
    }
    TakeTool(BoardKind::Mark);
}

void TBoardTools::ChooseMark(int picture) {
    m_gesture.SetMark(picture);
    if (m_markDown)
        TakeTool(BoardKind::Mark);
    else
        emit Changed();
}

int TBoardTools::Mark() const {
    return m_gesture.Mark();
}

void TBoardTools::SetPenWidth(int width) {
    m_drawing.penWidth = std::clamp(width, kMinPenWidth, kMaxPenWidth);
    BoardCanvas& board = m_boards.Board(m_boards.CurrentBoard());
    PenState pen = board.Pen();
    pen.width = m_drawing.penWidth;
    pen.style = PenStyle::Solid;
    board.SetPen(pen);
    emit Changed();
}

void TBoardTools::SetPenColor(TColor color) {
    m_drawing.penColor = color;
    BoardCanvas& board = m_boards.Board(m_boards.CurrentBoard());
    PenState pen = board.Pen();
    pen.color = color;
    board.SetPen(pen);
    emit Changed();
}

void TBoardTools::SetFillColor(TColor color) {
    m_drawing.fillColor = color;
    BoardCanvas& board = m_boards.Board(m_boards.CurrentBoard());
    board.SetBrush({color, board.Brush().style});
    emit Changed();
}

void TBoardTools::SetFillStyle(std::uint8_t style) {
    m_drawing.fillStyle = style <= BoardBrush::DiagonalCross ? style : BoardBrush::Clear;
    applyBrush();
    emit Changed();
}

void TBoardTools::applyBrush() {
    m_boards.Board(m_boards.CurrentBoard()).SetBrush({m_drawing.fillColor, m_drawing.fillStyle});
}

bool TBoardTools::Snap() const {
    return m_gesture.Snap();
}

void TBoardTools::SetSnap(bool snap) {
    m_gesture.SetSnap(snap);
    emit Changed();
}

void TBoardTools::SetHideWindowWhileCapturing(bool hide) {
    m_hideWindow = hide;
    emit Changed();
}

bool TBoardTools::holdsLockOrPrivate() const {
    return m_boards.CurrentBoard() == kPrivateBoard || m_sharing.HoldsLock();
}

TBoardActionStates TBoardTools::Actions() const {
    const bool textTool = DrawTool() == BoardKind::Text;
    TBoardActionStates states;
    states.drawingTools = m_sharing.DrawingToolbarVisible();
    states.boardChoice = !textTool;
    states.capture = !m_context.state.IsPlayback() && !textTool && holdsLockOrPrivate();
    states.openPicture = !textTool && holdsLockOrPrivate();
    states.upload = m_context.state.account.CanManageLibrary();
    states.clear = m_sharing.ClearBoardEnabled();
    states.lock = m_sharing.LockBoardEnabled();
    states.lockChecked = m_sharing.LockBoardChecked();
    return states;
}

void TBoardTools::MouseDown(Qt::MouseButton button, QPoint point) {
    if (m_sharing.LoadingHistory())
        return;
    if (Placing()) {
        if (button == Qt::LeftButton && !m_placement.isNull()) {
            placeAndShare(point, m_placement);
        }
        endPlacement();
        return;
    }
    m_gesture.BoardMouseDown(button, point.x(), point.y());
    if (button == Qt::LeftButton && DrawTool() == BoardKind::Text)
        m_boardWindow.post(BoardMsg::CreateTextBox, point.x(), point.y());
    if (button == Qt::RightButton)
        m_sharing.PointerPress(point);
}

void TBoardTools::MouseMove(Qt::MouseButtons buttons, QPoint point) {
    if (m_sharing.LoadingHistory())
        return;
    if (Placing()) {
        m_outline = point;
        return;
    }
    if (m_sharing.PointerActive())
        m_sharing.PointerMove(point);
    m_gesture.BoardMouseMove(buttons, point.x(), point.y());
}

void TBoardTools::MouseUp(Qt::MouseButton button, QPoint point) {
    if (m_sharing.LoadingHistory())
        return;
    if (button == Qt::RightButton && m_sharing.PointerActive()) {
        m_sharing.PointerRelease(point);
        return;
    }
    const std::uint8_t before = DrawTool();
    m_gesture.BoardMouseUp(button, point.x(), point.y());
    if (DrawTool() != before) { // a coordinate system returns to the select tool
        takeSelect();
        emit Changed();
    }
}

void TBoardTools::PrepareCapture() {
    LeaveTool(BoardKind::Select, true);
    m_savedStyle = m_boards.SaveBoardStyle(m_boards.CurrentBoard());
}

void TBoardTools::BeginPlacement(const QImage& capture) {
    if (!m_savedStyle)
        m_savedStyle = m_boards.SaveBoardStyle(m_boards.CurrentBoard());
    m_placement = capture;
    m_boards.SetDrawTool(BoardKind::PlaceCapture);
    BoardCanvas& board = m_boards.Board(m_boards.CurrentBoard());
    board.SetPen({kBoardBlack, 1, PenStyle::Dotted});
    m_outline = QPoint(0, 0);
    emit Changed();
}

bool TBoardTools::Placing() const {
    return DrawTool() == BoardKind::PlaceCapture;
}

// Either way the whole style comes back, pen and brush, not the pen's style alone.
void TBoardTools::endPlacement() {
    if (m_savedStyle)
        m_boards.RestoreBoardStyle(m_boards.CurrentBoard(), *m_savedStyle);
    m_placement = QImage();
    takeSelect();
    emit Changed();
}

void TBoardTools::placeAndShare(QPoint topLeft, const QImage& image) {
    const int board = m_boards.CurrentBoard();
    QImage shown = image;
    if (board > kPrivateBoard && m_sharing.HoldsLock() && m_boards.PublicBoardAccess() && !image.isNull()) {
        if (const std::optional<QImage> decoded = DecodeBoardJpeg(EncodeBoardJpeg(image)))
            shown = *decoded;
        m_sharing.SendBoardImage(image, QRect(topLeft, image.size()), board);
    }
    m_boards.PlaceImage(board, topLeft, shown);
}

QImage TBoardTools::LoadPicture(const QString& path) {
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    const QSize size = DrawnPicture(path) ? picture.size() + QSize(1, 1) : picture.size();
    return OnWhite(picture, size);
}

QImage TBoardTools::FitToCurrentBoard(const QImage& picture) {
    QImage bitmap = OnWhite(picture, picture.size());
    BoardCanvas& canvas = m_boards.Board(m_boards.CurrentBoard());
    const QSize boardSize(canvas.Width(), canvas.Height());
    if (LargerThanBoard(bitmap.size(), boardSize)) {
        if (m_context.dialogs.Question(tr(
                "The size of this image is larger than the white board.\r\nDo you want to shrink the image "
                "to "
                "fit on the whiteboard or expand the whiteboard up to the image size?\r\nPress Yes to shrink "
                "the image or No to expand the whitebaord.")))
            bitmap = bitmap.scaled(ShrinkToBoard(bitmap.size(), boardSize), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
        else
            canvas.Resize(ExpandBoard(boardSize, bitmap.size()));
    }
    return bitmap;
}

bool TBoardTools::OpenPicture(const QImage& picture) {
    if (picture.isNull())
        return false;
    const int board = m_boards.CurrentBoard();
    const BoardStyle style = m_boards.SaveBoardStyle(board);
    placeAndShare({0, 0}, FitToCurrentBoard(picture));
    m_boards.RestoreBoardStyle(board, style);
    emit Changed();
    return true;
}

bool TBoardTools::SaveBoardBitmap(const QString& path) const {
    return m_boards.Board(m_boards.CurrentBoard()).Image().save(path, "BMP");
}

bool TBoardTools::UploadBoard(const QString& comment) {
    if (comment.trimmed().isEmpty()) {
        m_context.dialogs.Information(tr("Image not uploaded"));
        return false;
    }
    const QString name = QStringLiteral("board_%1_%2.jpg")
                             .arg(m_context.state.account.UserId())
                             .arg(m_context.clock.tickCount());
    m_lastUpload = QDir(m_temporaryFolder).filePath(name);
    if (!m_boards.Board(m_boards.CurrentBoard()).Image().save(m_lastUpload, "JPEG", kUploadJpegQuality))
        return false;
    if (m_transfers)
        m_transfers->StartUpload(m_lastUpload, comment, {}, tkLibraryImage);
    return true;
}

bool TBoardTools::ExportBoardPng(const QString& path) const {
    return ExportBoardImage(m_boards.Board(m_boards.CurrentBoard()).Image(), path);
}

int TBoardTools::ExportAllBoardsPdf(const QString& path) const {
    std::vector<QImage> pages;
    // The public boards in order, then the private one.
    for (int board : {1, 2, 3, 4, 5, kPrivateBoard})
        if (BoardHasContent(m_boards.Board(board).Image()))
            pages.push_back(m_boards.Board(board).Image());
    return ExportBoardsPdf(pages, path, m_context.state.room.Name(), QDateTime::currentDateTime());
}

void TBoardTools::CreateTextBox(QPoint point) {
    LeaveTool(BoardKind::Text, true);
    m_boards.SetDrawTool(BoardKind::Text);
    m_cursor = BoardCursor::IBeam;
    m_savedStyle = m_boards.SaveBoardStyle(m_boards.CurrentBoard());
    m_textBox.Open(point, m_textDefaults);
    emit Changed();
}

void TBoardTools::TextBoxEnter() {
    if (!m_textBox.IsOpen())
        return;
    const QRect box = m_textBox.Rect();
    m_boardWindow.post(BoardMsg::TextBoxEnter, 0, 0);
    m_boardWindow.post(BoardMsg::CreateTextBox, box.left(),
                       box.top() + box.height() + TTextBoxModel::kBelowBox);
}

void TBoardTools::TextBoxEscape() {
    m_boardWindow.post(BoardMsg::TextBoxEnded, 1, 1);
}

void TBoardTools::ChangeTextFont(const TTextBoxFont& font) {
    m_textBox.SetFont(font);
    m_textDefaults = font;
    if (m_store) {
        m_store->WriteText("", "TextBoxFont", font.name);
        m_store->WriteText("", "TextBoxFontColor", ColorToText(font.color));
        m_store->WriteInteger("", "TextBoxFontSize", font.points);
        m_store->Flush();
    }
    emit Changed();
}

void TBoardTools::SetTextBoxText(const QString& text) {
    m_textBox.SetText(text);
    emit Changed();
}

} // namespace orv
