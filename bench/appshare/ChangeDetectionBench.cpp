// Finding the changed tiles of a full 1920 x 1080 screen that did not change (the common case: every pass
// looks at all 60 tiles) against memcpy of the same frame, in the same run; and encoding one changed tile
// as PNG, per tile. The screen holds text and shapes so the PNGs are like a desktop's.
#include "appshare/AppShareObject.h"
#include "appshare/PngTiles.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <cstring>
#include <vector>

using namespace orv;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    constexpr int kWidth = 1920, kHeight = 1080, kRuns = 200;
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
        for (int i = 0; i < kRuns; ++i) {
            std::memcpy(target.data(), frame.constBits(), target.size());
            asm volatile("" : : "r"(target.data()) : "memory");
        }
        const double copyMs = double(timer.nsecsElapsed()) / 1e6 / kRuns;

        timer.restart();
        for (int i = 0; i < kRuns; ++i) {
            std::memcpy(screen.bits(), frame.constBits(), target.size()); // the capture's own copy
            object.EncodeTiles(false);
        }
        const double detectMs = double(timer.nsecsElapsed()) / 1e6 / kRuns;
        QByteArray update;
        if (object.BuildUpdate(update) != 0) {
            std::fprintf(stderr, "an unchanged screen sent tiles\n");
            return 1;
        }

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
    }
    return 0;
}
