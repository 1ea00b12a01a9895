#include "chat/EmoticonPictures.h"

#include "chat/EmoticonParser.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace orv {
namespace {

constexpr qreal kScale = 2;
const QColor kOutline(0x80, 0x50, 0x00);
const QColor kFace(0xFF, 0xD8, 0x30);
const QColor kInk(0x40, 0x20, 0x00);

enum class Mouth { Smile, Frown, Grin, Open, Flat, Slant, Wavy, Kiss, Sealed, Tongue };
enum class Eyes { Dots, Wink, Glasses, Angry };

struct Face {
    QColor face = kFace;
    Eyes eyes = Eyes::Dots;
    Mouth mouth = Mouth::Smile;
    bool tear = false;
    bool cheeks = false;
    bool halo = false;
};

// In the order of the parser's picture numbers.
const std::array<Face, kEmoticonCount> kFaces = {{
    {QColor(0xF0, 0x60, 0x40), Eyes::Angry, Mouth::Frown}, // 0 angry
    {kFace, Eyes::Glasses, Mouth::Smile},                  // 1 cool
    {kFace, Eyes::Dots, Mouth::Frown, true},               // 2 crying
    {kFace, Eyes::Dots, Mouth::Smile, false, true},        // 3 blushing
    {QColor(0xB8, 0xD8, 0x60), Eyes::Dots, Mouth::Wavy},   // 4 sick
    {kFace, Eyes::Dots, Mouth::Frown},                     // 5 sad
    {kFace, Eyes::Dots, Mouth::Smile, false, false, true}, // 6 angel
    {kFace, Eyes::Dots, Mouth::Kiss},                      // 7 kiss
    {kFace, Eyes::Dots, Mouth::Grin},                      // 8 laughing
    {kFace, Eyes::Dots, Mouth::Flat, false, true},         // 9 embarrassed
    {kFace, Eyes::Dots, Mouth::Sealed},                    // 10 sealed lips
    {kFace, Eyes::Dots, Mouth::Smile},                     // 11 smile
    {kFace, Eyes::Dots, Mouth::Open},                      // 12 surprised
    {kFace, Eyes::Dots, Mouth::Tongue},                    // 13 tongue
    {kFace, Eyes::Dots, Mouth::Slant},                     // 14 unsure
    {kFace, Eyes::Wink, Mouth::Smile},                     // 15 wink
}};

void drawEyes(QPainter& p, Eyes eyes) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    switch (eyes) {
    case Eyes::Dots:
        p.drawEllipse(QPointF(6.5, 7.5), 1.2, 1.6);
        p.drawEllipse(QPointF(12.5, 7.5), 1.2, 1.6);
        break;
    case Eyes::Wink:
        p.drawEllipse(QPointF(6.5, 7.5), 1.2, 1.6);
        p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 7.8), QPointF(14, 7.8));
        break;
    case Eyes::Glasses:
        p.drawRoundedRect(QRectF(3.5, 5.8, 5, 3.2), 1, 1);
        p.drawRoundedRect(QRectF(10.5, 5.8, 5, 3.2), 1, 1);
        p.setPen(QPen(kInk, 0.9));
        p.drawLine(QPointF(8.5, 6.6), QPointF(10.5, 6.6));
        break;
    case Eyes::Angry:
        p.drawEllipse(QPointF(6.5, 8), 1.2, 1.3);
        p.drawEllipse(QPointF(12.5, 8), 1.2, 1.3);
        p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4.5, 5), QPointF(8, 6.3));
        p.drawLine(QPointF(14.5, 5), QPointF(11, 6.3));
        break;
    }
}

void drawMouth(QPainter& p, Mouth mouth) {
    const QPen line(kInk, 1.2, Qt::SolidLine, Qt::RoundCap);
    p.setBrush(Qt::NoBrush);
    p.setPen(line);
    switch (mouth) {
    case Mouth::Smile:
        p.drawArc(QRectF(5, 7, 9, 7), 200 * 16, 140 * 16);
        break;
    case Mouth::Frown:
        p.drawArc(QRectF(5.5, 12, 8, 5), 20 * 16, 140 * 16);
        break;
    case Mouth::Grin: {
        QPainterPath path;
        path.moveTo(5, 11);
        path.lineTo(14, 11);
        path.arcTo(QRectF(5, 6.5, 9, 9), 0, -180);
        p.setBrush(QColor(0x90, 0x20, 0x10));
        p.drawPath(path);
        break;
    }
    case Mouth::Open:
        p.setBrush(QColor(0x90, 0x20, 0x10));
        p.drawEllipse(QPointF(9.5, 13), 2, 2.4);
        break;
    case Mouth::Flat:
        p.drawLine(QPointF(6.5, 13), QPointF(12.5, 13));
        break;
    case Mouth::Slant:
        p.drawLine(QPointF(6.5, 14), QPointF(12.5, 12));
        break;
    case Mouth::Wavy: {
        QPainterPath path;
        path.moveTo(5.5, 13);
        path.cubicTo(7, 11.5, 8, 14.5, 9.5, 13);
        path.cubicTo(11, 11.5, 12, 14.5, 13.5, 13);
        p.drawPath(path);
        break;
    }
    case Mouth::Kiss:
        p.setPen(QPen(QColor(0xC0, 0x10, 0x30), 1.3));
        p.setBrush(QColor(0xE0, 0x30, 0x50));
        p.drawEllipse(QPointF(9.5, 13), 1.6, 1.3);
        break;
    case Mouth::Sealed:
        p.drawLine(QPointF(6, 13), QPointF(13, 13));
        for (const qreal x : {7.5, 9.5, 11.5})
            p.drawLine(QPointF(x - 0.8, 11.8), QPointF(x + 0.8, 14.2));
        break;
    case Mouth::Tongue:
        p.drawArc(QRectF(5, 7, 9, 7), 200 * 16, 140 * 16);
        p.setPen(QPen(QColor(0xC0, 0x30, 0x40), 0.8));
        p.setBrush(QColor(0xF0, 0x60, 0x70));
        p.drawChord(QRectF(8, 12, 4, 5), 180 * 16, 180 * 16);
        break;
    }
}

} // namespace

QImage EmoticonPicture(int index) {
    if (index < 0 || index >= kEmoticonCount)
        return {};
    const Face& f = kFaces[std::size_t(index)];
    QImage image(QSize(kEmoticonSize, kEmoticonSize) * kScale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(kScale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (f.halo) {
        p.setPen(QPen(QColor(0xE0, 0xB0, 0x00), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(4.5, 0.6, 10, 3));
    }
    const QRectF head = f.halo ? QRectF(1.5, 2.8, 16, 15.6) : QRectF(1.5, 1.5, 16, 16);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(f.face);
    p.drawEllipse(head);
    if (f.cheeks) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0x50, 0x50, 0xE0));
        p.drawEllipse(QPointF(4.9, 11.2), 2.2, 1.5);
        p.drawEllipse(QPointF(14.1, 11.2), 2.2, 1.5);
    }
    drawEyes(p, f.eyes);
    drawMouth(p, f.mouth);
    if (f.tear) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x40, 0x90, 0xF0));
        p.drawEllipse(QPointF(5.2, 10.8), 1, 1.6);
    }
    return image;
}

} // namespace orv
