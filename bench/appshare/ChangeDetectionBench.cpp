// Finding the changed tiles of a full 1920 x 1080 screen that did not change (the common case: every pass
// looks at all 60 tiles) against memcpy of the same frame, in the same run; and encoding one changed tile
// as PNG, per tile. The screen holds text and shapes so the PNGs are like a desktop's. The unchanged passes
// must find no tile; then each tile in turn gets one pixel changed and must be found, alone.
// Usage: bench_appshare_tiles [RUNS]   (default 200)
#include "BenchRatio.h"

#include "appshare/AppShareObject.h"
#include "appshare/PngTiles.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace orv;

namespace {

// One pixel of each tile in turn, its first or its last so that the whole tile must be compared, set to a
// far colour and then back: each time that tile and no other must be found changed.
bool FindsEachChange(TAppShareObject& object) {
    QImage& screen = object.Snapshot();
    for (int i = 0; i < object.TileCount(); ++i) {
        const QRect tile = object.TileRect(i);
        const QPoint at = i % 2 ? tile.bottomRight() : tile.topLeft();
        const QRgb was = screen.pixel(at);
        for (const QRgb colour : {qGray(was) < 128 ? qRgb(255, 255, 255) : qRgb(0, 0, 0), was}) {
            screen.setPixel(at, colour);
            object.EncodeTiles(false);
            for (const TPane& pane : object.Panes())
                if (pane.changed != (pane.index == i)) {
                    std::printf("FAILED: pixel format %d: a change at %d,%d in tile %d %s tile %d\n",
                                object.PixelFormat(), at.x(), at.y(), i,
                                pane.changed ? "also marked" : "was not found in", pane.index);
                    return false;
                }
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    constexpr int kWidth = 1920, kHeight = 1080;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    for (const int format : {7, 3}) {
        TAppShareObject object(kWidth, kHeight, 3, 20, format);
        QImage& screen = object.Snapshot();
        screen.fill(Qt::white);
        {
            QPainter p(&screen);
            for (int y = 0; y < kHeight; y += 18)
                p.drawText(
                    10, y + 14,
                    QString("Line %1: the quick brown fox jumps over the lazy dog, 0123456789").arg(y));
            p.fillRect(900, 100, 600, 400, QColor(40, 90, 160));
        }
        const QImage frame = screen.copy();
        object.EncodeTiles(false); // the first pass encodes every tile
        std::vector<std::uint8_t> target(std::size_t(frame.sizeInBytes()));

        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < runs; ++i) {
            std::memcpy(target.data(), frame.constBits(), target.size());
            asm volatile("" : : "r"(target.data()) : "memory");
        }
        const double copyMs = double(timer.nsecsElapsed()) / 1e6 / runs;

        timer.restart();
        for (int i = 0; i < runs; ++i) {
            std::memcpy(screen.bits(), frame.constBits(), target.size()); // the capture's own copy
            object.EncodeTiles(false);
        }
        const double detectMs = double(timer.nsecsElapsed()) / 1e6 / runs;
        QByteArray update;
        if (object.BuildUpdate(update) != 0) {
            std::printf("FAILED: pixel format %d: an unchanged screen sent tiles\n", format);
            return 1;
        }
        if (!FindsEachChange(object))
            return 1;

        timer.restart();
        qint64 bytes = 0;
        constexpr int kTiles = 600;
        for (int i = 0; i < kTiles; ++i)
            bytes += EncodeTilePng(screen, object.TileRect(i % 60)).size();
        const double pngMs = double(timer.nsecsElapsed()) / 1e6 / kTiles;

        std::printf(
            "pixel format %d: change detection of an unchanged 1920x1080 screen %.3f ms (capture copy "
            "included), memcpy of the frame %.3f ms, ratio %.2f; PNG per 640x54 tile %.3f ms, %lld "
            "bytes on average\n",
            format, detectMs, copyMs, detectMs / copyMs, pngMs, bytes / kTiles);
        bench::PrintRatio(format == 7 ? "appshare_tiles_32bit" : "appshare_tiles_8bit", detectMs / copyMs,
                          "change search over an unchanged 1920x1080 screen / memcpy of the frame; lower is "
                          "better");
    }
    return 0;
}
