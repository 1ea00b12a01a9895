#pragma once
// JPEG images placed on boards, as they cross the wire: decoded from memory, never from a file, and only
// when the image reader's memory limit allows the picture.

#include <QByteArray>
#include <QImage>

#include <optional>

namespace orv {

// Quality of the images a participant places on a board.
inline constexpr int kBoardJpegQuality = 60;

// None for bytes that are no JPEG, or for a picture larger than the reader may allocate.
std::optional<QImage> DecodeBoardJpeg(const QByteArray& bytes);
// Empty when the image cannot be encoded.
QByteArray EncodeBoardJpeg(const QImage& image, int quality = kBoardJpegQuality);

} // namespace orv
