#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace orv {
namespace {

bool install(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, name, "_", folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace

QLocale ProgramLocale(const QString& chosen) {
    return chosen.isEmpty() ? QLocale() : QLocale(chosen);
}

Qt::LayoutDirection ProgramLayoutDirection(const QLocale& locale) {
    // The first language the user reads (LANGUAGE before LANG): its script sets the direction.
    const QStringList languages = locale.uiLanguages();
    return QLocale(languages.isEmpty() ? locale.name() : languages.constFirst()).textDirection();
}

bool InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    install(app, locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(app, locale, "orvane", ":/i18n");
}

} // namespace orv
