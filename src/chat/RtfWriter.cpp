#include "chat/RtfWriter.h"

#include "chat/ChatLineWriter.h"
#include "chat/EmoticonPictures.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace orv {
namespace {

constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

QByteArray Escaped(const QString& text) {
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u < 0x20) {
            continue;
        } else if (u < 0x80) {
            out += char(u);
        } else {
            // Signed 16-bit, one per UTF-16 unit; readers without Unicode show the '?', written as a hex
            // escape, which every reader takes as the one character to skip.
            out += "\\u" + QByteArray::number(std::int16_t(u)) + "\\'3f";
        }
    }
    return out;
}

QByteArray Picture(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const QByteArray hex = png.toHex();
    QByteArray out = "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich" +
                     QByteArray::number(image.height()) + "\\picwgoal" +
                     QByteArray::number(kEmoticonSize * kTwipsPerPixel) + "\\pichgoal" +
                     QByteArray::number(kEmoticonSize * kTwipsPerPixel) + "\n";
    for (qsizetype i = 0; i < hex.size(); i += 128)
        out += hex.mid(i, 128) + "\n";
    return out + "}";
}

class Writer {
public:
    explicit Writer(const QTextDocument& log) : m_log(log) {}

    QByteArray write() {
        QByteArray body;
        for (QTextBlock block = m_log.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it)
                body += fragment(it.fragment());
            if (block.next().isValid())
                body += "\\par\n";
        }
        QByteArray colors = "{\\colortbl ;";
        for (const QColor& c : m_colors)
            colors += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
                      "\\blue" + QByteArray::number(c.blue()) + ";";
        colors += "}\n";
        return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fswiss\\fcharset0 Tahoma;}}\n" +
               colors + "\\viewkind4\\pard\\f0\\fs" +
               QByteArray::number(halfPoints(m_log.defaultFont().pointSizeF())) + "\n" + body + "}\n";
    }

private:
    static int halfPoints(qreal points) { return points > 0 ? int(std::lround(points * 2)) : 16; }

    int colorIndex(const QColor& color) {
        const qsizetype at = m_colors.indexOf(color);
        if (at >= 0)
            return int(at) + 1;
        m_colors.append(color);
        return int(m_colors.size());
    }

    QByteArray fragment(const QTextFragment& fragment) {
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            const QString name = format.toImageFormat().name();
            const QImage image = m_log.resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
            const int emoticon = EmoticonOfResource(name);
            return image.isNull() ? QByteArray() : Picture(emoticon >= 0 ? EmoticonPicture(emoticon) : image);
        }
        const QColor color =
            format.foreground().style() == Qt::NoBrush ? QColor(Qt::black) : format.foreground().color();
        const qreal size = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                          : m_log.defaultFont().pointSizeF();
        return "{" + QByteArray(format.fontWeight() >= QFont::Bold ? "\\b" : "\\b0") + "\\cf" +
               QByteArray::number(colorIndex(color)) + "\\fs" + QByteArray::number(halfPoints(size)) + " " +
               Escaped(fragment.text()) + "}";
    }

    const QTextDocument& m_log;
    QList<QColor> m_colors;
};

} // namespace

QByteArray WriteRtf(const QTextDocument& log) {
    return Writer(log).write();
}

} // namespace orv
