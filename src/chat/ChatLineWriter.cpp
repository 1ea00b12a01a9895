#include "chat/ChatLineWriter.h"

#include "chat/EmoticonParser.h"
#include "chat/EmoticonPictures.h"

#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

namespace orv {
namespace {

const QString kEmoticonScheme = QStringLiteral("emoticon");

QTextCharFormat Format(bool bold, TColor color, int fontSize) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontPointSize(fontSize);
    format.setForeground(ToQColor(color));
    return format;
}

// The lines of a text; control characters other than tabs and line ends are dropped.
QStringList Lines(const QString& text) {
    static const QRegularExpression kBreak("\r\n|\r|\n");
    static const QRegularExpression kControl("[\\x00-\\x08\\x0b\\x0c\\x0e-\\x1f\\x7f]");
    return QString(text).remove(kControl).split(kBreak);
}

// The text as its own lines at the end of the log, each followed by a line end.
void AppendLines(QTextCursor& cursor, const QString& text, const QTextCharFormat& format, bool emoticons) {
    QTextDocument& log = *cursor.document();
    for (const QString& line : Lines(text)) {
        if (!emoticons) {
            cursor.insertText(line, format);
        } else {
            for (const TChatSegment& segment : ParseEmoticons(line)) {
                if (segment.picture < 0) {
                    cursor.insertText(segment.text, format);
                    continue;
                }
                const QUrl name = EmoticonResource(segment.picture);
                if (log.resource(QTextDocument::ImageResource, name).isNull())
                    log.addResource(QTextDocument::ImageResource, name, EmoticonPicture(segment.picture));
                QTextImageFormat image;
                image.merge(format);
                image.setName(name.toString());
                image.setWidth(kEmoticonSize);
                image.setHeight(kEmoticonSize);
                image.setVerticalAlignment(QTextCharFormat::AlignMiddle);
                cursor.insertImage(image);
            }
        }
        cursor.insertBlock();
    }
}

} // namespace

QString ChatTimePart(const TChatLineStyle& style) {
    return style.showTiming ? " [" + style.time.toString("hh:mm") + "] " : QString();
}

void AppendChatLine(QTextDocument& log, const QString& name, TChatLineKind kind, TColor color,
                    const QString& text, const TChatLineStyle& style) {
    QTextCursor cursor(&log);
    cursor.movePosition(QTextCursor::End);
    const QString time = ChatTimePart(style);
    if (kind == TChatLineKind::System) {
        AppendLines(cursor, name + time + ": " + text, Format(false, color, style.fontSize), false);
        return;
    }
    AppendLines(cursor, name + time, Format(true, kBlack, style.fontSize), false);
    AppendLines(cursor, text, Format(false, color, style.fontSize), true);
}

QUrl EmoticonResource(int picture) {
    return QUrl(kEmoticonScheme + ":" + QString::number(picture));
}

int EmoticonOfResource(const QString& name) {
    const QUrl url(name);
    bool ok = false;
    const int picture = url.path().toInt(&ok);
    return url.scheme() == kEmoticonScheme && ok && picture >= 0 && picture < kEmoticonCount ? picture : -1;
}

} // namespace orv
