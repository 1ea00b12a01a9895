#pragma once
// The user name and password that "Remember my username and password" keeps for the next sign-in. The
// password goes to the keyring, keyed by server and user name, and the settings file then holds none; without
// a keyring it stays in the settings file, scrambled, as it always was.

#include <QString>

#include <cstdint>

namespace orv {

class IPasswordVault;
class TSettingsStore;

class TRememberedCredentials {
public:
    TRememberedCredentials(TSettingsStore& store, IPasswordVault& vault);

    static QString Key(const QString& host, std::uint16_t port, const QString& userName);

    struct TLoaded {
        QString userName;
        QString password;
    };
    // What the sign-in window offers for the server it shows.
    TLoaded Load(const QString& host, std::uint16_t port);
    // After a successful sign-in with "remember" ticked. A password still in the settings file moves to the
    // keyring here.
    void Remember(const QString& host, std::uint16_t port, std::uint16_t userId, const QString& userName,
                  const QString& password);
    // "Remember" unticked: the credentials leave the settings file and the keyring.
    void Forget(const QString& host, std::uint16_t port);

    // False once the keyring turned out not to be there: the password is then kept in the settings file.
    bool KeyringAvailable() const { return m_keyringAvailable; }

private:
    TSettingsStore& m_store;
    IPasswordVault& m_vault;
    bool m_keyringAvailable = true;
};

} // namespace orv
