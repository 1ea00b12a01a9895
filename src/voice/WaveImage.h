#pragma once
// A RIFF WAVE image as the audio wizard's sample stores it: its format block and its sound data. Chunks the
// reader does not need are skipped; sizes are checked against what the image holds.

#include "voice/CodecFormat.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace orv {

struct TWaveImage {
    CodecFormat format;
    QByteArray data; // whole blocks of the format only
};

// Nothing when the image is not a WAVE image with a usable format and data chunk.
std::optional<TWaveImage> ReadWaveImage(QByteArrayView image);

} // namespace orv
