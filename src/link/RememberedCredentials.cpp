#include "link/RememberedCredentials.h"

#include "platform/PasswordVault.h"
#include "platform/Scramble.h"
#include "platform/SettingsStore.h"

namespace orv {

using Outcome = IPasswordVault::Outcome;

TRememberedCredentials::TRememberedCredentials(TSettingsStore& store, IPasswordVault& vault)
    : m_store(store), m_vault(vault) {}

QString TRememberedCredentials::Key(const QString& host, std::uint16_t port, const QString& userName) {
    return QString("%1@%2:%3").arg(userName, host).arg(port);
}

TRememberedCredentials::TLoaded TRememberedCredentials::Load(const QString& host, std::uint16_t port) {
    TLoaded loaded;
    loaded.userName = m_store.ReadText("", "UserName").trimmed();
    const QString inFile = Unscramble(m_store.ReadText("", "Password"));
    if (loaded.userName.isEmpty())
        return loaded;
    QString kept;
    switch (m_vault.Load(Key(host, port, loaded.userName), kept)) {
    case Outcome::Done:
        loaded.password = kept;
        break;
    case Outcome::Unavailable:
        m_keyringAvailable = false;
        [[fallthrough]];
    case Outcome::NotFound:
        // Not moved yet, or no keyring here.
        loaded.password = inFile;
        break;
    }
    return loaded;
}

void TRememberedCredentials::Remember(const QString& host, std::uint16_t port, std::uint16_t userId,
                                      const QString& userName, const QString& password) {
    m_store.WriteInteger("", "UserID", userId);
    m_store.WriteText("", "UserName", userName);
    const bool inKeyring = m_vault.Store(Key(host, port, userName), password) == Outcome::Done;
    m_keyringAvailable = inKeyring;
    m_store.WriteText("", "Password", inKeyring ? QString() : Scramble(password));
    m_store.Flush();
}

void TRememberedCredentials::Forget(const QString& host, std::uint16_t port) {
    const QString userName = m_store.ReadText("", "UserName").trimmed();
    if (!userName.isEmpty())
        m_vault.Remove(Key(host, port, userName));
    m_store.WriteInteger("", "UserID", 0);
    m_store.WriteText("", "UserName", QString());
    m_store.WriteText("", "Password", QString());
    m_store.Flush();
}

} // namespace orv
