#pragma once
// A file's bytes, or a marker no test expects when it cannot be read.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orv::test {

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace orv::test
