#include "resources/ResourceColumns.h"

#include "protocol/Stamp.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace orv {

int FileTypeImage(const QString& extension) {
    static const struct {
        const char* extensions[5];
        int image;
    } kTable[] = {
        {{".PDF"}, SmallImage::Pdf},
        {{".PPT"}, SmallImage::Presentation},
        {{".HTM", ".HTML", ".ASP", ".PHP"}, SmallImage::WebPage},
        {{".AVI", ".MP3", ".MPEG", ".MOV", ".DIVX"}, SmallImage::Media},
        {{".BMP", ".JPG", ".GIF", ".PNG"}, SmallImage::Picture},
        {{".ZIP", ".ARJ", ".ARC", ".CAB"}, SmallImage::Archive},
        {{".TXT", ".CVS"}, SmallImage::Text},
        {{".XLS"}, SmallImage::Spreadsheet},
        {{".DOC", ".DOT"}, SmallImage::WordDocument},
    };
    for (const auto& row : kTable)
        for (const char* e : row.extensions)
            if (e && extension.compare(QLatin1String(e), Qt::CaseInsensitive) == 0)
                return row.image;
    return SmallImage::OtherFile;
}

QString SizeText(std::int64_t bytes) {
    const std::int64_t size = std::max<std::int64_t>(bytes, 0);
    std::int64_t kb = size / 1024;
    const std::int64_t rest = size % 1024;
    if (rest > 512 || (rest == 512 && kb % 2 == 1))
        ++kb;
    return QCoreApplication::translate("orv::ResourceColumns", "%1 KB").arg(kb);
}

QString UploadedText(double stamp) {
    if (!std::isfinite(stamp) || stamp == 0)
        return {};
    const QDateTime local = localFromStamp(stamp);
    if (!local.isValid())
        return {};
    const QLocale locale = QLocale::system();
    // The long time without the time zone, which the stamp does not know.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*$")))
        .remove(QRegularExpression(QStringLiteral("^t+\\s*")));
    return locale.toString(local.date(), QLocale::ShortFormat) + ' ' +
           locale.toString(local.time(), timeFormat);
}

} // namespace orv
