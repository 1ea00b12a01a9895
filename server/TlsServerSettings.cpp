#include "TlsServerSettings.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace orv::server {
namespace {

std::string opensslReason() {
    const unsigned long code = ERR_get_error();
    ERR_clear_error();
    if (code == 0)
        return "unknown reason";
    char text[256];
    ERR_error_string_n(code, text, sizeof text);
    return text;
}

QByteArray readFile(const QString& path, const char* what) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string("cannot read the ") + what + " file " + path.toStdString() +
                                 ": " + file.errorString().toStdString());
    return file.readAll();
}

// OpenSSL checks what Qt would only notice at the first handshake: that the key belongs to the certificate.
void checkPair(const QString& certificateFile, const QString& keyFile) {
    const std::unique_ptr<SSL_CTX, decltype(&SSL_CTX_free)> context(SSL_CTX_new(TLS_server_method()),
                                                                    SSL_CTX_free);
    if (!context)
        throw std::runtime_error("cannot start TLS: " + opensslReason());
    if (SSL_CTX_use_certificate_chain_file(context.get(), certificateFile.toLocal8Bit().constData()) != 1)
        throw std::runtime_error(certificateFile.toStdString() +
                                 " holds no usable PEM certificate: " + opensslReason());
    const std::unique_ptr<BIO, decltype(&BIO_free)> keyBytes(
        BIO_new_file(keyFile.toLocal8Bit().constData(), "r"), BIO_free);
    const auto noPassphrase = [](char*, int, int, void*) { return 0; };
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        keyBytes ? PEM_read_bio_PrivateKey(keyBytes.get(), nullptr, noPassphrase, nullptr) : nullptr,
        EVP_PKEY_free);
    if (!key)
        throw std::runtime_error(keyFile.toStdString() +
                                 " holds no usable unencrypted PEM private key: " + opensslReason());
    if (SSL_CTX_use_PrivateKey(context.get(), key.get()) != 1 ||
        SSL_CTX_check_private_key(context.get()) != 1)
        throw std::runtime_error(keyFile.toStdString() + " is not the private key of the certificate in " +
                                 certificateFile.toStdString());
}

} // namespace

std::shared_ptr<TlsServerSettings> loadTlsServerSettings(const QString& certificateFile,
                                                         const QString& keyFile) {
    const QByteArray certificates = readFile(certificateFile, "certificate");
    const QByteArray keyBytes = readFile(keyFile, "key");
    checkPair(certificateFile, keyFile);
    const QList<QSslCertificate> chain = QSslCertificate::fromData(certificates, QSsl::Pem);
    if (chain.isEmpty())
        throw std::runtime_error(certificateFile.toStdString() + " holds no PEM certificate");
    QSslKey key;
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa}) {
        key = QSslKey(keyBytes, algorithm, QSsl::Pem, QSsl::PrivateKey);
        if (!key.isNull())
            break;
    }
    if (key.isNull())
        throw std::runtime_error(keyFile.toStdString() + ": only RSA, EC and DSA keys are supported");
    auto settings = std::make_shared<TlsServerSettings>();
    settings->configuration = QSslConfiguration::defaultConfiguration();
    settings->configuration.setLocalCertificateChain(chain);
    settings->configuration.setPrivateKey(key);
    settings->configuration.setPeerVerifyMode(QSslSocket::VerifyNone); // clients bring no certificate
    settings->configuration.setProtocol(QSsl::TlsV1_2OrLater);
    return settings;
}

} // namespace orv::server
