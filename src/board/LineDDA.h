#pragma once
// The digital line walk: every point of the line from `from` to `to`, the start included and the end
// excluded, one step along the longer axis at a time. The shorter axis follows the ideal line rounded to
// nearest, ties away from the start; the walk from a point to itself yields nothing.

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <cstdlib>

namespace orv {

namespace detail {

struct LineSteps {
    LineSteps(QPoint from, QPoint to)
        : start(from), xMajor(std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y())),
          major(xMajor ? std::abs(std::int64_t(to.x()) - from.x())
                       : std::abs(std::int64_t(to.y()) - from.y())),
          minor(xMajor ? std::abs(std::int64_t(to.y()) - from.y())
                       : std::abs(std::int64_t(to.x()) - from.x())),
          majorSign((xMajor ? to.x() - from.x() : to.y() - from.y()) < 0 ? -1 : 1),
          minorSign((xMajor ? to.y() - from.y() : to.x() - from.x()) < 0 ? -1 : 1) {}

    // The point at step i lies floor((2 i minor + major) / (2 major)) off the major axis.
    std::int64_t minorOffset(std::int64_t i) const { return (2 * i * minor + major) / (2 * major); }
    std::int64_t x(std::int64_t i) const {
        return start.x() + (xMajor ? majorSign * i : minorSign * minorOffset(i));
    }
    std::int64_t y(std::int64_t i) const {
        return start.y() + (xMajor ? minorSign * minorOffset(i) : majorSign * i);
    }

    // Visits steps [first, end) with their index, without division inside the loop.
    template <typename Visit> void walk(std::int64_t first, std::int64_t end, Visit&& visit) const {
        if (first >= end)
            return;
        std::int64_t offset = minorOffset(first);
        std::int64_t rest = (2 * first * minor + major) - offset * 2 * major;
        for (std::int64_t i = first; i < end; ++i) {
            const std::int64_t m = majorSign * i, n = minorSign * offset;
            visit(int(start.x() + (xMajor ? m : n)), int(start.y() + (xMajor ? n : m)), i);
            rest += 2 * minor;
            if (rest >= 2 * major) {
                rest -= 2 * major;
                ++offset;
            }
        }
    }

    QPoint start;
    bool xMajor;
    std::int64_t major, minor;
    int majorSign, minorSign;
};

// Narrows [first, end) to the steps where `holds` is true, given that it changes at most once along the
// walk (both coordinates only ever move one way).
template <typename Holds> void NarrowTo(std::int64_t& first, std::int64_t& end, Holds&& holds) {
    if (first >= end)
        return;
    const bool atFirst = holds(first), atLast = holds(end - 1);
    if (atFirst && atLast)
        return;
    if (!atFirst && !atLast) {
        end = first;
        return;
    }
    std::int64_t lo = first, hi = end - 1; // holds(lo) != holds(hi); find the change
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        (holds(mid) == atFirst ? lo : hi) = mid;
    }
    if (atFirst)
        end = lo + 1;
    else
        first = hi;
}

} // namespace detail

template <typename Visit> void LineDDA(QPoint from, QPoint to, Visit&& visit) {
    const detail::LineSteps steps(from, to);
    steps.walk(0, steps.major, [&](int x, int y, std::int64_t) { visit(x, y); });
}

// The same walk, visiting only the points inside `clip` with their step number along the whole line; the
// steps outside are skipped without being walked, so a line far longer than the board costs no more than
// its part on the board.
template <typename Visit> void ClippedLineDDA(QPoint from, QPoint to, const QRect& clip, Visit&& visit) {
    const detail::LineSteps steps(from, to);
    std::int64_t first = 0, end = steps.major;
    detail::NarrowTo(first, end, [&](std::int64_t i) { return steps.x(i) >= clip.left(); });
    detail::NarrowTo(first, end, [&](std::int64_t i) { return steps.x(i) <= clip.right(); });
    detail::NarrowTo(first, end, [&](std::int64_t i) { return steps.y(i) >= clip.top(); });
    detail::NarrowTo(first, end, [&](std::int64_t i) { return steps.y(i) <= clip.bottom(); });
    steps.walk(first, end, visit);
}

} // namespace orv
