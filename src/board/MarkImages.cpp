#include "board/MarkImages.h"

#include <array>

namespace orv {

namespace {

// 24 rows of 24 pixels: '.' white, 'k' black, 'y' yellow, 'g' green, 'r' red, 'b' blue.
using Picture = std::array<const char*, kMarkImageSize>;

constexpr Picture kSmile = {{
    "........................", ".........kkkkkk.........", "......kkkyyyyyykkk......",
    ".....kkyyyyyyyyyykk.....", "....kkyyyyyyyyyyyykk....", "...kkyyyyyyyyyyyyyykk...",
    "..kkyyyyyyyyyyyyyyyykk..", "..kyyyyykyyyyyykyyyyyk..", "..kyyyykkkyyyykkkyyyyk..",
    ".kyyyyykkkyyyykkkyyyyyk.", ".kyyyyyykyyyyyykyyyyyyk.", ".kyyyyyyyyyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyyyyyyyyyk.", ".kyyyykyyyyyyyyyykyyyyk.", ".kyyyykkyyyyyyyykkyyyyk.",
    "..kyyyykkyyyyyykkyyyyk..", "..kyyyyykkkyykkkyyyyyk..", "..kkyyyyykkkkkkyyyyykk..",
    "...kkyyyyyyyyyyyyyykk...", "....kkyyyyyyyyyyyykk....", ".....kkyyyyyyyyyykk.....",
    "......kkkyyyyyykkk......", ".........kkkkkk.........", "........................",
}};

constexpr Picture kGreenCheck = {{
    "........................", "........................", "........................",
    "...................gggg.", "...................gggg.", "..................ggggg.",
    ".................gggggg.", "................gggggg..", "...............gggggg...",
    "..............gggggg....", ".............gggggg.....", ".gggg........ggggg......",
    ".ggggg......ggggg.......", ".gggggg....gggggg.......", ".ggggggg..gggggg........",
    "..ggggggggggggg.........", "...ggggggggggg..........", "....ggggggggg...........",
    ".....ggggggg............", "......ggggg.............", ".......gggg.............",
    "........................", "........................", "........................",
}};

constexpr Picture kRedCheck = {{
    "........................", "........................", "........................",
    "...................rrrr.", "...................rrrr.", "..................rrrrr.",
    ".................rrrrrr.", "................rrrrrr..", "...............rrrrrr...",
    "..............rrrrrr....", ".............rrrrrr.....", ".rrrr........rrrrr......",
    ".rrrrr......rrrrr.......", ".rrrrrr....rrrrrr.......", ".rrrrrrr..rrrrrr........",
    "..rrrrrrrrrrrrr.........", "...rrrrrrrrrrr..........", "....rrrrrrrrr...........",
    ".....rrrrrrr............", "......rrrrr.............", ".......rrrr.............",
    "........................", "........................", "........................",
}};

constexpr Picture kRing = {{
    "........................", "........................", "........................",
    ".........kkkkkk.........", ".......kkkkkkkkkk.......", "......kkk......kkk......",
    ".....kkk........kkk.....", "....kkk..........kkk....", "....kk............kk....",
    "...kk..............kk...", "...kk..............kk...", "...kk..............kk...",
    "...kk..............kk...", "...kk..............kk...", "...kk..............kk...",
    "....kk............kk....", "....kkk..........kkk....", ".....kkk........kkk.....",
    "......kkk......kkk......", ".......kkkkkkkkkk.......", ".........kkkkkk.........",
    "........................", "........................", "........................",
}};

constexpr Picture kBlueStar = {{
    "........................", "........................", "........................",
    "...........bb...........", "...........bb...........", "...........bb...........",
    "..........bbbb..........", "..........bbbb..........", "..........bbbb..........",
    "..bbbbbbbbbbbbbbbbbbbb..", "...bbbbbbbbbbbbbbbbbb...", "....bbbbbbbbbbbbbbbb....",
    ".....bbbbbbbbbbbbbb.....", ".......bbbbbbbbbb.......", "........bbbbbbbb........",
    ".......bbbbbbbbbb.......", ".......bbbbbbbbbb.......", ".......bbbbbbbbbb.......",
    "......bbbb....bbbb......", "......bbb......bbb......", "......b..........b......",
    "........................", "........................", "........................",
}};

constexpr Picture kRedX = {{
    "........................", "........................", "..rrrr............rrrr..",
    "..rrrrr..........rrrrr..", "..rrrrrr........rrrrrr..", "..rrrrrrr......rrrrrrr..",
    "...rrrrrrr....rrrrrrr...", "....rrrrrrr..rrrrrrr....", ".....rrrrrrrrrrrrrr.....",
    "......rrrrrrrrrrrr......", ".......rrrrrrrrrr.......", "........rrrrrrrr........",
    "........rrrrrrrr........", ".......rrrrrrrrrr.......", "......rrrrrrrrrrrr......",
    ".....rrrrrrrrrrrrrr.....", "....rrrrrrr..rrrrrrr....", "...rrrrrrr....rrrrrrr...",
    "..rrrrrrr......rrrrrrr..", "..rrrrrr........rrrrrr..", "..rrrrr..........rrrrr..",
    "..rrrr............rrrr..", "........................", "........................",
}};

QRgb PaletteColour(char c) {
    switch (c) {
    case 'k':
        return qRgb(0, 0, 0);
    case 'y':
        return qRgb(255, 255, 0);
    case 'g':
        return qRgb(0, 160, 0);
    case 'r':
        return qRgb(255, 0, 0);
    case 'b':
        return qRgb(0, 0, 255);
    default:
        return qRgb(255, 255, 255);
    }
}

QImage Render(const Picture& picture) {
    QImage image(kMarkImageSize, kMarkImageSize, QImage::Format_RGB32);
    for (int y = 0; y < kMarkImageSize; ++y)
        for (int x = 0; x < kMarkImageSize; ++x)
            image.setPixel(x, y, PaletteColour(picture[std::size_t(y)][x]));
    return image;
}

} // namespace

const QImage& MarkImage(int number) {
    // Each pair's cursor picture is its mark picture; pair 6 and 7, which no menu offers, is a plain ring.
    static const std::array<QImage, kMarkImageCount> images = [] {
        const Picture* pairs[] = {&kSmile, &kGreenCheck, &kRedCheck, &kRing, &kBlueStar, &kRedX};
        std::array<QImage, kMarkImageCount> all;
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = Render(*pairs[i / 2]);
        return all;
    }();
    return images.at(std::size_t(number));
}

} // namespace orv
