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

bool InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    install(app, locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(app, locale, "orvane", ":/i18n");
}

} // namespace orv
