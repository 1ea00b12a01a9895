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

TEST_F(TranslationFixture, PortugueseTranslatesTheSignInWindowAndTheErrorTable) {
    ASSERT_TRUE(InstallTranslations(*qApp, QLocale("pt_BR")));
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath("settings.ini"));
    TfrmSignIn window(store, {});
    EXPECT_EQ(window.windowTitle(), "Orvane Live - Autenticação necessária");
    QStringList buttons;
    for (const QPushButton* b : window.findChildren<QPushButton*>())
        buttons << b->text();
    EXPECT_TRUE(buttons.contains("Entrar"));
    EXPECT_EQ(ErrorText(10), "Sua conta está temporariamente bloqueada.");
    EXPECT_TRUE(AccessDeniedMessage(18).startsWith("Acesso negado! [código da mensagem: 18]"));
}

TEST_F(TranslationFixture, ALanguageWithoutACatalogueStaysEnglish) {
    EXPECT_FALSE(InstallTranslations(*qApp, QLocale("xh_ZA")));
    EXPECT_EQ(ErrorText(10), "Your account is temporarily blocked.");
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath("settings.ini"));
    EXPECT_EQ(TfrmSignIn(store, {}).windowTitle(), "Orvane Live - Authentication Required");
}

} // namespace
} // namespace orv
