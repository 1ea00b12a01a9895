#include "support/TestCertificates.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QStandardPaths>

namespace orv::test {
namespace {

bool runOpenssl(const QStringList& arguments, QString& why) {
    if (QStandardPaths::findExecutable("openssl").isEmpty()) {
        why = "the openssl tool is not installed (Debian package openssl)";
        return false;
    }
    QProcess tool;
    tool.start("openssl", arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
        why = "openssl " + arguments.join(' ') +
              " failed: " + QString::fromLocal8Bit(tool.readAllStandardError());
        return false;
    }
    return true;
}

QByteArray fingerprintOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QSslCertificate> certificates = QSslCertificate::fromData(file.readAll(), QSsl::Pem);
    return certificates.isEmpty() ? QByteArray() : certificates.first().digest(QCryptographicHash::Sha256);
}

const QStringList kLoopbackNames = {"-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost"};

} // namespace

bool MakeSelfSigned(const QString& folder, const QString& name, TestCertificate& out, QString& why) {
    out.certificate = QDir(folder).filePath(name + ".crt");
    out.key = QDir(folder).filePath(name + ".key");
    if (!runOpenssl(QStringList{"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                                "-nodes", "-days", "2", "-subj", "/CN=" + name, "-keyout", out.key, "-out",
                                out.certificate} +
                        kLoopbackNames,
                    why))
        return false;
    out.fingerprint = fingerprintOf(out.certificate);
    return !out.fingerprint.isEmpty();
}

bool MakeAuthoritySigned(const QString& folder, QString& authority, TestCertificate& out, QString& why) {
    const QDir dir(folder);
    authority = dir.filePath("authority.crt");
    const QString authorityKey = dir.filePath("authority.key");
    const QString request = dir.filePath("server.csr");
    const QString extensions = dir.filePath("server.ext");
    out.certificate = dir.filePath("server.crt");
    out.key = dir.filePath("server.key");
    QFile ext(extensions);
    if (!ext.open(QIODevice::WriteOnly))
        return false;
    ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n");
    ext.close();
    if (!runOpenssl({"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                     "-days", "2", "-subj", "/CN=Test Authority", "-keyout", authorityKey, "-out", authority},
                    why) ||
        !runOpenssl({"req", "-new", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                     "-subj", "/CN=127.0.0.1", "-keyout", out.key, "-out", request},
                    why) ||
        !runOpenssl({"x509", "-req", "-in", request, "-CA", authority, "-CAkey", authorityKey,
                     "-CAcreateserial", "-days", "2", "-extfile", extensions, "-out", out.certificate},
                    why))
        return false;
    out.fingerprint = fingerprintOf(out.certificate);
    return !out.fingerprint.isEmpty();
}

} // namespace orv::test
