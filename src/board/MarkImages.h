#pragma once
// The mark image list: twelve pictures of 24 x 24 pixels on white, in pairs of a cursor picture (even
// number) and the mark picture placed on the board (the odd number after it).

#include <QImage>

namespace orv {

constexpr int kMarkImageCount = 12;
constexpr int kMarkImageSize = 24;

// The mark picture numbers the mark menu offers.
namespace MarkPicture {
constexpr int SmilyFace = 1;
constexpr int GreenCheckMark = 3;
constexpr int RedCheckMark = 5;
constexpr int BlueStar = 9;
constexpr int RedX = 11;
} // namespace MarkPicture

constexpr bool IsMarkImage(int number) {
    return number >= 0 && number < kMarkImageCount;
}

// The picture numbered `number`, which IsMarkImage accepts.
const QImage& MarkImage(int number);

} // namespace orv
