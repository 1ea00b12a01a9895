#pragma once
// Which received drawing records are drawn. A record names its board, mark and pen width in fields nothing
// bounds on the wire; one that names what no board or list holds is skipped, never drawn out of bounds.

#include "board/Airbrush.h"
#include "protocol/BoardRecords.h"
#include "session/SettingsChoices.h"

namespace orv {

// Pen widths a board takes: those a participant can choose. Each is drawable as a handwriting dab
// (width + 1), and no record makes a receiver draw more than a chosen pen would.
constexpr int kMinPenWidth = kPenWidthMin;
constexpr int kMaxPenWidth = kPenWidthMax;
static_assert(kMaxPenWidth + 1 <= kAirbrushMaxSize);

// True for the kinds whose drawing depends on the record's pen width.
bool KindUsesPenWidth(std::uint8_t kind);

// A received record is drawn only on a public board (the private board is nobody else's), a mark only
// from the mark list, and a pen-drawn kind only with a pen width in range.
bool IsReplayable(const TBBItem& item);

} // namespace orv
