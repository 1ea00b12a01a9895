#pragma once
// The room voice codecs by index: GSM 6.10 and seven Speex variants.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace orv {

constexpr int kCodecCount = 8;

// The display text of a room's codec number; only its low byte selects the row, and rows past the
// catalogue read "Unknown Compressor".
QString CodecDisplayName(std::int32_t codec);
// The eight texts in index order, so a list position is a codec index.
QStringList CodecDisplayNames();

} // namespace orv
