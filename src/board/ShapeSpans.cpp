#include "board/ShapeSpans.h"

#include "board/IntegerMath.h"

#include <algorithm>

namespace orv {

HalfOpenBox HalfOpenBox::FromCorners(QPoint a, QPoint b) {
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())};
}

namespace {

__extension__ using Wide = unsigned __int128;

// The largest m with m^2 <= a^2 (b^2 - y^2) / b^2, for 0 <= |y| <= b, b > 0.
std::int64_t HalfChord(std::int64_t a, std::int64_t b, std::int64_t y) {
    const Wide numerator = Wide(std::uint64_t(a * a)) * Wide(std::uint64_t(b * b - y * y));
    return std::int64_t(ISqrt(std::uint64_t(numerator / Wide(std::uint64_t(b * b)))));
}

} // namespace

RowRun EllipseRow(const HalfOpenBox& box, int row) {
    if (box.empty() || row < box.top || row >= box.bottom)
        return {};
    // In doubled coordinates from the centre, X = 2x + 1 - (left + right) and Y = 2y + 1 - (top + bottom).
    // A pixel is covered when its centre lies inside the ellipse inscribed in the area, or when the pixel
    // reaches the ellipse through the centres of the area's border pixels; the second keeps the ends of
    // thin ellipses, the first small ellipses round. Both are exact integer tests.
    const std::int64_t w = box.width(), h = box.height();
    const std::int64_t y = 2 * std::int64_t(row) + 1 - (std::int64_t(box.top) + box.bottom);
    const std::int64_t absY = y < 0 ? -y : y;
    const std::int64_t inside = HalfChord(w, h, absY);
    const std::int64_t reaching = h == 1 ? w : 1 + HalfChord(w - 1, h - 1, absY);
    const std::int64_t limit = std::max(inside, reaching);
    const std::int64_t sum = std::int64_t(box.left) + box.right - 1;
    const std::int64_t begin = -FloorDiv(-(sum - limit), 2); // ceil((sum - limit) / 2)
    const std::int64_t last = FloorDiv(sum + limit, 2);
    return {int(begin), int(last + 1)};
}

ShapeSpans::ShapeSpans(const HalfOpenBox& box, int firstRow, int endRow)
    : m_firstRow(std::max(firstRow, box.top)) {
    const int end = std::min(endRow, box.bottom);
    if (!box.empty() && end > m_firstRow)
        m_runs.resize(std::size_t(end - m_firstRow));
}

ShapeSpans ShapeSpans::Rectangle(const HalfOpenBox& box, int firstRow, int endRow) {
    ShapeSpans spans(box, firstRow, endRow);
    for (RowRun& run : spans.m_runs)
        run = {box.left, box.right};
    return spans;
}

ShapeSpans ShapeSpans::Ellipse(const HalfOpenBox& box, int firstRow, int endRow) {
    ShapeSpans spans(box, firstRow, endRow);
    for (std::size_t i = 0; i < spans.m_runs.size(); ++i)
        spans.m_runs[i] = EllipseRow(box, spans.m_firstRow + int(i));
    return spans;
}

ShapeSpans ShapeSpans::RoundRect(const HalfOpenBox& box, int cornerWidth, int cornerHeight, int firstRow,
                                 int endRow) {
    const int cw = std::clamp(cornerWidth, 0, box.width());
    const int ch = std::clamp(cornerHeight, 0, box.height());
    if (cw == 0 || ch == 0)
        return Rectangle(box, firstRow, endRow);
    ShapeSpans spans(box, firstRow, endRow);
    const HalfOpenBox topLeft{box.left, box.top, box.left + cw, box.top + ch};
    const HalfOpenBox topRight{box.right - cw, box.top, box.right, box.top + ch};
    const HalfOpenBox bottomLeft{box.left, box.bottom - ch, box.left + cw, box.bottom};
    const HalfOpenBox bottomRight{box.right - cw, box.bottom - ch, box.right, box.bottom};
    for (std::size_t i = 0; i < spans.m_runs.size(); ++i) {
        const int row = spans.m_firstRow + int(i);
        // Rows whose centre lies above the upper corners' centre, or below the lower ones', follow the
        // corner curves; the rows between are full.
        const bool upper = 2 * row + 1 < 2 * box.top + ch;
        const bool lower = 2 * row + 1 > 2 * box.bottom - ch;
        if (!upper && !lower) {
            spans.m_runs[i] = {box.left, box.right};
            continue;
        }
        const RowRun left = EllipseRow(upper ? topLeft : bottomLeft, row);
        const RowRun right = EllipseRow(upper ? topRight : bottomRight, row);
        spans.m_runs[i] = left.empty() ? RowRun{} : RowRun{left.begin, right.end};
    }
    return spans;
}

std::vector<RowRun> RunsBetween(RowRun outer, RowRun inner) {
    if (outer.empty())
        return {};
    if (inner.empty() || inner.end <= outer.begin || inner.begin >= outer.end)
        return {outer};
    std::vector<RowRun> runs;
    if (inner.begin > outer.begin)
        runs.push_back({outer.begin, inner.begin});
    if (inner.end < outer.end)
        runs.push_back({inner.end, outer.end});
    return runs;
}

RowRun ShapeSpans::at(int row) const {
    if (row < m_firstRow || row >= endRow())
        return {};
    return m_runs[std::size_t(row - m_firstRow)];
}

std::vector<RowRun> ShapeSpans::outline(int row) const {
    const RowRun run = at(row);
    if (run.empty())
        return {};
    const RowRun up = at(row - 1), down = at(row + 1);
    // Pixels whose four neighbours are all covered; the runs are centred, so this is one interval.
    const int innerBegin =
        std::max({run.begin + 1, up.empty() ? run.end : up.begin, down.empty() ? run.end : down.begin});
    const int innerEnd =
        std::min({run.end - 1, up.empty() ? run.begin : up.end, down.empty() ? run.begin : down.end});
    if (innerEnd <= innerBegin)
        return {run};
    return {{run.begin, innerBegin}, {innerEnd, run.end}};
}

} // namespace orv
