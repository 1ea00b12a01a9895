#pragma once
// Where a remembered password is kept: the desktop's keyring when one answers. Callers fall back to the
// settings file when the vault is unavailable.

#include <QString>

namespace orv {

class IPasswordVault {
public:
    enum class Outcome { Done, NotFound, Unavailable };

    virtual ~IPasswordVault() = default;
    virtual Outcome Store(const QString& key, const QString& password) = 0;
    virtual Outcome Load(const QString& key, QString& password) = 0;
    virtual Outcome Remove(const QString& key) = 0;
};

// A vault that is never there: the settings file keeps the password, as without a keyring.
class TNoPasswordVault final : public IPasswordVault {
public:
    Outcome Store(const QString&, const QString&) override { return Outcome::Unavailable; }
    Outcome Load(const QString&, QString&) override { return Outcome::Unavailable; }
    Outcome Remove(const QString&) override { return Outcome::Unavailable; }
};

// The Secret Service keyring. A keyring that is locked, refuses or does not answer within the time-out counts
// as unavailable, and is not asked again during this run, so it never holds up signing in twice.
class TKeyringVault final : public IPasswordVault {
public:
    explicit TKeyringVault(QString service = QStringLiteral("Orvane Live Browser"), int timeoutMs = 5000);

    Outcome Store(const QString& key, const QString& password) override;
    Outcome Load(const QString& key, QString& password) override;
    Outcome Remove(const QString& key) override;

private:
    QString m_service;
    int m_timeoutMs;
    bool m_unavailable = false;
};

} // namespace orv
