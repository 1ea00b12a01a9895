#pragma once
// "Capture Screen Area": the desktop frozen in a borderless window over everything, on which the user drags
// a rectangle with the left button (an animated dotted outline); Escape or an empty rectangle takes nothing.

#include <QDialog>
#include <QImage>

namespace orv {

class TScreenAreaWindow final : public QDialog {
    Q_OBJECT

public:
    TScreenAreaWindow(const QImage& desktop, QWidget* parent = nullptr);

    // The dragged rectangle, in the frozen picture's coordinates; empty when nothing was dragged.
    QRect Area() const { return m_area; }
    QImage Picture() const { return m_area.isEmpty() ? QImage() : m_desktop.copy(m_area); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_desktop;
    QPoint m_start;
    QRect m_area;
    bool m_dragging = false;
    int m_dashOffset = 0;
};

} // namespace orv
