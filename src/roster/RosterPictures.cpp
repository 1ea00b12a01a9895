#include "roster/RosterPictures.h"

#include "roster/UserNode.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <vector>

namespace orv {
namespace {

constexpr int kSize = 16;

void microphone(QPainter& p, const QColor& body) {
    p.setPen(QPen(body.darker(160), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(5.5, 1.5, 5, 8), 2.5, 2.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.drawArc(QRectF(3.5, 4.5, 9, 8), 180 * 16, 180 * 16);
    p.drawLine(QPointF(8, 12.5), QPointF(8, 14.5));
    p.drawLine(QPointF(5.5, 14.5), QPointF(10.5, 14.5));
}

void camera(QPainter& p, const QColor& body) {
    p.setPen(QPen(body.darker(170), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1.5, 4.5, 10, 8), 1.5, 1.5);
    QPolygonF lens;
    lens << QPointF(11.5, 7) << QPointF(14.5, 5) << QPointF(14.5, 12) << QPointF(11.5, 10);
    p.drawPolygon(lens);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(4, 6.5, 4, 4));
}

void questionMark(QPainter& p) {
    QFont font("DejaVu Sans");
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(200, 90, 0));
    p.drawText(QRectF(9, 0, 7, 9), Qt::AlignCenter, QStringLiteral("?"));
}

void hand(QPainter& p) {
    const QColor skin(238, 190, 140);
    p.setPen(QPen(QColor(150, 95, 50), 1));
    p.setBrush(skin);
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(4 + i * 2.3, 1.5 + (i == 0 || i == 3 ? 1.5 : 0), 2.2, 7), 1, 1);
    p.drawRoundedRect(QRectF(4, 6.5, 9.2, 8), 2.5, 2.5);
    p.drawRoundedRect(QRectF(1.5, 7, 3.5, 2.2), 1, 1); // thumb
}

void smile(QPainter& p) {
    p.setPen(QPen(QColor(170, 120, 0), 1));
    p.setBrush(QColor(255, 215, 40));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(QColor(60, 40, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(5, 5, 2, 2.5));
    p.drawEllipse(QRectF(9, 5, 2, 2.5));
    p.setPen(QPen(QColor(60, 40, 0), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 5, 7, 6), 200 * 16, 140 * 16);
}

void clap(QPainter& p) {
    const QColor skin(238, 190, 140);
    p.setPen(QPen(QColor(150, 95, 50), 1));
    p.setBrush(skin);
    p.save();
    p.translate(6, 9);
    p.rotate(-20);
    p.drawRoundedRect(QRectF(-2.5, -6, 5, 11), 2, 2);
    p.restore();
    p.save();
    p.translate(10, 9);
    p.rotate(20);
    p.drawRoundedRect(QRectF(-2.5, -6, 5, 11), 2, 2);
    p.restore();
    p.setPen(QPen(QColor(230, 140, 0), 1));
    p.drawLine(QPointF(8, 0.5), QPointF(8, 2));
    p.drawLine(QPointF(3, 1.5), QPointF(4, 3));
    p.drawLine(QPointF(13, 1.5), QPointF(12, 3));
}

void badge(QPainter& p, const QColor& fill) {
    p.setPen(QPen(fill.darker(150), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
}

void check(QPainter& p, const QColor& colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(4.5, 8.5);
    path.lineTo(7, 11);
    path.lineTo(11.5, 5);
    p.drawPath(path);
}

void cross(QPainter& p, const QColor& colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(11, 11));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
}

QPixmap draw(int index) {
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    namespace I = RosterPictureIndex;
    switch (index) {
    case MotionPicture::Hand:
        hand(p);
        break;
    case MotionPicture::Clap:
        clap(p);
        break;
    case MotionPicture::Smile:
        smile(p);
        break;
    case MotionPicture::Yes:
        badge(p, QColor(40, 160, 60));
        check(p, Qt::white, 2);
        break;
    case MotionPicture::No:
        badge(p, QColor(200, 40, 40));
        cross(p, Qt::white, 2);
        break;
    case MotionPicture::LoadMark:
        check(p, QColor(0, 140, 40), 2.5);
        break;
    case I::MikeRequest:
        microphone(p, QColor(245, 170, 60));
        questionMark(p);
        break;
    case I::MikeSpeak:
        microphone(p, QColor(60, 180, 75));
        p.setPen(QPen(QColor(40, 150, 60), 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(10, 2, 5, 7), -60 * 16, 120 * 16);
        p.drawArc(QRectF(1, 2, 5, 7), 120 * 16, 120 * 16);
        break;
    case I::MikeMuted:
        microphone(p, QColor(60, 180, 75));
        p.setPen(QPen(QColor(230, 140, 0), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2, 14), QPointF(14, 2));
        break;
    case I::MikeAllowed:
    case I::MikeGranted:
        microphone(p, QColor(70, 110, 200));
        break;
    case I::MikeForbidden:
        microphone(p, QColor(170, 170, 170));
        p.setPen(QPen(QColor(210, 30, 30), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2, 14), QPointF(14, 2));
        break;
    case I::CamRequest:
        camera(p, QColor(245, 170, 60));
        questionMark(p);
        break;
    case I::CamBroadcast:
        camera(p, QColor(210, 30, 30));
        break;
    default:
        return {};
    }
    p.end();
    return QPixmap::fromImage(image);
}

} // namespace

const std::vector<int>& RosterPictureIndexes() {
    static const std::vector<int> all = {9, 10, 11, 12, 27, 42, 43, 44, 46, 49, 50, 58, 61, 62};
    return all;
}

QPixmap RosterPicture(int index) {
    static QHash<int, QPixmap> drawn;
    const auto it = drawn.constFind(index);
    if (it != drawn.constEnd())
        return *it;
    const QPixmap picture = draw(index);
    drawn.insert(index, picture);
    return picture;
}

} // namespace orv
