#pragma once
// The program's texts in the user's language, with Qt's own texts (standard buttons, dialogs) to match.

#include <QLocale>

class QCoreApplication;

namespace orv {

// Installs the catalogues for `locale`; a language without one, or a broken file, leaves the English texts.
// Returns whether the program's own catalogue was found.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

// The program's language: the one chosen in the settings ("en", "pt", "es"), or the desktop's when none is
// ("").
QLocale ProgramLocale(const QString& chosen);
// The direction the program's windows are laid out in for `locale`: right to left for Arabic or Hebrew
// even where no catalogue exists for them, so that the layout reads in the user's direction.
Qt::LayoutDirection ProgramLayoutDirection(const QLocale& locale);

} // namespace orv
