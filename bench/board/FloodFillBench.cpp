// Flood fill of a whole 1024 x 768 board, against QPainter filling the same rectangle in the same run; and
// of a board whose white area winds between walls as one long path, the fill's hard case. Each fill must
// cover exactly the pixels it should, or the run fails.
#include "BenchRatio.h"

#include "board/BoardCanvas.h"

#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace orv;

namespace {

constexpr int kRuns = 10;
constexpr TColor kFill = 0x0000C0FF;

// Best of the runs; `prepare` is not timed.
double BestSeconds(const std::function<void()>& prepare, const std::function<void()>& work) {
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

std::size_t CountColour(const QImage& image, QRgb colour) {
    std::size_t count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

// Black walls on every fourth column, open at the bottom and the top in turn.
void DrawWalls(BoardCanvas& canvas) {
    canvas.FillRect({0, 0}, {canvas.Width(), canvas.Height()}, kBoardWhite);
    for (int x = 3, i = 0; x < canvas.Width(); x += 4, ++i) {
        const int gapTop = i % 2 ? 0 : canvas.Height() - 2;
        canvas.FillRect({x, 0}, {x + 1, canvas.Height()}, kBoardBlack);
        canvas.FillRect({x, gapTop}, {x + 1, gapTop + 2}, kBoardWhite);
    }
}

} // namespace

int main() {
    BoardCanvas canvas;
    canvas.SetBrush({kFill, BoardBrush::Solid});
    const std::size_t all = std::size_t(canvas.Width()) * std::size_t(canvas.Height());

    const double fill = BestSeconds(
        [&] {
            canvas.FillRect({0, 0}, {canvas.Width(), canvas.Height()}, kBoardWhite);
        },
        [&] {
            canvas.FloodFill({512, 384});
        });
    if (CountColour(canvas.Image(), ToPixel(kFill)) != all) {
        std::printf("FAILED: the fill left part of the board\n");
        return 1;
    }
    QImage image(canvas.Image().size(), QImage::Format_RGB32);
    const double painter = BestSeconds([&] { image.fill(Qt::white); },
                                       [&] {
                                           QPainter p(&image);
                                           p.fillRect(image.rect(), QColor::fromRgb(ToPixel(kFill)));
                                       });
    if (CountColour(image, ToPixel(kFill)) != all) {
        std::printf("FAILED: the painter left part of the board\n");
        return 1;
    }

    DrawWalls(canvas);
    const std::size_t open = CountColour(canvas.Image(), ToPixel(kBoardWhite));
    const double winding = BestSeconds([&] { DrawWalls(canvas); }, [&] { canvas.FloodFill({0, 0}); });
    if (CountColour(canvas.Image(), ToPixel(kFill)) != open) {
        std::printf("FAILED: the winding fill did not reach all %zu open pixels\n", open);
        return 1;
    }

    std::printf("%-26s %10s %12s %12s %8s\n", "board", "pixels", "fill ms", "QPainter ms", "ratio");
    std::printf("%-26s %10zu %12.3f %12.3f %8.2f\n", "1024 x 768, all white", all, fill * 1e3, painter * 1e3,
                fill / painter);
    std::printf("%-26s %10zu %12.3f %12s %8s\n", "1024 x 768, winding path", open, winding * 1e3, "-", "-");
    bench::PrintRatio("flood_fill", fill / painter,
                      "flood fill of a white 1024x768 board / QPainter filling it; lower is better");
    return 0;
}
