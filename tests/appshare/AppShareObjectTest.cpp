// The tile grid, change detection, the update and pointer bytes, and a viewer's picture built from them.
#include "appshare/AppShareObject.h"
#include "appshare/CursorRecord.h"
#include "appshare/PixelReduction.h"
#include "appshare/PngTiles.h"
#include "tests/appshare/FakeDesktop.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(AppShareGrid, TileGeometry) {
    struct Case {
        int width, height, tileWidth, tileHeight, lastWidth, lastHeight;
    } cases[] = {
        {1024, 768, 341, 38, 342, 46},
        {1920, 1080, 640, 54, 640, 54},
        {800, 600, 266, 30, 268, 30},
        {3, 20, 1, 1, 1, 1},
    };
    for (const Case& c : cases) {
        TAppShareObject o(c.width, c.height, 3, 20, pfThirtyTwoBit);
        SCOPED_TRACE(c.width);
        EXPECT_EQ(o.TileWidth(), c.tileWidth);
        EXPECT_EQ(o.TileHeight(), c.tileHeight);
        EXPECT_EQ(o.LastColumnWidth(), c.lastWidth);
        EXPECT_EQ(o.LastRowHeight(), c.lastHeight);
        ASSERT_EQ(o.TileCount(), 60);
        // The tiles cover the screen exactly once.
        QImage cover(c.width, c.height, QImage::Format_Grayscale8);
        cover.fill(0);
        for (int i = 0; i < 60; ++i) {
            const QRect r = o.TileRect(i);
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    cover.scanLine(y)[x] += 1;
        }
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                ASSERT_EQ(cover.constScanLine(y)[x], 1) << x << "," << y;
    }
    TAppShareObject o(1024, 768, 3, 20, pfThirtyTwoBit);
    EXPECT_EQ(o.TileRect(21), QRect(341, 38, 341, 38)) << "column 1, row 1";
    EXPECT_EQ(o.TileRect(59), QRect(682, 722, 342, 46));
    EXPECT_EQ(o.Panes()[21].record.X(), 341);
    EXPECT_EQ(o.Panes()[21].record.Y(), 38);
}

TEST(AppShareObject, OnlyChangedTilesAreSentWithTheirVersionsRaised) {
    test::FakeDesktop desktop;
    TAppShareObject o(1024, 768, 3, 20, pfThirtyTwoBit);
    QByteArray update;
    ASSERT_TRUE(o.CaptureDesktop(desktop, 1024, 768));
    EXPECT_EQ(o.BuildUpdate(update), 60) << "the first pass sends every tile";
    for (const TPane& p : o.Panes())
        EXPECT_EQ(p.version, 1);

    ASSERT_TRUE(o.CaptureDesktop(desktop, 1024, 768));
    EXPECT_EQ(o.BuildUpdate(update), 0);
    EXPECT_TRUE(update.isEmpty());

    // One pixel inside tile 21, then one on the last column's extra pixel (tile 59's x = 1023).
    desktop.screen.setPixel(400, 50, qRgb(1, 2, 3));
    desktop.screen.setPixel(1023, 767, qRgb(200, 0, 0));
    ASSERT_TRUE(o.CaptureDesktop(desktop, 1024, 768));
    ASSERT_EQ(o.BuildUpdate(update), 2);
    for (const TPane& p : o.Panes())
        EXPECT_EQ(p.version, p.index == 21 || p.index == 59 ? 2 : 1) << p.index;
    TScreenTileWalker walker(update);
    const auto first = walker.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->record.Index(), 21);
    EXPECT_EQ(first->record.Version(), 2);
    EXPECT_EQ(first->record.ByteCount(), first->png.size());
    EXPECT_EQ(first->png, o.Panes()[21].current);
    const auto second = walker.next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->record.Index(), 59);
    EXPECT_FALSE(walker.next());
    EXPECT_FALSE(walker.broken());

    // Forcing sends everything again.
    o.EncodeTiles(true);
    EXPECT_EQ(o.BuildUpdate(update), 60);
}

TEST(AppShareObject, EqualPixelsGiveEqualPngBytes) {
    QImage a(341, 38, QImage::Format_RGB32);
    a.fill(qRgb(10, 20, 30));
    QPainter(&a).drawText(5, 30, "Hello");
    const QImage b = a.copy();
    const QByteArray pa = EncodeTilePng(a, a.rect()), pb = EncodeTilePng(b, b.rect());
    EXPECT_EQ(pa, pb);
    EXPECT_FALSE(pa.contains("tIME"));
    EXPECT_FALSE(pa.contains("tEXt"));
    EXPECT_EQ(DecodeTilePng(pa, 341, 38), a);
}

