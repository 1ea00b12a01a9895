#pragma once
// Per server: whether its connections are encrypted, and the certificates the user chose to trust.
//
// A certificate that chains to the system's trusted roots and names the server is accepted without a word.
// Any other is shown once with its SHA-256 fingerprint; trusted, it is kept for that host and port. A
// different certificate later for the same host and port is refused with a warning, as SSH does, and
// offered again only once the user has removed the kept one.

#include "platform/TlsChannel.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

namespace orv {

class IDialogs;
class TSettingsStore;

enum class TEncryption {
    Off = 0,
    WhenOffered = 1, // encrypted if the server takes it, otherwise plain
    Required = 2,    // encrypted or not at all
};

TEncryption ReadServerEncryption(const TSettingsStore& store, const QString& host, std::uint16_t port);
void WriteServerEncryption(TSettingsStore& store, const QString& host, std::uint16_t port, TEncryption mode);

class TKnownServerCertificates final : public ITlsTrust {
    Q_DECLARE_TR_FUNCTIONS(orv::TKnownServerCertificates)

public:
    TKnownServerCertificates(TSettingsStore& store, IDialogs& dialogs) : m_store(store), m_dialogs(dialogs) {}

    // On the thread that may show dialogs.
    bool Accept(const TTlsPeer& peer) override;
    // Whether the user was asked: the answer may have taken longer than the server waits.
    bool Asked() const { return m_asked; }
    // Whether the last refusal was told to the user already (a changed certificate, or "No").
    bool RefusalShown() const { return m_refusalShown; }

    // The fingerprint kept for host:port, empty for none.
    static QByteArray Kept(const TSettingsStore& store, const QString& host, std::uint16_t port);
    static void Forget(TSettingsStore& store, const QString& host, std::uint16_t port);
    // How many are kept; the settings window offers to forget them all.
    static int Count(const TSettingsStore& store);
    static void ForgetAll(TSettingsStore& store);

private:
    TSettingsStore& m_store;
    IDialogs& m_dialogs;
    bool m_asked = false;
    bool m_refusalShown = false;
};

} // namespace orv
