#pragma once
// The fixed-size records that place text and images on a board.

#include "protocol/FixedRecord.h"

namespace orv {

// Text placed on a board (cmBoardText): where, in which font, and the byte count of the text block that
// follows the record. Colours are 0x00BBGGRR.
class TBoardTextRecord : public TFixedRecord<165> {
public:
    std::int32_t Board() const { return get<std::int32_t, 0>(); }
    void SetBoard(std::int32_t v) { set<std::int32_t, 0>(v); }
    std::int32_t Left() const { return get<std::int32_t, 4>(); }
    void SetLeft(std::int32_t v) { set<std::int32_t, 4>(v); }
    std::int32_t Top() const { return get<std::int32_t, 8>(); }
    void SetTop(std::int32_t v) { set<std::int32_t, 8>(v); }
    std::int32_t Right() const { return get<std::int32_t, 12>(); }
    void SetRight(std::int32_t v) { set<std::int32_t, 12>(v); }
    std::int32_t Bottom() const { return get<std::int32_t, 16>(); }
    void SetBottom(std::int32_t v) { set<std::int32_t, 16>(v); }
    QString FontName() const { return text<20, 128>(); }
    void SetFontName(const QString& v) { setText<20, 128>(v); }
    std::int32_t FontSize() const { return get<std::int32_t, 149>(); } // points
    void SetFontSize(std::int32_t v) { set<std::int32_t, 149>(v); }
    std::uint32_t FontColor() const { return get<std::uint32_t, 153>(); }
    void SetFontColor(std::uint32_t v) { set<std::uint32_t, 153>(v); }
    // Offset 157: four reserved bytes, ignored.
    std::int32_t ByteCount() const { return get<std::int32_t, 161>(); }
    void SetByteCount(std::int32_t v) { set<std::int32_t, 161>(v); }
};
static_assert(sizeof(TBoardTextRecord) == 165);

// The older form (cmBoardTextAnsi, received only): the same first 157 bytes, then the text as a short string
// of capacity 255.
class TBoardTextRecordA : public TFixedRecord<413> {
public:
    std::int32_t Board() const { return get<std::int32_t, 0>(); }
    std::int32_t Left() const { return get<std::int32_t, 4>(); }
    std::int32_t Top() const { return get<std::int32_t, 8>(); }
    std::int32_t Right() const { return get<std::int32_t, 12>(); }
    std::int32_t Bottom() const { return get<std::int32_t, 16>(); }
    QString FontName() const { return text<20, 128>(); }
    std::int32_t FontSize() const { return get<std::int32_t, 149>(); }
    std::uint32_t FontColor() const { return get<std::uint32_t, 153>(); }
    QString Text() const { return text<157, 255>(); }
    void SetText(const QString& v) { setText<157, 255>(v); }
};
static_assert(sizeof(TBoardTextRecordA) == 413);

// An image placed on a board (cmBoardImage): where, and the size of the JPEG that follows.
class TBoardImageRecord : public TFixedRecord<24> {
public:
    std::int32_t Board() const { return get<std::int32_t, 0>(); }
    void SetBoard(std::int32_t v) { set<std::int32_t, 0>(v); }
    std::int32_t Left() const { return get<std::int32_t, 4>(); }
    void SetLeft(std::int32_t v) { set<std::int32_t, 4>(v); }
    std::int32_t Top() const { return get<std::int32_t, 8>(); }
    void SetTop(std::int32_t v) { set<std::int32_t, 8>(v); }
    std::int32_t Right() const { return get<std::int32_t, 12>(); }
    void SetRight(std::int32_t v) { set<std::int32_t, 12>(v); }
    std::int32_t Bottom() const { return get<std::int32_t, 16>(); }
    void SetBottom(std::int32_t v) { set<std::int32_t, 16>(v); }
    std::int32_t JpegSize() const { return get<std::int32_t, 20>(); }
    void SetJpegSize(std::int32_t v) { set<std::int32_t, 20>(v); }
};
static_assert(sizeof(TBoardImageRecord) == 24);

} // namespace orv
