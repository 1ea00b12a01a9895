#include "link/RememberedCredentials.h"
#include "platform/PasswordVault.h"
#include "platform/Scramble.h"
#include "platform/SettingsStore.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace orv {
namespace {

class FakeVault final : public IPasswordVault {
public:
    Outcome Store(const QString& key, const QString& password) override {
        if (!available)
            return Outcome::Unavailable;
        kept[key] = password;
        return Outcome::Done;
    }
    Outcome Load(const QString& key, QString& password) override {
        if (!available)
            return Outcome::Unavailable;
        const auto it = kept.find(key);
        if (it == kept.end())
            return Outcome::NotFound;
        password = it->second;
        return Outcome::Done;
    }
    Outcome Remove(const QString& key) override {
        if (!available)
            return Outcome::Unavailable;
        return kept.erase(key) ? Outcome::Done : Outcome::NotFound;
    }
    bool available = true;
    std::map<QString, QString> kept;
};

struct CredentialsFixture : ::testing::Test {
    QTemporaryDir dir;
    TSettingsStore store{dir.filePath("settings.ini")};
    FakeVault vault;
    TRememberedCredentials remembered{store, vault};
    const QString key = TRememberedCredentials::Key("srv.example", 9910, "ann");
};

TEST_F(CredentialsFixture, WithAKeyringTheFileHoldsNoPasswordAndAnOldOneMovesOver) {
    // A password an older version scrambled into the file.
    store.WriteText("", "UserName", "ann");
    store.WriteText("", "Password", Scramble("secret"));
    EXPECT_EQ(remembered.Load("srv.example", 9910).password, "secret") << "read from the file until moved";

    remembered.Remember("srv.example", 9910, 7, "ann", "secret");
    EXPECT_EQ(vault.kept[key], "secret");
    EXPECT_EQ(store.ReadText("", "Password"), "");
    EXPECT_EQ(store.ReadText("", "UserName"), "ann");
    EXPECT_EQ(store.ReadInteger("", "UserID"), 7);
    const auto loaded = remembered.Load("srv.example", 9910);
    EXPECT_EQ(loaded.userName, "ann");
    EXPECT_EQ(loaded.password, "secret");
    EXPECT_TRUE(remembered.KeyringAvailable());
    EXPECT_TRUE(remembered.Load("other.example", 9910).password.isEmpty()) << "keyed by server";

    remembered.Forget("srv.example", 9910);
    EXPECT_TRUE(vault.kept.empty());
    EXPECT_EQ(store.ReadText("", "UserName"), "");
    EXPECT_EQ(store.ReadInteger("", "UserID"), 0);
}

TEST_F(CredentialsFixture, WithoutAKeyringThePasswordStaysScrambledInTheFile) {
    vault.available = false;
    remembered.Remember("srv.example", 9910, 7, "ann", "secret");
    EXPECT_FALSE(remembered.KeyringAvailable());
    EXPECT_EQ(store.ReadText("", "Password"), Scramble("secret"));
    EXPECT_EQ(remembered.Load("srv.example", 9910).password, "secret");
    remembered.Forget("srv.example", 9910);
    EXPECT_EQ(store.ReadText("", "Password"), "");
}

} // namespace
} // namespace orv