TEST(AppShareObject, ColoursAreReducedBeforeComparing) {
    test::FakeDesktop desktop;
    TAppShareObject o(1024, 768, 3, 20, pfEightBit);
    desktop.screen.fill(qRgb(100, 100, 100));
    QByteArray update;
    o.CaptureDesktop(desktop, 1024, 768);
    EXPECT_EQ(o.BuildUpdate(update), 60);
    // A change below what eight bits keep changes nothing on the wire.
    desktop.screen.setPixel(10, 10, qRgb(101, 100, 100));
    o.CaptureDesktop(desktop, 1024, 768);
    EXPECT_EQ(o.BuildUpdate(update), 0);

    struct Case {
        std::int32_t format;
        QRgb in, out;
    } cases[] = {
        {pfFourBit, qRgb(250, 10, 10), qRgb(255, 0, 0)},
        {pfFourBit, qRgb(190, 190, 190), qRgb(192, 192, 192)},
        {pfEightBit, qRgb(255, 255, 255), qRgb(255, 255, 255)},
        {pfEightBit, qRgb(0, 0, 0), qRgb(0, 0, 0)},
        {pfEightBit, qRgb(100, 200, 50), qRgb(109, 219, 0)}, // three bits, three, two
        {pfSixteenBit, qRgb(255, 255, 255), qRgb(255, 255, 255)},
        {pfSixteenBit, qRgb(9, 9, 9), qRgb(8, 8, 8)},
        {pfSixteenBit, qRgb(100, 200, 50), qRgb(99, 202, 49)}, // five bits, six, five
        {pfThirtyTwoBit, qRgb(9, 9, 9), qRgb(9, 9, 9)},
    };
    for (const Case& c : cases) {
        QImage one(1, 1, QImage::Format_RGB32);
        one.setPixel(0, 0, c.in);
        ReduceColors(one, one.rect(), c.format);
        EXPECT_EQ(one.pixel(0, 0), c.out) << c.format << " " << std::hex << c.in;
    }
}

TEST(AppShareObject, AWindowIsCapturedOnlyWhereItLiesOnTheScreen) {
    test::FakeDesktop desktop;
    desktop.screen.fill(qRgb(0, 0, 255));
    TAppShareObject o(1024, 768, 3, 20, pfThirtyTwoBit);
    o.CaptureWindow(desktop, QRect(900, 700, 300, 200)); // partly off the screen
    const QImage& s = o.Snapshot();
    EXPECT_EQ(s.pixel(950, 750), qRgb(0, 0, 255));
    EXPECT_EQ(s.pixel(1023, 767), qRgb(0, 0, 255));
    EXPECT_EQ(s.pixel(899, 750), qRgb(128, 128, 128));
    EXPECT_EQ(s.pixel(10, 10), qRgb(128, 128, 128));
    o.CaptureWindow(desktop, std::nullopt);
    EXPECT_EQ(o.Snapshot().pixel(950, 750), qRgb(128, 128, 128)) << "an unknown window leaves it grey";
}

TEST(AppShareObject, AViewerPaintsTheHostsScreen) {
    test::FakeDesktop desktop;
    QPainter(&desktop.screen).fillRect(100, 100, 500, 300, Qt::darkGreen);
    TAppShareObject host(1024, 768, 3, 20, pfThirtyTwoBit), viewer(1024, 768, 3, 20, pfThirtyTwoBit);
    QByteArray update;
    host.CaptureDesktop(desktop, 1024, 768);
    host.BuildUpdate(update);
    TScreenTileWalker walker(update);
    while (const auto tile = walker.next())
        ASSERT_EQ(viewer.PaintTile(*tile), TTilePaint::Painted);
    EXPECT_EQ(viewer.Snapshot(), host.Snapshot());
    EXPECT_EQ(viewer.Versions(), std::vector<std::int32_t>(60, 1));
}

