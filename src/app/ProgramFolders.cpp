#include "app/ProgramFolders.h"

#include "platform/Clock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orv {

TProgramFolders TProgramFolders::Prepare(const QString& program) {
    const QDir root(program);
    TProgramFolders f;
    f.program = root.absolutePath();
    f.localData = root.filePath("LocalData");
    f.temporary = root.filePath("OrvaneTemp");
    f.personalities = root.filePath("Personalities");
    f.userImages = root.filePath("UserImages");
    for (const QString& folder : {f.program, f.localData, f.temporary, f.userImages})
        QDir().mkpath(folder);
    QFile::setPermissions(f.temporary, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return f;
}

QString RecordingNameStem() {
    return "S_" + QDateTime::currentDateTime().toString("ddMMyyhhmm") + "_" +
           QString::number(SystemClock::instance().tickCount());
}

bool ClearFolder(const QString& folder) {
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return false;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (!entry.isFile() && !entry.isSymLink())
            continue; // sockets, pipes, devices
        // A file without its owner's write bit is read-only and kept (root could delete it, so not access()).
        if (!entry.isSymLink() && !(entry.permissions() & QFile::WriteOwner))
            continue;
        if (!QFile::remove(entry.absoluteFilePath()))
            return false;
    }
    dir.rmdir(dir.absolutePath()); // fails harmlessly while kept files remain
    return true;
}

} // namespace orv
