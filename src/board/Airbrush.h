#pragma once
// The translucent round dab of handwriting with wide pens and of the highlighter.

#include "session/ColorText.h"

#include <QImage>

namespace orv {

constexpr int kAirbrushMinSize = 1, kAirbrushMaxSize = 200;
constexpr int kAirbrushMinIntensity = 1, kAirbrushMaxIntensity = 100;

// Blends `colour` into the pixels of the circle inscribed in the size x size square whose top-left corner
// is (x - size div 2, y - size div 2): each channel becomes ((100 - I) * canvas + I * colour) / 100, in
// integers, rounded to nearest with ties to even. A blended pixel that comes out pure white leaves the
// canvas as it was, as does every pixel when the colour is white. Size and intensity outside their
// ranges draw nothing; the part of the dab outside the canvas is cut off.
void AirbrushStamp(QImage& canvas, int x, int y, int size, TColor colour, int intensity);

} // namespace orv
