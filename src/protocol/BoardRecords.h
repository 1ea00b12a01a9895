#pragma once
// The whiteboard's drawing record: 20 packed bytes that every participant replays with the same rendering,
// and the codes its Kind and BrushStyle fields take.

#include "protocol/FixedRecord.h"

#include <cstdint>
#include <vector>

namespace orv {

// One drawing element. Colours are 0x00BBGGRR, red in the lowest byte. PenColor sits at offset 11, so
// the record has no alignment gaps.
class TBBItem : public TFixedRecord<20> {
public:
    std::uint8_t Board() const { return get<std::uint8_t, 0>(); }
    void SetBoard(std::uint8_t v) { set<std::uint8_t, 0>(v); }
    std::uint8_t Kind() const { return get<std::uint8_t, 1>(); }
    void SetKind(std::uint8_t v) { set<std::uint8_t, 1>(v); }
    std::uint16_t X1() const { return get<std::uint16_t, 2>(); }
    void SetX1(std::uint16_t v) { set<std::uint16_t, 2>(v); }
    std::uint16_t Y1() const { return get<std::uint16_t, 4>(); }
    void SetY1(std::uint16_t v) { set<std::uint16_t, 4>(v); }
    // For a mark, the mark picture's number.
    std::uint16_t X2() const { return get<std::uint16_t, 6>(); }
    void SetX2(std::uint16_t v) { set<std::uint16_t, 6>(v); }
    std::uint16_t Y2() const { return get<std::uint16_t, 8>(); }
    void SetY2(std::uint16_t v) { set<std::uint16_t, 8>(v); }
    std::uint8_t PenWidth() const { return get<std::uint8_t, 10>(); }
    void SetPenWidth(std::uint8_t v) { set<std::uint8_t, 10>(v); }
    std::uint32_t PenColor() const { return get<std::uint32_t, 11>(); }
    void SetPenColor(std::uint32_t v) { set<std::uint32_t, 11>(v); }
    std::uint8_t BrushStyle() const { return get<std::uint8_t, 15>(); }
    void SetBrushStyle(std::uint8_t v) { set<std::uint8_t, 15>(v); }
    std::uint32_t BrushColor() const { return get<std::uint32_t, 16>(); }
    void SetBrushColor(std::uint32_t v) { set<std::uint32_t, 16>(v); }
};
static_assert(sizeof(TBBItem) == 20);

using TBBPackage = std::vector<TBBItem>;

// Board 0 is each participant's private board, never shared; boards 1 to 5 are the room's public boards.
constexpr int kBoardCount = 6;
constexpr int kPrivateBoard = 0;

constexpr bool IsBoardIndex(std::int64_t board) {
    return board >= 0 && board < kBoardCount;
}

constexpr bool IsPublicBoard(std::int64_t board) {
    return board > kPrivateBoard && board < kBoardCount;
}

// Tool codes: the tool in use and the Kind of the records it makes.
namespace BoardKind {
constexpr std::uint8_t Line = 0;
constexpr std::uint8_t Rectangle = 1;
constexpr std::uint8_t Oval = 2;
constexpr std::uint8_t RoundRectangle = 3;
constexpr std::uint8_t Handwriting = 4;
constexpr std::uint8_t Clear = 5;
constexpr std::uint8_t Text = 6;
constexpr std::uint8_t Circle = 7;
constexpr std::uint8_t None = 8;
constexpr std::uint8_t Fill = 9;
constexpr std::uint8_t Eraser = 10;
constexpr std::uint8_t Select = 11;
constexpr std::uint8_t Highlighter = 12;
constexpr std::uint8_t PlaceCapture = 13;
constexpr std::uint8_t FourQuadrants = 14;
constexpr std::uint8_t OneQuadrant = 15;
constexpr std::uint8_t Mark = 16;
constexpr std::uint8_t AreaEraser = 17;
constexpr std::uint8_t MoveTo = 100; // the character 'd'; records only
} // namespace BoardKind

// Brush styles; 1 leaves figures unfilled, 2 to 7 are hatches over a transparent background.
namespace BoardBrush {
constexpr std::uint8_t Solid = 0;
constexpr std::uint8_t Clear = 1;
constexpr std::uint8_t Horizontal = 2;
constexpr std::uint8_t Vertical = 3;
constexpr std::uint8_t ForwardDiagonal = 4;
constexpr std::uint8_t BackwardDiagonal = 5;
constexpr std::uint8_t Cross = 6;
constexpr std::uint8_t DiagonalCross = 7;
} // namespace BoardBrush

} // namespace orv
