#include "webtour/PreviewPane.h"

#include "webtour/FileViewer.h"

#include <QMouseEvent>
#include <QPainter>

namespace orv {

TPreviewPane::TPreviewPane(TFileViewer& viewer, QWidget* parent) : QWidget(parent), m_viewer(viewer) {
    setAccessibleName(tr("Preview"));
    setCursor(Qt::CrossCursor);
}

void TPreviewPane::PictureChanged() {
    setFixedSize(m_viewer.Preview().size().expandedTo(QSize(1, 1)));
    m_outline = true;
    update();
}

void TPreviewPane::SetOutlineShown(bool shown) {
    m_outline = shown;
    update();
}

void TPreviewPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_viewer.Preview());
    if (!m_outline)
        return;
    const QRect selection = m_viewer.Selection();
    if (selection.isEmpty())
        return;
    // A dotted red outline on the selection's edge pixels; the picture shows through between the dots.
    QPen pen(QColor(255, 0, 0), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(selection.adjusted(0, 0, -1, -1));
}

void TPreviewPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_viewer.Press(event->position().toPoint());
    m_outline = true;
    emit selectionStarted();
    update();
}

void TPreviewPane::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    m_viewer.Drag(event->position().toPoint());
    update();
}

} // namespace orv
