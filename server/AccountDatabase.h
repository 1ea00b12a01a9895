#pragma once
// The server's accounts and rooms in a SQLite file, created on first open: users (with Argon2id password
// hashes only), rooms and their members, and a few settings the admin tool needs (where the recordings are).
// The running server reads it at start and again whenever another program (the admin tool) changed it.

#include "ServerConfig.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace orv::server {

// Thrown with a sentence a person can act on.
class EDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class AccountDatabase {
public:
    // Opens the file, creating it and its tables when new. Throws EDatabaseError.
    explicit AccountDatabase(const QString& path);
    ~AccountDatabase();
    AccountDatabase(const AccountDatabase&) = delete;
    AccountDatabase& operator=(const AccountDatabase&) = delete;

    bool isEmpty() const;
    // Adds the accounts and rooms of an INI configuration; an account or room already there is replaced.
    void import(const ServerConfig& config);
    // The accounts and rooms, into a configuration whose options stay as they are.
    void loadInto(ServerConfig& config) const;
    // Changes when anybody, this connection or another, committed a change.
    std::int64_t changeCount() const;

    // What the admin tool does. Each throws EDatabaseError naming what is wrong.
    void addUser(const AccountConfig& account);
    std::vector<AccountConfig> users() const;
    void setPasswordHash(const QString& userName, const QString& hash);
    void setBlocked(const QString& userName, bool blocked);
    void removeUser(const QString& userName);
    void addRoom(const RoomConfig& room);
    std::vector<RoomConfig> rooms() const;
    // `key` is a column of the rooms table (name, private, state, codec, microphones, recorder, sharing,
    // video, welcome_url, capacity, expires).
    void setRoom(std::int32_t number, const QString& key, const QString& value);
    void setMember(std::int32_t number, const QString& userName, bool member);

    void setSetting(const QString& key, const QString& value);
    QString setting(const QString& key) const;

private:
    void exec(const QString& statement) const;
    std::optional<std::uint16_t> userIdOf(const QString& userName) const;

    QString m_connection;
};

} // namespace orv::server
