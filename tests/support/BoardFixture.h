#pragma once
// Helpers of the board tests: a whiteboard whose packets are kept, image comparison that names the first
// differing pixel, and busy board content to draw over.

#include "board/Whiteboard.h"
#include "support/FakeSession.h"

#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orv::test {

// A whiteboard on small boards (drawing on 1024 x 768 ones over and over only slows the tests), whose
// sender keeps what it is given and reports the connection as `connectionUp` says.
struct BoardFixture {
    explicit BoardFixture(QSize size = {160, 120})
        : boards(std::make_unique<Whiteboard>(
              [this](std::uint16_t command, const QByteArray& payload) {
                  if (connectionUp)
                      sent.push_back({command, payload});
                  return connectionUp;
              },
              size)) {}
    std::vector<SentPacket> sent;
    bool connectionUp = true;
    std::unique_ptr<Whiteboard> boards;
};

inline TBoardDrawingBatch DecodeBatch(const QByteArray& payload) {
    PayloadReader reader(payload);
    return TBoardDrawingBatch::decode(reader);
}

inline ::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if ((actual.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF))
                return ::testing::AssertionFailure() << "first difference at (" << x << ", " << y
                                                     << "): " << std::hex << (actual.pixel(x, y) & 0xFFFFFF)
                                                     << " instead of " << (expected.pixel(x, y) & 0xFFFFFF);
    return ::testing::AssertionSuccess();
}

// Coloured stripes and a few dark pixels, so that drawing over them meets more than white.
inline void PaintBusyContent(BoardCanvas& canvas) {
    QImage& image = canvas.Pixels();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 13) & 0xFF, ((x + y) % 37 == 0) ? 0 : 200));
    canvas.MarkChanged(image.rect());
}

inline TBBItem Item(int board, std::uint8_t kind, QPoint p1, QPoint p2, int penWidth = 1,
                    TColor penColor = 0x000000, std::uint8_t brushStyle = BoardBrush::Clear,
                    TColor brushColor = 0xFFFFFF) {
    TBBItem item;
    item.SetBoard(std::uint8_t(board));
    item.SetKind(kind);
    item.SetX1(std::uint16_t(p1.x()));
    item.SetY1(std::uint16_t(p1.y()));
    item.SetX2(std::uint16_t(p2.x()));
    item.SetY2(std::uint16_t(p2.y()));
    item.SetPenWidth(std::uint8_t(penWidth));
    item.SetPenColor(penColor);
    item.SetBrushStyle(brushStyle);
    item.SetBrushColor(brushColor);
    return item;
}

} // namespace orv::test
