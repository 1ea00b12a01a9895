#pragma once
// Registers the program with the desktop: the orvjoin, orvjoins, orvplay, orvurl and or5 link schemes and the
// two recorded-session file types, under XDG_DATA_HOME.

#include <QString>

namespace orv {

struct TFileType {
    QString extension;   // without the dot: "orvane", "or5"
    QString description; // "Orvane Live Recorded Session"
};

// Writes the desktop entry and the file type's MIME package, then asks the desktop's tools (where they
// exist; their failure is no error) to pick them up. True when the desktop entry was written.
bool RegisterFileType(const QString& programFile, const TFileType& type);

// The desktop entry's text for the program.
QString DesktopEntryText(const QString& programFile);
// One argument of a desktop entry's Exec key: bare when it can be, so that every launcher reads it, quoted
// and escaped as desktop entries require when it holds a space or another reserved character.
QString ExecArgument(const QString& argument);
// The program's icon, compiled into the program.
QString ProgramIconResource();

// The shared-mime-info package for one file type.
QString MimePackageText(const TFileType& type);

} // namespace orv
