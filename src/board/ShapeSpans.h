#pragma once
// The pixels a rectangle, an ellipse or a rounded rectangle covers, as one run per row. A figure with
// corners P1 and P2 covers the columns from the smaller x up to but not including the larger x, and likewise
// the rows; an ellipse inscribed in that area reaches all four sides of it.

#include <QPoint>

#include <vector>

namespace orv {

// Columns [left, right) and rows [top, bottom), from two corners in either order.
struct HalfOpenBox {
    int left = 0, top = 0, right = 0, bottom = 0;

    static HalfOpenBox FromCorners(QPoint a, QPoint b);
    // Grown by `by` pixels on every side (shrunk when negative).
    HalfOpenBox grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
};

// Columns [begin, end) of one row.
struct RowRun {
    int begin = 0, end = 0;
    bool empty() const { return end <= begin; }
};

// The run of each row of a convex figure, computed for a window of rows only (the rows an image has, and
// one more on each side for finding the outline).
class ShapeSpans {
public:
    ShapeSpans(const HalfOpenBox& box, int firstRow, int endRow);

    static ShapeSpans Rectangle(const HalfOpenBox& box, int firstRow, int endRow);
    static ShapeSpans Ellipse(const HalfOpenBox& box, int firstRow, int endRow);
    // Corners are quarters of an ellipse cornerWidth wide and cornerHeight high, each at most the box's size.
    static ShapeSpans RoundRect(const HalfOpenBox& box, int cornerWidth, int cornerHeight, int firstRow,
                                int endRow);

    int firstRow() const { return m_firstRow; }
    int endRow() const { return m_firstRow + int(m_runs.size()); }
    // Empty outside the window and outside the figure.
    RowRun at(int row) const;
    // The pixels of a row that have a 4-neighbour outside the figure: the 1-pixel outline, in up to two runs.
    std::vector<RowRun> outline(int row) const;

private:
    int m_firstRow = 0;
    std::vector<RowRun> m_runs;
};

// The pixels of `outer` that are not in `inner`: up to two runs.
std::vector<RowRun> RunsBetween(RowRun outer, RowRun inner);

// The run of an ellipse inscribed in `box` on one row, or an empty run.
RowRun EllipseRow(const HalfOpenBox& box, int row);

} // namespace orv
