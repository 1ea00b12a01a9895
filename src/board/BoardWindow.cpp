#include "board/BoardWindow.h"

#include "board/BoardGesture.h"
#include "board/BoardSharing.h"
#include "board/BoardTools.h"
#include "board/BoardView.h"
#include "board/ColorChoiceBox.h"
#include "board/FontSettingsWindow.h"
#include "board/MarkImages.h"
#include "board/PointerImages.h"
#include "board/ScreenAreaWindow.h"
#include "board/TextEditBox.h"
#include "board/Whiteboard.h"
#include "platform/Dialogs.h"
#include "platform/PortalScreenshot.h"
#include "platform/ScreenCapture.h"
#include "platform/WaylandDesktop.h"

#include <QAction>
#include <QActionGroup>
#include <QBitmap>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv {

namespace {

struct ToolRow {
    const char* button;
    const char* action;
    std::uint8_t tool;
    const char* hint;
};

// The drawing tool bar, left to right, before the pointer and mark buttons.
constexpr ToolRow kTools[] = {
    {"sb_Tool_Select", "acToolSelect", BoardKind::Select, QT_TRANSLATE_NOOP("orv::TfrmBoard", "Nothing")},
    {"sb_Tool_Line", "acToolLine", BoardKind::Line,
     QT_TRANSLATE_NOOP("orv::TfrmBoard", "Draw a Straight Line")},
    {"sb_Tool_Rect", "acToolRect", BoardKind::Rectangle,
     QT_TRANSLATE_NOOP("orv::TfrmBoard", "Draw a Rectangle")},
    {"sb_Tool_Circle", "acToolCircle", BoardKind::Circle,
     QT_TRANSLATE_NOOP("orv::TfrmBoard", "Draw a Circle")},
    {"sb_Tool_Ellips", "acToolEllipse", BoardKind::Oval, QT_TRANSLATE_NOOP("orv::TfrmBoard", "Draw an oval")},
    {"sb_Tool_FreeHand", "acToolFreeHand", BoardKind::Handwriting,
     QT_TRANSLATE_NOOP("orv::TfrmBoard", "Handwriting Tool")},
    {"sb_Tool_HighLite", "acToolHighlight", BoardKind::Highlighter,
     QT_TRANSLATE_NOOP("orv::TfrmBoard", "Highlight")},
    {"sb_Tool_Text", "acToolText", BoardKind::Text,
     QT_TRANSLATE_NOOP("orv::TfrmBoard", "Text Rectangle Tool")},
    {"SpeedButton1", "acToolCoordinatesQ1", BoardKind::OneQuadrant,
     QT_TRANSLATE_NOOP("orv::TfrmBoard", "Single quandrant coordinate system")},
    {"SpeedButton2", "acToolCoordinates", BoardKind::FourQuadrants,
     QT_TRANSLATE_NOOP("orv::TfrmBoard", "4 quandrant coordinate system")},
    {"sb_Tool_Fill", "acToolFill", BoardKind::Fill, QT_TRANSLATE_NOOP("orv::TfrmBoard", "Fill area tool")},
    {"sb_Tool_Rubber", "acToolRubber", BoardKind::Eraser,
     QT_TRANSLATE_NOOP("orv::TfrmBoard", "Freehand Eraser Tool")},
    {"sb_Tool_AreaEraser", "acToolAreaEraser", BoardKind::AreaEraser,
     QT_TRANSLATE_NOOP("orv::TfrmBoard", "Rectangular Area Eraser Tool")},
};

struct MarkRow {
    const char* name;
    int picture;
};

constexpr MarkRow kMarks[] = {
    {QT_TRANSLATE_NOOP("orv::TfrmBoard", "Green Check Mark"), MarkPicture::GreenCheckMark},
    {QT_TRANSLATE_NOOP("orv::TfrmBoard", "Red Check Mark"), MarkPicture::RedCheckMark},
    {QT_TRANSLATE_NOOP("orv::TfrmBoard", "Smily Face"), MarkPicture::SmilyFace},
    {QT_TRANSLATE_NOOP("orv::TfrmBoard", "Blue Star"), MarkPicture::BlueStar},
    {QT_TRANSLATE_NOOP("orv::TfrmBoard", "Red X"), MarkPicture::RedX},
};

// A small picture of what each tool draws.
QIcon ToolIcon(std::uint8_t tool) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    switch (tool) {
    case BoardKind::Select: {
        QPainterPath arrow(QPointF(5, 2));
        arrow.lineTo(5, 16);
        arrow.lineTo(9, 12);
        arrow.lineTo(12, 18);
        arrow.lineTo(14, 17);
        arrow.lineTo(11, 11);
        arrow.lineTo(16, 11);
        arrow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(arrow);
        break;
    }
    case BoardKind::Line:
        p.drawLine(3, 17, 17, 3);
        break;
    case BoardKind::Rectangle:
        p.drawRect(3, 5, 14, 10);
        break;
    case BoardKind::Circle:
        p.drawEllipse(QPointF(10, 10), 7, 7);
        break;
    case BoardKind::Oval:
        p.drawEllipse(QRectF(2, 5, 16, 10));
        break;
    case BoardKind::Handwriting: {
        QPainterPath wave(QPointF(2, 14));
        wave.cubicTo(6, 2, 10, 18, 18, 5);
        p.setPen(QPen(Qt::black, 2));
        p.drawPath(wave);
        break;
    }
    case BoardKind::Highlighter:
        p.setPen(QPen(QColor(255, 230, 0), 6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(3, 10, 17, 10);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(3, 15, 17, 15);
        break;
    case BoardKind::OneQuadrant:
        p.drawLine(4, 2, 4, 16);
        p.drawLine(4, 16, 18, 16);
        break;
    case BoardKind::FourQuadrants:
        p.drawLine(10, 2, 10, 18);
        p.drawLine(2, 10, 18, 10);
        break;
    case BoardKind::Fill: {
        p.setBrush(QColor(40, 110, 220));
        p.drawPolygon(QPolygonF({QPointF(4, 9), QPointF(10, 3), QPointF(16, 9), QPointF(10, 15)}));
        p.drawEllipse(QPointF(16, 15), 1.5, 2.5);
        break;
    }
    case BoardKind::Eraser:
        p.setBrush(QColor(240, 160, 170));
        p.drawPolygon(QPolygonF({QPointF(3, 13), QPointF(11, 5), QPointF(17, 10), QPointF(9, 18)}));
        break;
    case BoardKind::AreaEraser:
        p.setPen(QPen(Qt::red, 1, Qt::DotLine));
        p.setBrush(Qt::white);
        p.drawRect(3, 4, 14, 12);
        break;
    default:
        break;
    }
    return pixmap;
}

QCursor PenCursor() {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(
        QPolygonF({QPointF(1, 23), QPointF(3, 17), QPointF(18, 2), QPointF(22, 6), QPointF(7, 21)}));
    return QCursor(pixmap, 1, 22);
}

QPixmap MarkPixmap(int picture, int size) {
    QPixmap pixmap = QPixmap::fromImage(MarkImage(picture));
    pixmap.setMask(pixmap.createMaskFromColor(Qt::white));
    return size == kMarkImageSize ? pixmap
                                  : pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

const char* const kBrushNames[] = {
    QT_TRANSLATE_NOOP("orv::TfrmBoard", "Clear"),
    QT_TRANSLATE_NOOP("orv::TfrmBoard", "Solid"),
    QT_TRANSLATE_NOOP("orv::TfrmBoard", "Horizontal"),
    QT_TRANSLATE_NOOP("orv::TfrmBoard", "Vertical"),
    QT_TRANSLATE_NOOP("orv::TfrmBoard", "Forward diagonal"),
    QT_TRANSLATE_NOOP("orv::TfrmBoard", "Backward diagonal"),
    QT_TRANSLATE_NOOP("orv::TfrmBoard", "Cross"),
    QT_TRANSLATE_NOOP("orv::TfrmBoard", "Diagonal cross"),
};
// The brush style of each entry of the fill style box: clear first, solid second.
constexpr std::uint8_t kBrushStyles[] = {BoardBrush::Clear,           BoardBrush::Solid,
                                         BoardBrush::Horizontal,      BoardBrush::Vertical,
                                         BoardBrush::ForwardDiagonal, BoardBrush::BackwardDiagonal,
                                         BoardBrush::Cross,           BoardBrush::DiagonalCross};

} // namespace

TfrmBoard::TfrmBoard(Whiteboard& boards, TBoardTools& tools, TBoardSharing& sharing, IDialogs& dialogs,
                     int gridSize, QAction* lockBoard, QWidget* parent)
    : QWidget(parent), m_boards(boards), m_tools(tools), m_sharing(sharing), m_dialogs(dialogs) {
    setObjectName("frmBoard");
    setWindowTitle(tr("Board"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildTopBar(lockBoard);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName("BoardScroll");
    m_scroll->setAccessibleName(tr("Whiteboard"));
    m_scroll->setBackgroundRole(QPalette::Mid);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_view = new TBoardView(boards, tools, sharing, m_scroll);
    m_scroll->setWidget(m_view);
    layout->addWidget(m_scroll, 1);
    buildToolBox();
    layout->addWidget(m_toolBox);
    SetGridSize(gridSize);
    connect(&m_tools, &TBoardTools::Changed, this, &TfrmBoard::Refresh);
    Refresh();
}

TfrmBoard::~TfrmBoard() {
    delete m_fontsForm.data();
}

QAction* TfrmBoard::addAction(const QString& text, const char* name) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    m_actions[name] = action;
    return action;
}

QAction* TfrmBoard::Action(const QString& name) const {
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

QToolButton* TfrmBoard::ToolButton(std::uint8_t tool) const {
    const auto it = m_toolButtons.find(tool);
    return it == m_toolButtons.end() ? nullptr : it->second;
}

void TfrmBoard::buildTopBar(QAction* lockBoard) {
    // One row: the board keeps the height a second row would take.
    auto* bars = new QWidget(this);
    auto* rows = new QHBoxLayout(bars);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    auto* top = new QToolBar(bars);
    top->setObjectName("tbar_BoardController");
    top->setToolButtonStyle(Qt::ToolButtonTextOnly);
    if (lockBoard) {
        lockBoard->setParent(this);
        m_actions["acCaptureBoard"] = lockBoard;
        top->addAction(lockBoard);
    }
    QAction* clear = addAction(tr("Clear Board"), "acClearBoard");
    connect(clear, &QAction::triggered, this, [this] {
        m_tools.LeaveTool(BoardKind::Select, true);
        m_sharing.ExecuteClearBoard();
    });
    top->addAction(clear);

    auto* boardMenu = new QMenu(this);
    boardMenu->setObjectName("pmBoard");
    for (int board = 1; board <= 5; ++board) {
        QAction* pick =
            addAction(tr("Public Board %1").arg(board), qPrintable(QStringLiteral("acBoard_%1").arg(board)));
        connect(pick, &QAction::triggered, this, [this, board] { m_sharing.SwitchBoard(board, true); });
        boardMenu->addAction(pick);
    }
    boardMenu->addSeparator();
    QAction* privateBoard = addAction(tr("Private Board"), "acPrivateBoard");
    connect(privateBoard, &QAction::triggered, this, [this] { m_sharing.SwitchBoard(kPrivateBoard, true); });
    boardMenu->addAction(privateBoard);
    // The keyboard's way to a board of one's own, where the tools are always there; the menu shows the key,
    // and the window holds the action so that the key works while the menu is closed.
    privateBoard->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QWidget::addAction(privateBoard);
    boardMenu->addSeparator();
    QAction* save = addAction(tr("Save current image to local disk"), "acSaveToFile");
    connect(save, &QAction::triggered, this, [this] {
        chooseFile(true, tr("Bitmaps (*.bmp)"), "bmp", [this](const QString& path) {
            if (!m_tools.SaveBoardBitmap(path))
                m_dialogs.Error(tr("The board could not be saved to %1.").arg(path));
        });
    });
    boardMenu->addAction(save);
    QAction* upload = addAction(tr("Upload current image to server"), "acUploadToServer");
    connect(upload, &QAction::triggered, this, [this] { uploadBoard(); });
    boardMenu->addAction(upload);
    boardMenu->addSeparator();
    QAction* open = addAction(tr("Open a picture from file"), "acOpenAPictureFromFile");
    connect(open, &QAction::triggered, this, [this] { openPicture(); });
    boardMenu->addAction(open);
    boardMenu->addSeparator();
    QAction* exportBoard = addAction(tr("Export Board…"), "acExportBoard");
    connect(exportBoard, &QAction::triggered, this, [this] {
        chooseFile(true, tr("PNG pictures (*.png)"), "png", [this](const QString& path) {
            if (!m_tools.ExportBoardPng(path))
                m_dialogs.Error(tr("The board could not be saved to %1.").arg(path));
        });
    });
    boardMenu->addAction(exportBoard);
    QAction* exportBoards = addAction(tr("Export All Boards…"), "acExportAllBoards");
    connect(exportBoards, &QAction::triggered, this, [this] { exportAll(); });
    boardMenu->addAction(exportBoards);

    m_boardButton = new QToolButton(top);
    m_boardButton->setObjectName("tbBoard");
    m_boardButton->setMenu(boardMenu);
    m_boardButton->setPopupMode(QToolButton::InstantPopup);
    m_boardButton->setToolTip(tr("Select public / private board"));
    m_boardButton->setAccessibleName(tr("Board"));
    top->addWidget(m_boardButton);
    m_topBar = top;
    rows->addWidget(top);

    auto* second = new QToolBar(bars);
    second->setObjectName("tbar_BoardCapture");
    auto* captureMenu = new QMenu(this);
    captureMenu->setObjectName("pmCapture");
    QAction* desktop = addAction(tr("Capture Desktop"), "acCaptureDesktop");
    connect(desktop, &QAction::triggered, this, [this] { Capture(CaptureKind::Desktop); });
    QAction* window = addAction(tr("Capture Window"), "acCaptureWindow");
    connect(window, &QAction::triggered, this, [this] { Capture(CaptureKind::Window); });
    QAction* area = addAction(tr("Capture Screen Area"), "acCaptureScreenArea");
    connect(area, &QAction::triggered, this, [this] { Capture(CaptureKind::Area); });
    QAction* hide = addAction(tr("Hide Orvane Window"), "acHideOrvane");
    hide->setCheckable(true);
    hide->setChecked(true);
    connect(hide, &QAction::toggled, this, [this](bool on) { m_tools.SetHideWindowWhileCapturing(on); });
    captureMenu->addActions({desktop, window, area});
    captureMenu->addSeparator();
    captureMenu->addAction(hide);
    auto* capture = new QToolButton(second);
    capture->setObjectName("tbCapture");
    capture->setMenu(captureMenu);
    capture->setPopupMode(QToolButton::MenuButtonPopup);
    capture->setToolButtonStyle(Qt::ToolButtonTextOnly);
    capture->setText(tr("Screen Capture"));
    capture->setToolTip(tr("Take a screen shot and paste it on the white board"));
    connect(capture, &QToolButton::clicked, area, &QAction::trigger);
    second->addWidget(capture);
    second->addSeparator();
    m_snap = new QCheckBox(second);
    m_snap->setObjectName("cbSnap");
    m_snap->setToolTip(tr("Turn an invisible grid on/off for precise drawing"));
    connect(m_snap, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_refreshing)
            m_tools.SetSnap(on);
    });
    second->addWidget(m_snap);
    rows->addWidget(second, 1);
    layout()->addWidget(bars);
}

void TfrmBoard::AddTopBarWidget(QWidget* widget) {
    m_topBar->addSeparator();
    m_topBar->addWidget(widget);
}

void TfrmBoard::buildToolBox() {
    m_toolBox = new QWidget(this);
    m_toolBox->setObjectName("pToolBoxHolder");
    auto* row = new QHBoxLayout(m_toolBox);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(1);
    m_toolGroup = new QActionGroup(this);
    m_toolGroup->setExclusive(true);
    for (const ToolRow& t : kTools) {
        QAction* action = addAction(tr(t.hint), t.action);
        action->setCheckable(true);
        action->setToolTip(tr(t.hint));
        if (t.tool == BoardKind::Text)
            action->setText(QStringLiteral("T"));
        else
            action->setIcon(ToolIcon(t.tool));
        m_toolGroup->addAction(action);
        const std::uint8_t tool = t.tool;
        connect(action, &QAction::triggered, this, [this, tool] { m_tools.TakeTool(tool); });
        auto* button = new QToolButton(m_toolBox);
        button->setObjectName(t.button);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setAccessibleName(tr(t.hint));
        m_toolButtons[tool] = button;
        row->addWidget(button);
    }
    row->addSpacing(6);
    const char* pointerNames[] = {"ptLeft", "ptRight"};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QToolButton(m_toolBox);
        button->setObjectName(pointerNames[i]);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIcon(QPixmap::fromImage(PointerImage(i + 1)));
        button->setToolTip(tr("Right click on a public board to show the pointer"));
        button->setAccessibleName(i == 0 ? tr("Left pointer") : tr("Right pointer"));
        connect(button, &QToolButton::toggled, this, [this] {
            if (!m_refreshing)
                m_sharing.SetPointerButtons(m_pointerButtons[0]->isChecked(),
                                            m_pointerButtons[1]->isChecked());
        });
        m_pointerButtons[i] = button;
        row->addWidget(button);
    }
    auto* marks = new QMenu(this);
    marks->setObjectName("pmCursors");
    for (const MarkRow& mark : kMarks) {
        QAction* action = marks->addAction(QIcon(MarkPixmap(mark.picture, 16)), tr(mark.name));
        const int picture = mark.picture;
        connect(action, &QAction::triggered, this, [this, picture] { m_tools.ChooseMark(picture); });
    }
    m_markButton = new QToolButton(m_toolBox);
    m_markButton->setObjectName("CursorButton");
    m_markButton->setCheckable(true);
    m_markButton->setAutoRaise(true);
    m_markButton->setMenu(marks);
    m_markButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_markButton->setToolTip(
        tr("Mark Tool. Select a mark tool and click on the whiteboard to place a mark."));
    m_markButton->setAccessibleName(tr("Mark Tool"));
    connect(m_markButton, &QToolButton::clicked, this, [this](bool down) { m_tools.SetMarkButton(down); });
    row->addWidget(m_markButton);
    row->addSpacing(8);

    m_outlineCaption = new QLabel(tr("Outline"), m_toolBox);
    m_outlineCaption->setContentsMargins(0, 0, 3, 0);
    row->addWidget(m_outlineCaption);
    m_penSize = new QSpinBox(m_toolBox);
    m_penSize->setObjectName("tbPenSize");
    m_penSize->setRange(TBoardTools::kMinPenWidth, TBoardTools::kMaxPenWidth);
    m_penSize->setToolTip(tr("Line and pen width"));
    m_penSize->setAccessibleName(tr("Line and pen width"));
    m_penSize->setFixedWidth(60);
    connect(m_penSize, &QSpinBox::valueChanged, this, [this](int width) {
        if (!m_refreshing)
            m_tools.SetPenWidth(width);
    });
    row->addWidget(m_penSize);
    m_lineColor = new TColorChoiceBox(m_toolBox);
    m_lineColor->setObjectName("cbLineColor");
    m_lineColor->setToolTip(tr("Line and pen color"));
    m_lineColor->setAccessibleName(tr("Line and pen color"));
    connect(m_lineColor, &TColorChoiceBox::ColorChosen, this, [this](TColor c) { m_tools.SetPenColor(c); });
    row->addWidget(m_lineColor);
    m_fillCaption = new QLabel(tr(" Filling"), m_toolBox);
    m_fillCaption->setContentsMargins(0, 0, 3, 0);
    row->addWidget(m_fillCaption);
    m_brushStyle = new QComboBox(m_toolBox);
    m_brushStyle->setObjectName("cbBrushStyle");
    for (const char* name : kBrushNames)
        m_brushStyle->addItem(tr(name));
    m_brushStyle->setToolTip(tr("Fill style for rectangles and circles"));
    m_brushStyle->setAccessibleName(tr("Fill style for rectangles and circles"));
    connect(m_brushStyle, &QComboBox::activated, this,
            [this](int index) { m_tools.SetFillStyle(kBrushStyles[std::clamp(index, 0, 7)]); });
    row->addWidget(m_brushStyle);
    m_fillColor = new TColorChoiceBox(m_toolBox);
    m_fillColor->setObjectName("cbFillColor");
    m_fillColor->setToolTip(tr("Fill color for rectangles and circles"));
    m_fillColor->setAccessibleName(tr("Fill color for rectangles and circles"));
    connect(m_fillColor, &TColorChoiceBox::ColorChosen, this, [this](TColor c) { m_tools.SetFillColor(c); });
    row->addWidget(m_fillColor);
    row->addStretch(1);
}

void TfrmBoard::SetGridSize(int gridSize) {
    m_snap->setText(tr("Snap to %1px").arg(gridSize > 0 ? gridSize : BoardGesture::kDefaultGridSize));
}

void TfrmBoard::Refresh() {
    m_refreshing = true;
    const TBoardActionStates states = m_tools.Actions();
    const std::uint8_t tool = m_tools.DrawTool();
    m_toolBox->setVisible(states.drawingTools);
    for (const ToolRow& t : kTools)
        m_actions[t.action]->setEnabled(states.drawingTools);
    m_markButton->setEnabled(states.drawingTools);
    for (int board = 1; board <= 5; ++board)
        m_actions[QStringLiteral("acBoard_%1").arg(board)]->setEnabled(states.boardChoice);
    m_actions["acPrivateBoard"]->setEnabled(states.boardChoice);
    for (const char* name : {"acCaptureDesktop", "acCaptureWindow", "acCaptureScreenArea", "acHideOrvane"})
        m_actions[name]->setEnabled(states.capture);
    m_actions["acOpenAPictureFromFile"]->setEnabled(states.openPicture);
    m_actions["acUploadToServer"]->setEnabled(states.upload);
    m_actions["acClearBoard"]->setEnabled(states.clear);
    m_actions["acExportAllBoards"]->setEnabled(true);
    if (QAction* lock = Action("acCaptureBoard")) {
        lock->setEnabled(states.lock);
        lock->setChecked(states.lockChecked);
    }
    const int board = m_boards.CurrentBoard();
    m_boardButton->setText(board == kPrivateBoard ? tr("Private Board") : tr("Public Board %1").arg(board));

    if (QToolButton* down = ToolButton(tool))
        down->defaultAction()->setChecked(true);
    else if (QAction* checked = m_toolGroup->checkedAction())
        checked->setChecked(false);
    m_markButton->setChecked(tool == BoardKind::Mark);
    m_markButton->setIcon(MarkPixmap(m_tools.Mark(), 16));
    m_pointerButtons[0]->setChecked(m_sharing.PointerLeftDown());
    m_pointerButtons[1]->setChecked(m_sharing.PointerRightDown());
    m_snap->setChecked(m_tools.Snap());

    const TToolOptions options = m_tools.Options();
    m_penSize->setVisible(options.penWidth);
    m_lineColor->setVisible(options.penColor);
    m_outlineCaption->setVisible(options.penWidth || options.penColor);
    m_brushStyle->setVisible(options.fill);
    m_fillColor->setVisible(options.fill);
    m_fillCaption->setVisible(options.fill);
    const TDrawingSettings& drawing = m_tools.Drawing();
    m_penSize->setValue(drawing.penWidth);
    m_lineColor->SetColor(drawing.penColor);
    m_fillColor->SetColor(drawing.fillColor);
    for (int i = 0; i < 8; ++i)
        if (kBrushStyles[i] == drawing.fillStyle)
            m_brushStyle->setCurrentIndex(i);
    applyCursor();
    refreshTextBox();
    m_view->Refresh();
    scrollToPointer();
    m_refreshing = false;
}

void TfrmBoard::scrollToPointer() {
    const TPointerView& pointer = m_sharing.Pointer();
    if (!pointer.scrollIntoView) {
        m_pointerScrolledTo.reset();
        return;
    }
    // Once for each place it is shown at, so the user may scroll away from a pointer that stays.
    if (m_pointerScrolledTo == pointer.position)
        return;
    m_pointerScrolledTo = pointer.position;
    const QPoint centre = m_view->FromBoard(pointer.position) +
                          QPoint(kPointerImageSize.width() / 2, kPointerImageSize.height() / 2);
    m_scroll->ensureVisible(centre.x(), centre.y(), kPointerImageSize.width(), kPointerImageSize.height());
}

void TfrmBoard::applyCursor() {
    switch (m_tools.Cursor()) {
    case BoardCursor::Arrow:
        m_view->setCursor(Qt::ArrowCursor);
        break;
    case BoardCursor::Cross:
        m_view->setCursor(Qt::CrossCursor);
        break;
    case BoardCursor::Pen:
        m_view->setCursor(PenCursor());
        break;
    case BoardCursor::IBeam:
        m_view->setCursor(Qt::IBeamCursor);
        break;
    case BoardCursor::Mark:
        m_view->setCursor(QCursor(MarkPixmap(m_tools.Mark(), kMarkImageSize), 0, 0));
        break;
    case BoardCursor::Move:
        m_view->setCursor(Qt::SizeAllCursor);
        break;
    }
}

void TfrmBoard::refreshTextBox() {
    const TTextBoxModel& box = m_tools.TextBox();
    if (!box.IsOpen() || (m_textBox && m_textBoxSerial != box.Serial())) {
        delete m_textBox.data();
        delete m_fontsForm.data();
    }
    if (!box.IsOpen())
        return;
    if (!m_textBox) {
        m_textBoxSerial = box.Serial();
        m_textBox = new TTextEditControl(m_tools, m_view);
        m_fontsForm = new TFontsForm(m_tools, [this] {
            if (m_textBox)
                m_textBox->Edit()->setFocus();
        });
        m_textBox->show();
        m_fontsForm->ShowBeside();
        m_textBox->Edit()->setFocus();
    }
    m_textBox->setGeometry(QRect(m_view->FromBoard(box.Rect().topLeft()), box.Rect().size()));
    m_textBox->Refresh();
    m_textBox->raise();
}

void TfrmBoard::chooseFile(bool save, const QString& filter, const QString& suffix,
                           const std::function<void(const QString&)>& use) {
    QFileDialog dialog(this);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    use(dialog.selectedFiles().constFirst());
}

void TfrmBoard::openPicture() {
    chooseFile(false, tr("Pictures (*.bmp *.jpg *.jpeg *.png *.gif *.ico *.svg);;All files (*)"), QString(),
               [this](const QString& path) { m_tools.OpenPicture(TBoardTools::LoadPicture(path)); });
}

void TfrmBoard::uploadBoard() {
    bool ok = false;
    const QString comment =
        QInputDialog::getText(this, tr("Comment required"), tr("Enter a short comment for current image:"),
                              QLineEdit::Normal, QString(), &ok);
    m_tools.UploadBoard(ok ? comment : QString());
}

void TfrmBoard::exportAll() {
    chooseFile(true, tr("PDF documents (*.pdf)"), "pdf", [this](const QString& path) {
        if (m_tools.ExportAllBoardsPdf(path) == 0)
            m_dialogs.Information(tr("No board has anything on it to export."));
    });
}

void TfrmBoard::Capture(CaptureKind kind) {
    if (!ScreenCaptureAvailable()) {
        if (WaylandDesktop::InSession() && PortalScreenshot::Offered()) {
            captureThroughPortal(kind);
            return;
        }
        m_dialogs.Error(tr("Screen capture is not available on this desktop."));
        return;
    }
    m_tools.PrepareCapture();
    const bool hide = m_tools.HideWindowWhileCapturing();
    QWidget* top = window();
    if (hide)
        top->showMinimized();
    QTimer::singleShot(m_captureDelay, this, [this, kind, hide, top] {
        takeCapture(kind);
        if (hide)
            top->showNormal();
    });
}

void TfrmBoard::captureThroughPortal(CaptureKind kind) {
    m_tools.PrepareCapture();
    if (!m_portalShot)
        m_portalShot = std::make_unique<PortalScreenshot>();
    // For a window the desktop lets its user choose: a Wayland program cannot tell which one is in front.
    m_portalShot->Take(
        kind == CaptureKind::Window, [this, kind](const QImage& desktop) { captured(kind, desktop); },
        [this](const QString& why) { m_dialogs.Error(tr("The screen cannot be captured: %1").arg(why)); });
}

void TfrmBoard::takeCapture(CaptureKind kind) {
    captured(kind, kind == CaptureKind::Window ? CaptureForegroundWindow() : CaptureDesktop());
}

void TfrmBoard::captured(CaptureKind kind, const QImage& desktop) {
    QImage picture = desktop;
    if (kind == CaptureKind::Area) {
        TScreenAreaWindow area(desktop);
        area.exec();
        picture = area.Picture();
    }
    if (!picture.isNull())
        QGuiApplication::clipboard()->setImage(picture);
    m_tools.BeginPlacement(picture);
    QCursor::setPos(m_view->mapToGlobal(m_view->FromBoard({0, 0})));
}

} // namespace orv
