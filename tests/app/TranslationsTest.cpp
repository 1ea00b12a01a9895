#include "app/Translations.h"
#include "app/SignInWindow.h"
#include "link/ErrorMessages.h"
#include "platform/SettingsStore.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace orv {
namespace {

// Removes every installed catalogue again, so the other tests see English.
struct TranslationFixture : ::testing::Test {
    ~TranslationFixture() override {
        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
};

struct TLanguageCase {
    const char* locale;
    const char* title;
    const char* signIn;
    const char* blocked;
    const char* accessDenied;
};

struct TranslatedLanguage : TranslationFixture, ::testing::WithParamInterface<TLanguageCase> {};

TEST_P(TranslatedLanguage, TranslatesTheSignInWindowAndTheErrorTable) {
    const TLanguageCase& c = GetParam();
    ASSERT_TRUE(InstallTranslations(*qApp, QLocale(c.locale)));
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath("settings.ini"));
    TfrmSignIn window(store, {});
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.title));
    QStringList buttons;
    for (const QPushButton* b : window.findChildren<QPushButton*>())
        buttons << b->text();
    EXPECT_TRUE(buttons.contains(QString::fromUtf8(c.signIn))) << buttons.join(", ").toStdString();
    EXPECT_EQ(ErrorText(10), QString::fromUtf8(c.blocked));
    EXPECT_TRUE(AccessDeniedMessage(18).startsWith(QString::fromUtf8(c.accessDenied)));
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, TranslatedLanguage,
    ::testing::Values(TLanguageCase{"pt_BR", "Orvane Live - Autenticação necessária", "Entrar",
                                    "Sua conta está temporariamente bloqueada.",
                                    "Acesso negado! [código da mensagem: 18]"},
                      TLanguageCase{"es_MX", "Orvane Live - Autenticación necesaria", "Iniciar sesión",
                                    "Su cuenta está bloqueada temporalmente.",
                                    "¡Acceso denegado! [código del mensaje: 18]"}),
    [](const ::testing::TestParamInfo<TLanguageCase>& info) { return std::string(info.param.locale); });

TEST_F(TranslationFixture, ALanguageWithoutACatalogueStaysEnglish) {
    EXPECT_FALSE(InstallTranslations(*qApp, QLocale("xh_ZA")));
    EXPECT_EQ(ErrorText(10), "Your account is temporarily blocked.");
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath("settings.ini"));
    EXPECT_EQ(TfrmSignIn(store, {}).windowTitle(), "Orvane Live - Authentication Required");
}

} // namespace
} // namespace orv
