#include "slides/PresentationDescriptor.h"

#include "protocol/Windows1252.h"

#include <QSaveFile>

namespace orv {

namespace {

// Line breaks and a leading '[' would make a value read as more lines or a section.
QString OneLine(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace

QByteArray TPresentationDescriptor::encode() const {
    QString text;
    auto line = [&text](const QString& s) { text += s + QStringLiteral("\r\n"); };
    line(QStringLiteral("[Presentation]"));
    line(QStringLiteral("Name=") + OneLine(name));
    line(QStringLiteral("FileName=") + OneLine(fileName));
    line(QStringLiteral("SlidesCount=") + QString::number(slidesCount));
    line({});
    line(QStringLiteral("[Slides]"));
    for (const auto& [n, file] : m_slides)
        line(QString::number(n) + QLatin1Char('=') + OneLine(file));
    return toWindows1252(text);
}

bool TPresentationDescriptor::Save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = encode();
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace orv
