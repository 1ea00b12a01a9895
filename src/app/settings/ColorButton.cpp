#include "app/settings/ColorButton.h"

#include <QColorDialog>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace orv {

TColorButton::TColorButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, &TColorButton::pick);
}

void TColorButton::setColor(TColor color) {
    m_color = color;
    // A swatch with a frame, so that white shows on a white button too.
    QPixmap swatch(28, 16);
    swatch.fill(ToQColor(color));
    QPainter frame(&swatch);
    frame.setPen(palette().color(QPalette::WindowText));
    frame.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    frame.end();
    setIconSize(swatch.size());
    setIcon(QIcon(swatch));
    setText(ColorDisplayName(color));
}

void TColorButton::pick() {
    const QColor chosen = QColorDialog::getColor(ToQColor(m_color), this);
    if (chosen.isValid())
        setColor(FromQColor(chosen));
}

} // namespace orv
