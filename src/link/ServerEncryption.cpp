#include "link/ServerEncryption.h"

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

namespace orv {
namespace {

const QString kEncryptionKey = QStringLiteral("ServerEncryption");
const QString kCertificatesKey = QStringLiteral("ServerCertificates");

// "host_port": a host name never holds '_', and the settings file shows it as it is.
QString serverName(const QString& host, std::uint16_t port) {
    return QString("%1_%2").arg(host.trimmed().toLower()).arg(port);
}

} // namespace

TEncryption ReadServerEncryption(const TSettingsStore& store, const QString& host, std::uint16_t port) {
    const std::int32_t value = store.ReadInteger(kEncryptionKey, serverName(host, port));
    switch (value) {
    case int(TEncryption::WhenOffered):
        return TEncryption::WhenOffered;
    case int(TEncryption::Required):
        return TEncryption::Required;
    default:
        return TEncryption::Off;
    }
}

void WriteServerEncryption(TSettingsStore& store, const QString& host, std::uint16_t port, TEncryption mode) {
    store.WriteInteger(kEncryptionKey, serverName(host, port), int(mode));
}

QByteArray TKnownServerCertificates::Kept(const TSettingsStore& store, const QString& host,
                                          std::uint16_t port) {
    return QByteArray::fromHex(store.ReadText(kCertificatesKey, serverName(host, port)).toLatin1());
}

void TKnownServerCertificates::Forget(TSettingsStore& store, const QString& host, std::uint16_t port) {
    store.Remove(kCertificatesKey, serverName(host, port));
}

int TKnownServerCertificates::Count(const TSettingsStore& store) {
    return int(store.Names(kCertificatesKey).size());
}

void TKnownServerCertificates::ForgetAll(TSettingsStore& store) {
    store.RemoveKey(TSettingsStore::KeyPath{kCertificatesKey});
}

bool TKnownServerCertificates::Accept(const TTlsPeer& peer) {
    m_refusalShown = false;
    const QByteArray kept = Kept(m_store, peer.host, peer.port);
    if (!kept.isEmpty() && kept == peer.fingerprint)
        return true;
    const QString server = QString("%1:%2").arg(peer.host).arg(peer.port);
    if (!kept.isEmpty()) {
        m_refusalShown = true;
        m_dialogs.Error(
            tr("WARNING: the certificate of the server %1 has CHANGED.\r\n\r\nSomeone may be listening in on "
               "the connection, or the server's administrator may have replaced the certificate. The "
               "connection is refused.\r\n\r\nThe certificate shown now has the SHA-256 fingerprint\r\n%2\r\n"
               "and the trusted one\r\n%3\r\n\r\nOnly if the administrator confirms the new fingerprint, "
               "forget the trusted certificates in the connection settings and sign in again.")
                .arg(server, FingerprintText(peer.fingerprint), FingerprintText(kept)));
        return false;
    }
    m_asked = true;
    const bool trusted = m_dialogs.Question(
        tr("The server %1 offers an encrypted connection, but its certificate is not vouched for by an "
           "authority this computer trusts (%2).\r\n\r\nIts SHA-256 fingerprint is\r\n%3\r\n\r\nCompare it "
           "with "
           "the one your server's administrator gives you. Trust this certificate for this server from now "
           "on?")
            .arg(server, peer.problem, FingerprintText(peer.fingerprint)));
    if (!trusted) {
        m_refusalShown = true;
        return false;
    }
    m_store.WriteText(kCertificatesKey, serverName(peer.host, peer.port),
                      QString::fromLatin1(peer.fingerprint.toHex()));
    m_store.Flush();
    return true;
}

} // namespace orv
