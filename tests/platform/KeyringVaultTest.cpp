// The keyring, and the remembered credentials kept in it, against a real Secret Service on a private session
// bus (see with-keyring.sh), and a bus where none answers.
#include "link/RememberedCredentials.h"
#include "platform/PasswordVault.h"
#include "platform/Scramble.h"
#include "platform/SettingsStore.h"
#include "support/Prerequisites.h"
#include "support/QtPrinters.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(KeyringVault, StoresLoadsAndRemovesWhereAServiceAnswers) {
    if (qEnvironmentVariable("ORV_KEYRING") != "running")
        ORV_PREREQUISITE_MISSING(
            "no Secret Service could be started here (dbus-daemon and gnome-keyring-daemon)");
    TKeyringVault vault("Orvane Live Browser test");
    const QString key = "ann@srv.example:9910";
    ASSERT_EQ(vault.Store(key, "pässwörd"), IPasswordVault::Outcome::Done);
    QString loaded;
    EXPECT_EQ(vault.Load(key, loaded), IPasswordVault::Outcome::Done);
    EXPECT_EQ(loaded, "pässwörd");
    EXPECT_EQ(vault.Load("bob@srv.example:9910", loaded), IPasswordVault::Outcome::NotFound);
    EXPECT_EQ(vault.Remove(key), IPasswordVault::Outcome::Done);
    EXPECT_EQ(vault.Load(key, loaded), IPasswordVault::Outcome::NotFound);

    // A password an older version scrambled into the settings file moves into the keyring.
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath("settings.ini"));
    store.WriteText("", "UserName", "ann");
    store.WriteText("", "Password", Scramble("old"));
    TRememberedCredentials remembered(store, vault);
    remembered.Remember("srv.example", 9910, 7, "ann", "old");
    EXPECT_EQ(store.ReadText("", "Password"), "");
    EXPECT_EQ(vault.Load(key, loaded), IPasswordVault::Outcome::Done);
    EXPECT_EQ(loaded, "old");
    EXPECT_EQ(remembered.Load("srv.example", 9910).password, "old");
    remembered.Forget("srv.example", 9910);
    EXPECT_EQ(vault.Load(key, loaded), IPasswordVault::Outcome::NotFound);
}

TEST(KeyringVault, NoServiceIsUnavailableWithinTheTimeOutAndNotAskedAgain) {
    if (qEnvironmentVariable("ORV_KEYRING") != "absent")
        ORV_PREREQUISITE_MISSING("runs on a bus without a keyring (ORV_KEYRING=absent)");
    TKeyringVault vault("Orvane Live Browser test", 5000);
    QElapsedTimer timer;
    timer.start();
    QString loaded;
    EXPECT_EQ(vault.Load("ann@srv.example:9910", loaded), IPasswordVault::Outcome::Unavailable);
    EXPECT_LT(timer.elapsed(), 5000 + 5000) << "the time-out, with room for a loaded machine";
    timer.restart();
    EXPECT_EQ(vault.Store("ann@srv.example:9910", "x"), IPasswordVault::Outcome::Unavailable);
    // Asking again would wait for the bus's time-out as the first call did.
    EXPECT_LT(timer.elapsed(), 1000) << "an unavailable keyring is not asked again";

    QTemporaryDir dir;
    TSettingsStore store(dir.filePath("settings.ini"));
    TRememberedCredentials remembered(store, vault);
    remembered.Remember("srv.example", 9910, 7, "ann", "secret");
    EXPECT_EQ(store.ReadText("", "Password"), Scramble("secret")) << "the settings file keeps it";
}

} // namespace
} // namespace orv
