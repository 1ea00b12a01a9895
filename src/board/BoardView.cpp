#include "board/BoardView.h"

#include "board/BoardSharing.h"
#include "board/BoardTools.h"
#include "board/PointerImages.h"
#include "board/Whiteboard.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace orv {

TBoardView::TBoardView(Whiteboard& boards, TBoardTools& tools, TBoardSharing& sharing, QWidget* parent)
    : QWidget(parent), m_boards(boards), m_tools(tools), m_sharing(sharing) {
    setObjectName("BoardView");
    setAccessibleName(tr("Whiteboard"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int i = 0; i < 2; ++i) {
        m_pointers[i] = new QLabel(this);
        m_pointers[i]->setPixmap(QPixmap::fromImage(PointerImage(i + 1)));
        m_pointers[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_pointers[i]->resize(kPointerImageSize);
        m_pointers[i]->hide();
    }
    m_pointers[0]->setObjectName("imgPointer_L");
    m_pointers[1]->setObjectName("imgPointer_R");
    connect(&m_boards, &Whiteboard::BoardChanged, this, &TBoardView::boardChanged);
    connect(&m_boards, &Whiteboard::CurrentBoardChanged, this, &TBoardView::Refresh);
    Refresh();
}

void TBoardView::boardChanged(int board, const QRect& area) {
    if (board != m_boards.CurrentBoard())
        return;
    if (size() != m_boards.Board(board).Image().size() + QSize(2 * kMargin, 2 * kMargin))
        Refresh();
    else
        update(area.translated(kMargin, kMargin));
}

void TBoardView::Refresh() {
    const int board = m_boards.CurrentBoard();
    const QImage& image = m_boards.Board(board).Image();
    const QSize size = image.size() + QSize(2 * kMargin, 2 * kMargin);
    if (this->size() != size || board != m_shownBoard) {
        setFixedSize(size);
        m_shownBoard = board;
        update();
    }
    if (m_tools.Placing())
        update();
    showPointer();
}

void TBoardView::showPointer() {
    const TPointerView& pointer = m_sharing.Pointer();
    for (int i = 0; i < 2; ++i) {
        QLabel* label = m_pointers[i];
        const bool shown = pointer.kind == std::uint16_t(i + 1);
        if (shown) {
            label->move(FromBoard(pointer.position));
            label->raise();
        }
        if (label->isVisible() != shown)
            label->setVisible(shown);
    }
}

void TBoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Around the board the window's shade, so its edge shows: nothing drawn there reaches the board.
    painter.fillRect(event->rect(), palette().color(QPalette::Mid));
    painter.drawImage(FromBoard({0, 0}), m_boards.Board(m_boards.CurrentBoard()).Image());
    if (m_tools.Placing() && !m_tools.PlacementImage().isNull()) {
        // The captured image's outline, dotted, inverting what lies under it.
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        const QSize size = m_tools.PlacementImage().size();
        painter.drawRect(QRect(FromBoard(m_tools.PlacementOutline()), size - QSize(1, 1)));
    }
}

void TBoardView::mousePressEvent(QMouseEvent* event) {
    m_tools.MouseDown(event->button(), ToBoard(event->position().toPoint()));
    Refresh();
}

void TBoardView::mouseMoveEvent(QMouseEvent* event) {
    m_tools.MouseMove(event->buttons(), ToBoard(event->position().toPoint()));
    Refresh();
    update();
}

void TBoardView::mouseReleaseEvent(QMouseEvent* event) {
    m_tools.MouseUp(event->button(), ToBoard(event->position().toPoint()));
    Refresh();
}

} // namespace orv
