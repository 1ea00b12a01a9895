#pragma once
// The integer arithmetic of board drawing. Every position the drawing rules compute by division rounds to
// nearest with ties to even, in exact integers, so all participants reach the same pixels.

#include <cmath>
#include <cstdint>

namespace orv {

// Quotient rounded toward minus infinity; the divisor is positive.
constexpr std::int64_t FloorDiv(std::int64_t numerator, std::int64_t divisor) {
    const std::int64_t q = numerator / divisor;
    return (numerator % divisor != 0 && numerator < 0) ? q - 1 : q;
}

// numerator / divisor rounded to nearest, ties to the even neighbour; the divisor is positive.
constexpr std::int64_t RoundHalfEven(std::int64_t numerator, std::int64_t divisor) {
    const std::int64_t q = FloorDiv(numerator, divisor);
    const std::int64_t twiceRest = 2 * (numerator - q * divisor);
    if (twiceRest > divisor || (twiceRest == divisor && q % 2 != 0))
        return q + 1;
    return q;
}

// The largest r with r * r <= n.
inline std::uint64_t ISqrt(std::uint64_t n) {
    auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
    while (r > 0 && (r > n / r || r * r > n))
        --r;
    while ((r + 1) <= n / (r + 1))
        ++r;
    return r;
}

} // namespace orv
