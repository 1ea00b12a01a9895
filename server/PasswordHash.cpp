#include "PasswordHash.h"

#include <sodium.h>

#include <stdexcept>

namespace orv::server {
namespace {

void initialise() {
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot start");
}

} // namespace

QString HashPassword(const QString& password, HashCost cost) {
    initialise();
    const QByteArray clear = password.toUtf8();
    const bool minimal = cost == HashCost::Minimal;
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(hash, clear.constData(), std::size_t(clear.size()),
                              minimal ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE,
                              minimal ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return QString::fromLatin1(hash);
}

bool PasswordMatches(const QString& hash, const QString& password) {
    initialise();
    const QByteArray encoded = hash.toLatin1();
    if (!encoded.startsWith(crypto_pwhash_argon2id_STRPREFIX) || encoded.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray clear = password.toUtf8();
    return crypto_pwhash_str_verify(encoded.constData(), clear.constData(), std::size_t(clear.size())) == 0;
}

} // namespace orv::server