TEST(AppShareObject, HostileTilesAreRefused) {
    TAppShareObject viewer(1024, 768, 3, 20, pfThirtyTwoBit);
    QImage tile(341, 38, QImage::Format_RGB32);
    tile.fill(Qt::red);
    const QByteArray png = EncodeTilePng(tile, tile.rect());
    auto record = [&](int index, int x, int y, int w, int h) {
        TTileRecord r;
        r.SetIndex(index);
        r.SetVersion(1);
        r.SetByteCount(std::int32_t(png.size()));
        r.SetX(x);
        r.SetY(y);
        r.SetWidth(w);
        r.SetHeight(h);
        return TScreenTile{r, png};
    };
    struct Case {
        const char* what;
        TScreenTile tile;
        TTilePaint expected;
    } cases[] = {
        {"fits", record(0, 0, 0, 341, 38), TTilePaint::Painted},
        {"index past the grid", record(60, 0, 0, 341, 38), TTilePaint::Skipped},
        {"negative index", record(-1, 0, 0, 341, 38), TTilePaint::Skipped},
        {"reaches past the right edge", record(0, 700, 0, 341, 38), TTilePaint::Skipped},
        {"negative position", record(0, -5, 0, 341, 38), TTilePaint::Skipped},
        {"size overflowing int", record(0, 1, 1, 0x7FFFFFFF, 38), TTilePaint::Skipped},
        {"PNG of another size than the record", record(0, 0, 0, 300, 38), TTilePaint::Failed},
        {"not a PNG", TScreenTile{record(0, 0, 0, 341, 38).record, QByteArray(png.size(), 'x')},
         TTilePaint::Failed},
        {"PNG cut short", TScreenTile{record(0, 0, 0, 341, 38).record, png.left(png.size() / 2)},
         TTilePaint::Failed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(viewer.PaintTile(c.tile), c.expected) << c.what;

    // A PNG claiming huge dimensions is refused before anything is allocated for it.
    QByteArray huge = png;
    huge[16] = 0x7F; // IHDR width's high byte
    EXPECT_TRUE(DecodeTilePng(huge, 341, 38).isNull());
    EXPECT_TRUE(DecodeTilePng(png, 20000, 38).isNull());

    // An update whose first record carries no image goes on with the next record.
    QByteArray update;
    TTileRecord empty;
    empty.SetIndex(3);
    AppendScreenTile(update, empty, {});
    AppendScreenTile(update, record(1, 0, 38, 341, 38).record, png);
    TScreenTileWalker walker(update);
    const auto first = walker.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(viewer.PaintTile(*first), TTilePaint::Skipped);
    const auto second = walker.next();
    ASSERT_TRUE(second);
    EXPECT_EQ(viewer.PaintTile(*second), TTilePaint::Painted);
    EXPECT_EQ(viewer.Snapshot().pixel(5, 40), qRgb(255, 0, 0));

    // A byte count beyond the update stops the walk.
    QByteArray cut = update.left(update.size() - 1);
    TScreenTileWalker broken(cut);
    EXPECT_TRUE(broken.next());
    EXPECT_FALSE(broken.next());
    EXPECT_TRUE(broken.broken());
}

TEST(AppShareCursor, RecordAndImage) {
    test::FakeDesktop desktop;
    TPointerImage pointer;
    pointer.image = QImage(16, 16, QImage::Format_ARGB32_Premultiplied);
    pointer.image.fill(Qt::transparent);
    QPainter(&pointer.image).fillRect(0, 0, 4, 10, Qt::black);
    pointer.position = QPoint(512, 384);
    pointer.hotSpot = QPoint(2, 3);
    desktop.pointer = pointer;
    const auto message = BuildCursorRecord(desktop);
    ASSERT_TRUE(message);
    const QByteArray bytes = message->encode();
    ASSERT_GE(bytes.size(), 16);
    PayloadReader reader(bytes);
    EXPECT_EQ(reader.i32(), 510);
    EXPECT_EQ(reader.i32(), 381);
    EXPECT_EQ(reader.i32(), bytes.size() - 16);
    EXPECT_EQ(reader.i32(), 0);
    const QImage plain = DecodeTilePng(message->png, 32, 32);
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(plain.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(plain.pixel(20, 20), kCursorBackground);
    const QImage shown = DecodeCursorImage(message->png);
    EXPECT_EQ(qAlpha(shown.pixel(20, 20)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(1, 1)), 255);

    desktop.pointer.reset();
    EXPECT_FALSE(BuildCursorRecord(desktop));
}

} // namespace
} // namespace orv
