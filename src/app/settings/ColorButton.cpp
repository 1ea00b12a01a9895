#include "app/settings/ColorButton.h"

#include <QColorDialog>

namespace orv {

TColorButton::TColorButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, &TColorButton::pick);
}

void TColorButton::setColor(TColor color) {
    m_color = color;
    setText(ColorToText(color));
    // The text stays readable on dark and light colours alike.
    setStyleSheet(QString("background-color: %1; color: %2")
                      .arg(ToQColor(color).name(), ToQColor(color).lightness() < 128 ? "white" : "black"));
}

void TColorButton::pick() {
    const QColor chosen = QColorDialog::getColor(ToQColor(m_color), this);
    if (chosen.isValid())
        setColor(FromQColor(chosen));
}

} // namespace orv
