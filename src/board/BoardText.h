#pragma once
// Text placed on a board: the one layout that committed text boxes and received text packets both use, so
// every participant breaks the lines alike. Words wrap at the rectangle's width (a word wider than a line
// breaks anywhere), line breaks in the text start new lines, tabs stop every eight average character widths,
// and a line that would not fit whole above the rectangle's bottom is left out, with all that follows.
// Nothing is drawn behind the text.

#include "board/BoardColor.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

namespace orv {

// A board's pixels are those of a 96-dpi screen: text sizes in points and exported pages follow it.
inline constexpr int kScreenDpi = 96;

// The font of a size in points, as a 96-dpi screen shows it.
QFont BoardTextFont(const QString& name, int points);

void DrawBoardText(QImage& image, const QRect& rect, const QString& text, const QFont& font, TColor color);

} // namespace orv
