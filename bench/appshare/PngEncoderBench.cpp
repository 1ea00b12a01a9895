// PNG encoding of changed tiles: our libpng encoder against libspng on the same 60 tiles of a 1920 x 1080
// screen with text, shapes and a photo-like area, in the same run. libspng runs with our settings (level 1,
// the Sub filter) and with its own defaults. Every PNG is decoded back by Qt's reader and compared with the
// tile, so a broken encoder cannot win.
#include "BenchRatio.h"

#include "appshare/AppShareObject.h"
#include "appshare/PngTiles.h"

#include <spng.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace orv;

namespace {

// The screen a user shares: a document of text, a toolbar of shapes, and a photo with noise.
QImage MakeScreen(int width, int height) {
    QImage screen(width, height, QImage::Format_RGB32);
    screen.fill(QColor(246, 246, 246));
    QPainter p(&screen);
    p.fillRect(0, 0, width, 32, QColor(60, 64, 72));
    for (int x = 8; x < width; x += 40) {
        p.setBrush(QColor::fromHsv((x * 7) % 360, 160, 220));
        p.drawEllipse(x, 6, 20, 20);
    }
    p.setPen(Qt::black);
    for (int y = 48; y < height; y += 18)
        p.drawText(16, y + 14,
                   QString("Line %1: the quick brown fox jumps over the lazy dog, 0123456789 (%2)")
                       .arg(y)
                       .arg(y * 31 % 977));
    p.setPen(QPen(QColor(20, 120, 200), 3));
    p.setBrush(QColor(250, 220, 120));
    p.drawRoundedRect(700, 120, 300, 160, 12, 12);
    p.drawLine(700, 320, 1000, 500);
    p.end();

    // Photo-like: smooth gradients with sensor noise, 800 x 560 at the right.
    QRandomGenerator random(24);
    const QRect photo(1080, 300, 800, 560);
    for (int y = photo.top(); y <= photo.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(screen.scanLine(y));
        for (int x = photo.left(); x <= photo.right(); ++x) {
            const int noise = int(random.bounded(13)) - 6;
            const int r = std::clamp(90 + (x - photo.left()) / 5 + noise, 0, 255);
            const int g = std::clamp(140 + (y - photo.top()) / 6 - (x - photo.left()) / 9 + noise, 0, 255);
            const int b = std::clamp(200 - (y - photo.top()) / 4 + noise, 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return screen;
}

// The tile as packed RGB, what libspng takes; the conversion is counted in its time.
void PackRgb(const QImage& screen, const QRect& area, std::vector<unsigned char>& out) {
    out.resize(std::size_t(area.width()) * std::size_t(area.height()) * 3);
    unsigned char* to = out.data();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            *to++ = static_cast<unsigned char>(qRed(line[x]));
            *to++ = static_cast<unsigned char>(qGreen(line[x]));
            *to++ = static_cast<unsigned char>(qBlue(line[x]));
        }
    }
}

QByteArray EncodeSpng(const QImage& screen, const QRect& area, bool ourSettings,
                      std::vector<unsigned char>& rgb) {
    PackRgb(screen, area, rgb);
    spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
    if (!ctx)
        return {};
    spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
    if (ourSettings) {
        spng_set_option(ctx, SPNG_IMG_COMPRESSION_LEVEL, 1);
        spng_set_option(ctx, SPNG_FILTER_CHOICE, SPNG_FILTER_CHOICE_SUB);
    }
    spng_ihdr ihdr{};
    ihdr.width = std::uint32_t(area.width());
    ihdr.height = std::uint32_t(area.height());
    ihdr.bit_depth = 8;
    ihdr.color_type = SPNG_COLOR_TYPE_TRUECOLOR;
    spng_set_ihdr(ctx, &ihdr);
    QByteArray out;
    if (spng_encode_image(ctx, rgb.data(), rgb.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE) == 0) {
        std::size_t size = 0;
        int error = 0;
        void* buffer = spng_get_png_buffer(ctx, &size, &error);
        if (buffer && error == 0)
            out = QByteArray(static_cast<const char*>(buffer), qsizetype(size));
        std::free(buffer);
    }
    spng_ctx_free(ctx);
    return out;
}

struct TResult {
    double msPerTile = 0;
    double bytesPerTile = 0;
};

using TEncoder = std::function<QByteArray(const QRect&)>;

// Encodes every tile `passes` times; checks each tile's first PNG decodes to exactly the tile.
bool Measure(const QImage& screen, const std::vector<QRect>& tiles, int passes, const TEncoder& encode,
             const char* name, TResult& result) {
    for (const QRect& tile : tiles) {
        const QImage back = QImage::fromData(encode(tile), "PNG").convertToFormat(QImage::Format_RGB32);
        if (back != screen.copy(tile)) {
            std::fprintf(stderr, "%s: tile at %d,%d does not decode to its pixels\n", name, tile.x(),
                         tile.y());
            return false;
        }
    }
    qint64 bytes = 0;
    QElapsedTimer timer;
    timer.start();
    for (int pass = 0; pass < passes; ++pass)
        for (const QRect& tile : tiles)
            bytes += encode(tile).size();
    const double count = double(passes) * double(tiles.size());
    result.msPerTile = double(timer.nsecsElapsed()) / 1e6 / count;
    result.bytesPerTile = double(bytes) / count;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    constexpr int kWidth = 1920, kHeight = 1080;
    const int passes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    // The 32-bit format, so the tiles carry the screen's own pixels.
    TAppShareObject object(kWidth, kHeight, 3, 20, 7);
    const QImage screen = MakeScreen(kWidth, kHeight);
    std::vector<QRect> tiles;
    for (int i = 0; i < 60; ++i)
        tiles.push_back(object.TileRect(i));

    std::vector<unsigned char> rgb;
    const TEncoder ours = [&](const QRect& tile) { return EncodeTilePng(screen, tile); };
    const TEncoder spngSame = [&](const QRect& tile) { return EncodeSpng(screen, tile, true, rgb); };
    const TEncoder spngDefault = [&](const QRect& tile) { return EncodeSpng(screen, tile, false, rgb); };

    // Two rounds, alternating, so a busy machine weighs on both sides alike; the second round counts.
    TResult a, b, c;
    for (int round = 0; round < 2; ++round) {
        if (!Measure(screen, tiles, passes, ours, "libpng (ours)", a) ||
            !Measure(screen, tiles, passes, spngSame, "libspng", b) ||
            !Measure(screen, tiles, passes, spngDefault, "libspng defaults", c))
            return 1;
    }
    std::printf(
        "60 tiles of 640 x 54 (1920 x 1080, text, shapes, photo), passes: %d; every PNG decoded back and "
        "equal:\n",
        passes);
    std::printf("  ours (libpng, level 1, Sub): %.3f ms, %.0f bytes per tile\n", a.msPerTile, a.bytesPerTile);
    std::printf(
        "  libspng, same settings:      %.3f ms, %.0f bytes per tile; ours/libspng time %.2f, bytes %.3f\n",
        b.msPerTile, b.bytesPerTile, a.msPerTile / b.msPerTile, a.bytesPerTile / b.bytesPerTile);
    std::printf(
        "  libspng, its defaults:       %.3f ms, %.0f bytes per tile; ours/libspng time %.2f, bytes %.3f\n",
        c.msPerTile, c.bytesPerTile, a.msPerTile / c.msPerTile, a.bytesPerTile / c.bytesPerTile);
    bench::PrintRatio("png_time_vs_spng", a.msPerTile / b.msPerTile,
                      "our PNG time per tile / libspng's with the same settings; lower is better");
    bench::PrintRatio("png_bytes_vs_spng", a.bytesPerTile / b.bytesPerTile,
                      "our PNG bytes per tile / libspng's with the same settings; lower is better");
    bench::PrintRatio("png_time_vs_spng_defaults", a.msPerTile / c.msPerTile,
                      "our PNG time per tile / libspng's with its defaults; lower is better");
    return 0;
}
