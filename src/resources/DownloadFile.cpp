#include "resources/DownloadFile.h"

#include <QFileInfo>

#include <cstdio>

namespace orv {

DownloadFile::DownloadFile(const QString& target)
    : m_target(target), m_file(QFileInfo(target).absoluteFilePath() + ".XXXXXX.part") {}

bool DownloadFile::open() {
    return m_file.open();
}

bool DownloadFile::commit() {
    if (!m_file.flush())
        return false;
    m_file.close();
    // rename() replaces an existing target in one step; no copy of the old file is ever half-written.
    if (std::rename(QFile::encodeName(m_file.fileName()).constData(),
                    QFile::encodeName(m_target).constData()) != 0)
        return false;
    m_file.setAutoRemove(false);
    return true;
}

} // namespace orv
