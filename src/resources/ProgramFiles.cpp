#include "resources/ProgramFiles.h"

#include <QMimeDatabase>

namespace orv {

bool IsProgramFile(const QString& path) {
    // Scripts, ELF and AppImage files are kinds of application/x-executable in the MIME database.
    static const char* const kPrograms[] = {
        "application/x-executable",
        "application/x-desktop",
        "application/x-ms-dos-executable",
        "application/x-msdownload",
        "application/x-msi",
        "application/x-java-archive",
        "application/java-archive",
        "application/x-sharedlib",
        "application/x-bat",
        "application/x-ms-shortcut",
        "application/x-java-jnlp-file",
        "application/vnd.flatpak.ref",
    };
    const QMimeDatabase db;
    for (const auto mode : {QMimeDatabase::MatchExtension, QMimeDatabase::MatchContent}) {
        const QMimeType type = db.mimeTypeForFile(path, mode);
        for (const char* program : kPrograms)
            if (type.inherits(program))
                return true;
    }
    return false;
}

} // namespace orv
