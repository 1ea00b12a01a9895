#include "board/ColorChoiceBox.h"

#include <QPainter>
#include <QPixmap>

namespace orv {

namespace {

// The sixteen standard colours, then the extended ones, in 0x00BBGGRR.
constexpr TColor kChoices[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
                               0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF,
                               0xFFFF00, 0xFFFFFF, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0};

QIcon Swatch(TColor color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, 15, 15);
    return pixmap;
}

} // namespace

TColorChoiceBox::TColorChoiceBox(QWidget* parent) : QComboBox(parent) {
    for (TColor color : kChoices)
        addItem(Swatch(color), ColorDisplayName(color), QVariant::fromValue(color));
    connect(this, &QComboBox::activated, this, [this](int) { emit ColorChosen(Color()); });
}

TColor TColorChoiceBox::Color() const {
    return currentData().value<TColor>();
}

void TColorChoiceBox::SetColor(TColor color) {
    int index = findData(QVariant::fromValue(color));
    if (index < 0) {
        addItem(Swatch(color), ColorDisplayName(color), QVariant::fromValue(color));
        index = count() - 1;
    }
    setCurrentIndex(index);
}

} // namespace orv
