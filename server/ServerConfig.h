#pragma once
// The session server's accounts, rooms and options, read from one INI file (see demo.ini for the format),
// or its options from the file and its accounts and rooms from the account database.

#include "PasswordHash.h"
#include "protocol/Constants.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace orv::server {

struct AccountConfig {
    QString key; // the section name after "account."
    std::uint16_t userId = 0;
    QString userName;
    QString passwordHash; // Argon2id, never the password itself
    QString firstName;
    QString lastName;
    QString email;
    QString postalAddress;
    QString city;
    QString postalCode;
    QString telephone;
    QString gender;
    QString profession;
    QString languages;
    QDate birthDate; // none when not given
    std::int32_t accountType = 0;
    std::int32_t resourceRole = 0;
    std::int32_t roomRole = 0;
    bool blocked = false;
    bool expired = false;

    void setPassword(const QString& password, HashCost cost = HashCost::Interactive) {
        passwordHash = HashPassword(password, cost);
    }
};

struct RoomConfig {
    std::int32_t number = 0;
    QString name;
    bool isPrivate = false;
    std::int32_t state = 1; // 0 disabled, 1 open, 2 unavailable, 3 expired
    std::int32_t codec = 0;
    std::int32_t microphones = 1;
    std::int32_t audioQueueSize = 0;
    bool recorder = false;
    bool sharing = false;
    bool video = false;
    QString welcomeUrl;
    QStringList members; // user names allowed into a private room
    int capacity = 0;    // 0: no limit
    QDate expires;       // none: never
};

struct UpdateOffer {
    QString version;
    QString buildDate;
    QString filePath;
};

struct TlsServerSettings;

struct ServerConfig {
    std::uint16_t port = kDefaultControlPort;
    std::uint16_t voicePort = 9911;
    std::uint16_t bulkPort = 9912;
    std::uint16_t videoPort = 9913;
    QString listenAddress = "127.0.0.1"; // where the ports a service opens itself listen
    QString bannerPath;                  // empty: no banner
    bool bannerStretch = false;
    QString welcomeUrl;
    // The folder of the resource store; empty: a private temporary folder, gone when the server stops.
    QString storePath;
    std::optional<UpdateOffer> update;
    int probeIntervalMs = 0; // 0: no probes
    // How long a connection may take to sign in, to finish a packet it started, to stay silent once signed in
    // (three heartbeat periods), and to take its last bytes once it is being closed.
    int signInTimeoutMs = 30000;
    int packetTimeoutMs = 30000;
    int silenceTimeoutMs = 90000;
    int closeTimeoutMs = 5000;
    std::vector<AccountConfig> accounts;
    std::map<std::int32_t, RoomConfig> rooms;
    // Encrypted connections on every port beside plain ones; none when null.
    std::shared_ptr<const TlsServerSettings> tls;

    const AccountConfig* findAccount(const QString& userName) const;
    const RoomConfig* findRoom(std::int32_t number) const;
};

// Reads the file; relative file paths in it are taken from the file's folder; the accounts' passwords are
// hashed as they are read. Throws std::runtime_error with a readable reason when the file cannot be used.
ServerConfig loadServerConfig(const QString& path, HashCost cost = HashCost::Interactive);

} // namespace orv::server
