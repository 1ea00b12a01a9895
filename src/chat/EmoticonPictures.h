#pragma once
// The 16 emoticon pictures, index 0 to 15 as the parser numbers them: small faces of 19 by 19 device
// independent pixels, drawn at twice that resolution.

#include <QImage>

namespace orv {

constexpr int kEmoticonSize = 19;

// An empty image for an index outside 0 to 15.
QImage EmoticonPicture(int index);

} // namespace orv
