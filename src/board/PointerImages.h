#pragma once
// The two pointer arrows shown over a board, 24 x 25 pixels on a transparent background: the left arrow
// points up and left, the right arrow up and right.

#include <QImage>

namespace orv {

inline constexpr QSize kPointerImageSize{24, 25};

// For kinds 1 (left) and 2 (right); a null image otherwise.
QImage PointerImage(int kind);

} // namespace orv
