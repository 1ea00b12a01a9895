// Small scenes drawn from records and compared pixel for pixel with pictures checked in beside this file.
// On a difference the actual picture and a difference map (red where they differ) are written to
// $TMPDIR/orvane-board-golden. ORVANE_UPDATE_GOLDEN=1 writes the actual pictures as the new golden ones.
#include "support/BoardFixture.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::Item;

QImage Scene(QSize size, const TBBPackage& records) {
    test::BoardFixture f(size);
    f.boards->ReplayBatch(records);
    return f.boards->Board(1).Image().copy();
}

QImage DifferenceMap(const QImage& actual, const QImage& expected) {
    QImage map(actual.size(), QImage::Format_RGB32);
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const bool same =
                expected.valid(x, y) && (actual.pixel(x, y) & 0xFFFFFF) == (expected.pixel(x, y) & 0xFFFFFF);
            const int grey = 128 + qGray(actual.pixel(x, y)) / 2;
            map.setPixel(x, y, same ? qRgb(grey, grey, grey) : qRgb(255, 0, 0));
        }
    return map;
}

void ExpectGolden(const QString& name, const QImage& actual) {
    const QString golden = QString(ORV_SOURCE_DIR) + "/tests/board/golden/" + name + ".png";
    if (qEnvironmentVariableIntValue("ORVANE_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(actual.save(golden)) << golden.toStdString();
        return;
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << "missing " << golden.toStdString();
    const ::testing::AssertionResult same = test::SameImage(actual, expected);
    if (!same) {
        const QString folder = QDir::temp().filePath("orvane-board-golden");
        QDir().mkpath(folder);
        actual.save(folder + "/" + name + "-actual.png");
        DifferenceMap(actual, expected).save(folder + "/" + name + "-diff.png");
        ADD_FAILURE() << name.toStdString() << ": " << same.message() << "; pictures in "
                      << folder.toStdString();
    }
}

TEST(BoardGolden, Ellipses) {
    ExpectGolden("ellipse",
                 Scene({64, 48}, {
                                     Item(1, BoardKind::Oval, {3, 3}, {30, 20}),
                                     Item(1, BoardKind::Oval, {60, 4}, {35, 29}, 1, 0x00800000,
                                          BoardBrush::Solid, 0x0000C0FF),
                                     Item(1, BoardKind::Oval, {6, 26}, {29, 45}, 4, 0x000000C0),
                                     Item(1, BoardKind::Circle, {47, 39}, {50, 43}, 1, 0x00008000),
                                     Item(1, BoardKind::Oval, {34, 34}, {36, 36}),
                                     Item(1, BoardKind::Oval, {38, 40}, {41, 45}),
                                     Item(1, BoardKind::RoundRectangle, {12, 8}, {24, 16}, 1, 0x00FF0000),
                                 }));
}

TEST(BoardGolden, WidePens) {
    TBBPackage records;
    const int widths[] = {2, 3, 5, 9};
    for (std::size_t i = 0; i < std::size(widths); ++i) {
        const int x = 6 + int(i) * 16;
        records.push_back(Item(1, BoardKind::MoveTo, {x, 6}, {x, 6}));
        records.push_back(Item(1, BoardKind::Line, {x, 6}, {x + 9, 26}, widths[i], 0x00800000));
        records.push_back(Item(1, BoardKind::Rectangle, {x - 2, 32}, {x + 10, 44}, widths[i], 0x00008000));
    }
    records.push_back(Item(1, BoardKind::Oval, {68, 6}, {90, 22}, 4, 0x000000C0));
    records.push_back(
        Item(1, BoardKind::RoundRectangle, {68, 28}, {90, 44}, 3, 0x00C000C0, BoardBrush::Solid, 0x00FFC0C0));
    ExpectGolden("wide-pens", Scene({96, 50}, records));
}

TEST(BoardGolden, Hatches) {
    TBBPackage records = {
        Item(1, BoardKind::Rectangle, {0, 0}, {68, 46}, 1, 0x00C0FFFF, BoardBrush::Solid, 0x00C0FFFF)};
    for (std::uint8_t style = BoardBrush::Horizontal; style <= BoardBrush::DiagonalCross; ++style) {
        const int i = style - BoardBrush::Horizontal;
        const QPoint corner(2 + (i % 3) * 22, 2 + (i / 3) * 22);
        records.push_back(
            Item(1, BoardKind::Rectangle, corner, corner + QPoint(20, 20), 1, 0, style, 0x00FF0000));
    }
    ExpectGolden("hatches", Scene({68, 46}, records));
}

TEST(BoardGolden, Fill) {
    ExpectGolden(
        "fill",
        Scene({64, 48},
              {
                  Item(1, BoardKind::Rectangle, {2, 2}, {62, 46}, 2, 0),
                  Item(1, BoardKind::Oval, {18, 10}, {46, 38}, 1, 0),
                  Item(1, BoardKind::MoveTo, {2, 24}, {2, 24}),
                  Item(1, BoardKind::Line, {2, 24}, {18, 24}, 1, 0),
                  Item(1, BoardKind::Fill, {8, 8}, {8, 8}, 1, 0, BoardBrush::DiagonalCross, 0x000000FF),
                  Item(1, BoardKind::Fill, {32, 24}, {32, 24}, 1, 0, BoardBrush::Solid, 0x0000C000),
              }));
}

TEST(BoardGolden, Airbrush) {
    ExpectGolden(
        "airbrush",
        Scene({64, 48}, {
                            Item(1, BoardKind::Rectangle, {4, 8}, {60, 12}, 1, 0, BoardBrush::Solid, 0),
                            Item(1, BoardKind::MoveTo, {6, 10}, {6, 10}),
                            Item(1, BoardKind::Highlighter, {30, 12}, {30, 12}, 1, 0x0000FFFF),
                            Item(1, BoardKind::Highlighter, {58, 9}, {58, 9}, 1, 0x0000FFFF),
                            Item(1, BoardKind::MoveTo, {6, 38}, {6, 38}),
                            Item(1, BoardKind::Handwriting, {20, 28}, {20, 28}, 6, 0x00C00000),
                            Item(1, BoardKind::Handwriting, {40, 42}, {40, 42}, 6, 0x00C00000),
                            Item(1, BoardKind::Handwriting, {58, 30}, {58, 30}, 4, 0x00C00000),
                        }));
}

} // namespace
} // namespace orv
