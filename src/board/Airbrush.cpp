#include "board/Airbrush.h"

#include "board/BoardColor.h"
#include "board/IntegerMath.h"
#include "board/ShapeSpans.h"

#include <algorithm>
#include <array>
#include <memory>

namespace orv {

namespace {

// The circle of a dab, as the run of each of its rows; the same for every dab of one size.
const ShapeSpans& DabShape(int size) {
    static std::array<std::unique_ptr<ShapeSpans>, kAirbrushMaxSize + 1> shapes;
    auto& shape = shapes[std::size_t(size)];
    if (!shape)
        shape = std::make_unique<ShapeSpans>(ShapeSpans::Ellipse({0, 0, size, size}, 0, size));
    return *shape;
}

int Blend(int canvas, int colour, int intensity) {
    return int(RoundHalfEven(std::int64_t(100 - intensity) * canvas + std::int64_t(intensity) * colour, 100));
}

} // namespace

void AirbrushStamp(QImage& canvas, int x, int y, int size, TColor colour, int intensity) {
    if (size < kAirbrushMinSize || size > kAirbrushMaxSize || intensity < kAirbrushMinIntensity ||
        intensity > kAirbrushMaxIntensity || (colour & 0xFFFFFF) == kBoardWhite)
        return;
    const int left = x - size / 2, top = y - size / 2;
    if (left >= canvas.width() || top >= canvas.height() || left + size <= 0 || top + size <= 0)
        return;
    const QRgb pen = ToPixel(colour);
    const ShapeSpans& shape = DabShape(size);
    const int firstRow = std::max(0, -top), endRow = std::min(size, canvas.height() - top);
    for (int row = firstRow; row < endRow; ++row) {
        const RowRun run = shape.at(row);
        auto* pixels = reinterpret_cast<QRgb*>(canvas.scanLine(top + row));
        const int begin = std::max(left + run.begin, 0), end = std::min(left + run.end, canvas.width());
        for (int cx = begin; cx < end; ++cx) {
            const QRgb under = pixels[cx];
            const QRgb blended =
                qRgb(Blend(qRed(under), qRed(pen), intensity), Blend(qGreen(under), qGreen(pen), intensity),
                     Blend(qBlue(under), qBlue(pen), intensity));
            if ((blended & 0xFFFFFF) != 0xFFFFFF)
                pixels[cx] = blended;
        }
    }
}

} // namespace orv
