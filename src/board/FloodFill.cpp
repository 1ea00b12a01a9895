#include "board/FloodFill.h"

#include <algorithm>
#include <cstdint>

namespace orv {

namespace {

constexpr QRgb kColourBits = 0x00FFFFFF;

class AreaWalk {
public:
    AreaWalk(const QImage& image, QPoint seed)
        : m_image(image), m_width(image.width()), m_height(image.height()),
          m_target(image.pixel(seed) & kColourBits),
          m_taken(std::size_t(m_width) * std::size_t(m_height), 0) {
        m_stack.push_back(seed);
    }

    std::vector<FillRun> run() {
        while (!m_stack.empty()) {
            const QPoint p = m_stack.back();
            m_stack.pop_back();
            if (!open(p.x(), p.y()))
                continue;
            FillRun span{p.y(), p.x(), p.x() + 1};
            while (span.begin > 0 && open(span.begin - 1, p.y()))
                --span.begin;
            while (span.end < m_width && open(span.end, p.y()))
                ++span.end;
            std::fill(taken(span.begin, p.y()), taken(span.end, p.y()), std::uint8_t(1));
            m_runs.push_back(span);
            seedRow(span, p.y() - 1);
            seedRow(span, p.y() + 1);
        }
        return std::move(m_runs);
    }

private:
    const QRgb* row(int y) const { return reinterpret_cast<const QRgb*>(m_image.constScanLine(y)); }
    std::uint8_t* taken(int x, int y) { return m_taken.data() + std::size_t(y) * std::size_t(m_width) + x; }
    bool open(int x, int y) { return !*taken(x, y) && (row(y)[x] & kColourBits) == m_target; }

    // One seed for each stretch of open pixels next to the run.
    void seedRow(const FillRun& span, int y) {
        if (y < 0 || y >= m_height)
            return;
        bool inside = false;
        for (int x = span.begin; x < span.end; ++x) {
            const bool isOpen = open(x, y);
            if (isOpen && !inside)
                m_stack.emplace_back(x, y);
            inside = isOpen;
        }
    }

    const QImage& m_image;
    int m_width, m_height;
    QRgb m_target;
    std::vector<std::uint8_t> m_taken;
    std::vector<QPoint> m_stack;
    std::vector<FillRun> m_runs;
};

} // namespace

std::vector<FillRun> FloodArea(const QImage& image, QPoint seed) {
    if (!image.rect().contains(seed))
        return {};
    return AreaWalk(image, seed).run();
}

} // namespace orv
