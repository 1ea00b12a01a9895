#include "board/BoardText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace orv {

namespace {

constexpr int kTabColumns = 8;

} // namespace

QFont BoardTextFont(const QString& name, int points) {
    QFont font(name);
    font.setPixelSize(std::max(1, int(std::lround(double(points) * kScreenDpi / 72.0))));
    // Whole-pixel shapes without colour fringes: every participant's board gets the same pixels.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void DrawBoardText(QImage& image, const QRect& rect, const QString& text, const QFont& font, TColor color) {
    if (rect.isEmpty() || text.isEmpty())
        return;
    const QFontMetrics metrics(font, &image);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(kTabColumns * metrics.averageCharWidth());

    QPainter painter(&image);
    painter.setClipRect(rect);
    painter.setPen(QColor::fromRgb(ToPixel(color)));
    painter.setFont(font);

    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const qreal lineHeight = metrics.height();
    qreal y = rect.top();
    for (const QString& paragraph : lines.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font, &image);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            if (y + lineHeight > rect.top() + rect.height())
                return; // the rest of `layout` is dropped unlaid, which QTextLayout allows
            line.setLineWidth(rect.width());
            line.setPosition({0, 0});
            line.draw(&painter, QPointF(rect.left(), y));
            y += lineHeight;
        }
        layout.endLayout();
    }
}

} // namespace orv
