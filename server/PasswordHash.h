#pragma once
// Passwords are kept only as Argon2id hashes (libsodium's encoded form, which carries its own salt and
// cost), and checked against the password a sign-in record carries.

#include <QString>

namespace orv::server {

enum class HashCost {
    Interactive, // what stored accounts get: costly enough to slow guessing down
    Minimal,     // throwaway accounts held in memory only (tests)
};

// Throws std::runtime_error when the hash cannot be made (out of memory).
QString HashPassword(const QString& password, HashCost cost = HashCost::Interactive);
// False for a wrong password and for anything that is not a hash we made.
bool PasswordMatches(const QString& hash, const QString& password);

} // namespace orv::server
