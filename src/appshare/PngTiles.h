#pragma once
// PNG for screen tiles over libpng: one fixed, fast setting for every tile of a session, and no time or text
// chunks, so equal pixels always give equal bytes. Decoding refuses pictures of another size than announced.

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QRect>

namespace orv {

// The area of an RGB32 picture as an RGB PNG; empty when the area is empty or outside the picture.
QByteArray EncodeTilePng(const QImage& picture, const QRect& area);

// An RGB32 picture of exactly width x height (each 1..16384), or a null image when the bytes are no PNG or
// declare another size.
QImage DecodeTilePng(QByteArrayView png, int width, int height);

} // namespace orv
