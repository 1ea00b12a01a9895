#include "board/ScreenAreaWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace orv {

TScreenAreaWindow::TScreenAreaWindow(const QImage& desktop, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_desktop(desktop) {
    setObjectName("ScreenAreaWindow");
    setWindowTitle(tr("Capture Screen Area"));
    setAccessibleName(tr("Drag a rectangle to capture; Escape cancels"));
    setCursor(Qt::CrossCursor);
    setGeometry(QRect(QPoint(0, 0), desktop.size()));
    auto* marchingAnts = new QTimer(this);
    connect(marchingAnts, &QTimer::timeout, this, [this] {
        m_dashOffset = (m_dashOffset + 1) % 8;
        if (m_dragging)
            update();
    });
    marchingAnts->start(100);
}

void TScreenAreaWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_desktop);
    if (m_area.isEmpty())
        return;
    QPen pen(Qt::black, 1, Qt::CustomDashLine);
    pen.setDashPattern({4, 4});
    pen.setDashOffset(m_dashOffset);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(pen);
    painter.drawRect(m_area.adjusted(0, 0, -1, -1));
}

void TScreenAreaWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_start = event->position().toPoint();
    m_area = QRect();
}

void TScreenAreaWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    m_area = QRect(m_start, event->position().toPoint()).normalized() & m_desktop.rect();
    update();
}

void TScreenAreaWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    m_area = QRect(m_start, event->position().toPoint()).normalized() & m_desktop.rect();
    if (m_area.width() <= 1 || m_area.height() <= 1)
        m_area = QRect();
    accept();
}

} // namespace orv
