#pragma once
// Text on the wire is in the Windows-1252 code page, fixed, in both directions.

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace orv {

// Characters without a Windows-1252 form become '?'.
QByteArray toWindows1252(QStringView text);
QString fromWindows1252(const char* data, qsizetype size);
inline QString fromWindows1252(const QByteArray& bytes) {
    return fromWindows1252(bytes.constData(), bytes.size());
}

} // namespace orv
