#pragma once
// The fixed-size records of application sharing: the sharing session, a screen tile's header, the pointer's
// header and one replayed input event.

#include "protocol/FixedRecord.h"

namespace orv {

// Shared pictures wider or higher than this are refused, whatever a record claims.
inline constexpr std::int32_t kMaxShareSide = 16384;
// The grid the host always uses.
inline constexpr std::int32_t kShareColumns = 3;
inline constexpr std::int32_t kShareRows = 20;
// Grids beyond this many columns or rows are refused.
inline constexpr std::int32_t kMaxShareGridSide = 64;

enum TShareMode : std::uint8_t { smNone = 0, smDesktop = 1, smWindow = 3 };

// The running sharing session, as the host announces it.
class TSharingRecord : public TFixedRecord<485> {
public:
    std::uint16_t HostId() const { return get<std::uint16_t, 0>(); }
    void SetHostId(std::uint16_t v) { set<std::uint16_t, 0>(v); }
    QString HostName() const { return text<2, 200>(); }
    void SetHostName(const QString& v) { setText<2, 200>(v); }
    QString ItemName() const { return text<203, 255>(); }
    void SetItemName(const QString& v) { setText<203, 255>(v); }
    std::uint8_t Mode() const { return get<std::uint8_t, 459>(); }
    void SetMode(std::uint8_t v) { set<std::uint8_t, 459>(v); }
    std::int32_t Width() const { return get<std::int32_t, 460>(); }
    void SetWidth(std::int32_t v) { set<std::int32_t, 460>(v); }
    std::int32_t Height() const { return get<std::int32_t, 464>(); }
    void SetHeight(std::int32_t v) { set<std::int32_t, 464>(v); }
    std::int32_t Columns() const { return get<std::int32_t, 468>(); }
    void SetColumns(std::int32_t v) { set<std::int32_t, 468>(v); }
    std::int32_t Rows() const { return get<std::int32_t, 472>(); }
    void SetRows(std::int32_t v) { set<std::int32_t, 472>(v); }
    std::uint8_t PixelFormat() const { return get<std::uint8_t, 476>(); }
    void SetPixelFormat(std::uint8_t v) { set<std::uint8_t, 476>(v); }
    std::int32_t RefreshRate() const { return get<std::int32_t, 477>(); }
    void SetRefreshRate(std::int32_t v) { set<std::int32_t, 477>(v); }
    // Offset 481: four reserved bytes, zero.

    // The screen and the grid are within the limits: both sides 1..kMaxShareSide, columns and rows
    // 1..kMaxShareGridSide and no more than the sides (every tile at least a pixel).
    bool GeometryValid() const {
        return Width() >= 1 && Width() <= kMaxShareSide && Height() >= 1 && Height() <= kMaxShareSide &&
               Columns() >= 1 && Columns() <= kMaxShareGridSide && Rows() >= 1 &&
               Rows() <= kMaxShareGridSide && Columns() <= Width() && Rows() <= Height();
    }
};
static_assert(sizeof(TSharingRecord) == 485);

// In front of each tile image of a screen update.
class TTileRecord : public TFixedRecord<32> {
public:
    std::int32_t Index() const { return get<std::int32_t, 0>(); }
    void SetIndex(std::int32_t v) { set<std::int32_t, 0>(v); }
    std::int32_t Version() const { return get<std::int32_t, 4>(); }
    void SetVersion(std::int32_t v) { set<std::int32_t, 4>(v); }
    std::int32_t ByteCount() const { return get<std::int32_t, 8>(); } // PNG bytes that follow; 0 for none
    void SetByteCount(std::int32_t v) { set<std::int32_t, 8>(v); }
    // Offset 12: reserved, sent as 0.
    std::int32_t Width() const { return get<std::int32_t, 16>(); }
    void SetWidth(std::int32_t v) { set<std::int32_t, 16>(v); }
    std::int32_t Height() const { return get<std::int32_t, 20>(); }
    void SetHeight(std::int32_t v) { set<std::int32_t, 20>(v); }
    std::int32_t Y() const { return get<std::int32_t, 24>(); } // y comes before x
    void SetY(std::int32_t v) { set<std::int32_t, 24>(v); }
    std::int32_t X() const { return get<std::int32_t, 28>(); }
    void SetX(std::int32_t v) { set<std::int32_t, 28>(v); }
};
static_assert(sizeof(TTileRecord) == 32);

// In front of the pointer's 32 x 32 image: its top-left corner on the screen (position less hot spot).
class TCursorRecord : public TFixedRecord<16> {
public:
    std::int32_t X() const { return get<std::int32_t, 0>(); }
    void SetX(std::int32_t v) { set<std::int32_t, 0>(v); }
    std::int32_t Y() const { return get<std::int32_t, 4>(); }
    void SetY(std::int32_t v) { set<std::int32_t, 4>(v); }
    std::int32_t ByteCount() const { return get<std::int32_t, 8>(); }
    void SetByteCount(std::int32_t v) { set<std::int32_t, 8>(v); }
    // Offset 12: 0.
};
static_assert(sizeof(TCursorRecord) == 16);

enum TRemoteInputKind : std::uint8_t { ikKeyboard = 0, ikMouse = 1 };

// Mouse and key event flags as the input record carries them.
namespace InputFlag {
inline constexpr std::uint32_t KeyUp = 0x0002;
inline constexpr std::uint32_t Move = 0x0001;
inline constexpr std::uint32_t LeftDown = 0x0002;
inline constexpr std::uint32_t LeftUp = 0x0004;
inline constexpr std::uint32_t RightDown = 0x0008;
inline constexpr std::uint32_t RightUp = 0x0010;
inline constexpr std::uint32_t MiddleDown = 0x0020;
inline constexpr std::uint32_t MiddleUp = 0x0040;
inline constexpr std::uint32_t Wheel = 0x0800;
inline constexpr std::uint32_t Absolute = 0x8000;
} // namespace InputFlag

// One keyboard or mouse event for the host to replay. Mouse positions are in 0..65535 across the screen.
class TRemoteInputRecord : public TFixedRecord<23> {
public:
    std::uint8_t Kind() const { return get<std::uint8_t, 0>(); }
    void SetKind(std::uint8_t v) { set<std::uint8_t, 0>(v); }
    std::uint32_t Flags() const { return get<std::uint32_t, 1>(); }
    void SetFlags(std::uint32_t v) { set<std::uint32_t, 1>(v); }
    // Mouse: x, y, wheel data, extra information. Keyboard: extra information at 5.
    std::int32_t X() const { return get<std::int32_t, 5>(); }
    void SetX(std::int32_t v) { set<std::int32_t, 5>(v); }
    std::int32_t Y() const { return get<std::int32_t, 9>(); }
    void SetY(std::int32_t v) { set<std::int32_t, 9>(v); }
    std::int32_t WheelData() const { return get<std::int32_t, 13>(); }
    void SetWheelData(std::int32_t v) { set<std::int32_t, 13>(v); }
    std::uint8_t VirtualKey() const { return get<std::uint8_t, 21>(); }
    void SetVirtualKey(std::uint8_t v) { set<std::uint8_t, 21>(v); }
    std::uint8_t ScanCode() const { return get<std::uint8_t, 22>(); }
    void SetScanCode(std::uint8_t v) { set<std::uint8_t, 22>(v); }
};
static_assert(sizeof(TRemoteInputRecord) == 23);

} // namespace orv
