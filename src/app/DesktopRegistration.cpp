#include "app/DesktopRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace orv {
namespace {

const TFileType kTypes[] = {{"orvane", "Orvane Live Recorded Session"},
                            {"or5", "Orvane Live 5 Recorded Session"}};

const QStringList kSchemeHandlers = {"x-scheme-handler/orvjoin", "x-scheme-handler/orvjoins",
                                     "x-scheme-handler/orvplay", "x-scheme-handler/orvurl",
                                     "x-scheme-handler/or5"};

QString mimeType(const TFileType& type) {
    return "application/x-" + type.extension + "session";
}

bool holds(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == text.toUtf8();
}

bool writeFile(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

// Runs a desktop tool when it is installed; its failure is no error.
void runIfPresent(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return;
    QProcess process;
    process.start(path, arguments);
    if (process.waitForStarted(3000))
        process.waitForFinished(10000);
}

// Characters that make an Exec argument need quotes.
const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

bool registerIcon(const QString& data) {
    const QString path = QDir(data).filePath("icons/hicolor/scalable/apps/orvane-live.svg");
    QFile icon(ProgramIconResource());
    if (!icon.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = icon.readAll();
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

QString ExecArgument(const QString& argument) {
    const bool needsQuotes =
        std::any_of(argument.begin(), argument.end(), [](QChar c) { return kReserved.contains(c); });
    QString quoted = argument;
    if (needsQuotes) {
        quoted.replace('\\', "\\\\").replace('"', "\\\"").replace('`', "\\`").replace('$', "\\$");
        quoted = '"' + quoted + '"';
    }
    // The entry's string escapes come on top of the quoting: a backslash is written twice again.
    return quoted.replace('\\', "\\\\");
}

QString ProgramIconResource() {
    return QStringLiteral(":/icons/orvane-live.svg");
}

QString DesktopEntryText(const QString& programFile) {
    QStringList mimeTypes = kSchemeHandlers;
    for (const TFileType& type : kTypes)
        mimeTypes << mimeType(type);
    return QString("[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=Orvane Live Browser\n"
                   "Comment=Join live virtual classroom sessions and play recorded sessions\n"
                   "Exec=%1 %u\n"
                   "Icon=orvane-live\n"
                   "Terminal=false\n"
                   "Categories=Network;Education;\n"
                   "MimeType=%2;\n")
        .arg(ExecArgument(programFile), mimeTypes.join(';'));
}

QString MimePackageText(const TFileType& type) {
    return QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                   "  <mime-type type=\"%1\">\n"
                   "    <comment>%2</comment>\n"
                   "    <glob pattern=\"*.%3\"/>\n"
                   "  </mime-type>\n"
                   "</mime-info>\n")
        .arg(mimeType(type), type.description.toHtmlEscaped(), type.extension);
}

bool RegisterFileType(const QString& programFile, const TFileType& type) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString applications = QDir(data).filePath("applications");
    const QString mimePackages = QDir(data).filePath("mime/packages");
    const QString entryPath = QDir(applications).filePath("orvane-live.desktop");
    const QString packagePath = QDir(mimePackages).filePath("orvane-live-" + type.extension + ".xml");
    const QString entry = DesktopEntryText(programFile);
    const QString package = MimePackageText(type);
    // Done at every start: when nothing changed, the desktop's tools need not run again.
    if (holds(entryPath, entry) && holds(packagePath, package))
        return true;
    const bool entryWritten = writeFile(entryPath, entry);
    writeFile(packagePath, package);
    // The entry's Icon= names this file.
    registerIcon(data);

    runIfPresent("update-desktop-database", {applications});
    runIfPresent("update-mime-database", {QDir(data).filePath("mime")});
    runIfPresent("xdg-mime", QStringList{"default", "orvane-live.desktop", mimeType(type)} + kSchemeHandlers);
    return entryWritten;
}

} // namespace orv
