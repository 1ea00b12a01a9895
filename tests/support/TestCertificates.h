#pragma once
// Certificates made at test time with the openssl tool: self-signed ones for 127.0.0.1, and a small
// authority with a certificate it signed, for what a system's trusted roots would vouch for.

#include <QByteArray>
#include <QString>

#include "platform/TlsChannel.h"

namespace orv::test {

// Takes any certificate, for tests about what goes through the connection rather than whom it reaches.
struct AcceptAnyCertificate final : ITlsTrust {
    bool Accept(const TTlsPeer&) override { return true; }
};

struct TestCertificate {
    QString certificate;    // PEM file
    QString key;            // PEM file, no passphrase
    QByteArray fingerprint; // SHA-256 of the certificate's DER bytes
};

// False, with the reason in `why`, when the openssl tool is missing or failed.
bool MakeSelfSigned(const QString& folder, const QString& name, TestCertificate& out, QString& why);
// An authority (its certificate in `authority`) and a certificate for 127.0.0.1 it signed.
bool MakeAuthoritySigned(const QString& folder, QString& authority, TestCertificate& out, QString& why);

} // namespace orv::test
