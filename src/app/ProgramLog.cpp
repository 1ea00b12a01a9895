#include "app/ProgramLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <mutex>

namespace orv {
namespace {

constexpr qint64 kLimitBytes = 1024 * 1024;

struct Log {
    std::mutex mutex;
    QFile file;
    bool verbose = false;
};

Log& log() {
    static Log instance;
    return instance;
}

const char* levelName(QtMsgType type) {
    switch (type) {
    case QtDebugMsg:
        return "debug";
    case QtInfoMsg:
        return "info";
    case QtWarningMsg:
        return "warning";
    case QtCriticalMsg:
        return "critical";
    case QtFatalMsg:
        return "fatal";
    }
    return "?";
}

void write(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    Log& l = log();
    const QByteArray line = QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss.zzz ").toUtf8() +
                            levelName(type) + ' ' + (context.category ? context.category : "default") + ": " +
                            message.toUtf8() + '\n';
    std::lock_guard lock(l.mutex);
    if (l.file.isOpen()) {
        l.file.write(line);
        l.file.flush();
    }
    if (l.verbose || type == QtFatalMsg || !l.file.isOpen())
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
}

} // namespace

void InstallProgramLog(const QString& path, bool verbose) {
    Log& l = log();
    {
        std::lock_guard lock(l.mutex);
        l.verbose = verbose;
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (QFileInfo(path).size() > kLimitBytes) {
            QFile::remove(path + ".old");
            QFile::rename(path, path + ".old");
        }
        l.file.setFileName(path);
        l.file.open(QIODevice::WriteOnly | QIODevice::Append, QFile::ReadOwner | QFile::WriteOwner);
    }
    qInstallMessageHandler(write);
}

void QuietEmbeddedBrowser(bool verbose) {
    if (verbose)
        return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level"))
        flags += " --log-level=3";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
}

} // namespace orv
