#pragma once
// The room voice codecs by index: GSM 6.10 and seven Speex variants, each a display text and a codec
// format that an installed codec must offer.

#include "voice/CodecFormat.h"
#include "voice/CodecRegistry.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace orv {

constexpr int kCodecCount = 8;

// One row of the catalogue.
struct CodecRow {
    const char* text;
    std::uint16_t formatTag;
    std::uint32_t samplesPerSec;
    std::uint32_t avgBytesPerSec;
    std::uint16_t blockAlign;
    std::uint16_t bitsPerSample;
    std::uint16_t extraBytes;
};

// The row of a codec index; indexes past the catalogue take row 0.
const CodecRow& CodecCatalogueRow(std::uint8_t index);

// The row's text; "Unknown Compressor" for indexes past the catalogue. A room keeps its codec as a
// 32-bit value of which only the low byte counts: pass `std::uint8_t(value)`.
QString CodecName(std::uint8_t index);
// Clears the list and adds the eight texts in index order, so a list position is a codec index.
void FillCodecList(QStringList& list);

// The complete codec format of the row (row 0 past the catalogue), as the first installed codec that
// offers its header describes it; nothing when no codec offers it (the codec is missing).
std::optional<CodecFormat> MakeCodecFormat(std::uint8_t index,
                                           const CodecRegistry& registry = CodecRegistry::Installed());

} // namespace orv
