#pragma once
// The program's texts in the user's language, with Qt's own texts (standard buttons, dialogs) to match.

#include <QLocale>

class QCoreApplication;

namespace orv {

// Installs the catalogues for `locale`; a language without one, or a broken file, leaves the English texts.
// Returns whether the program's own catalogue was found.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

} // namespace orv
