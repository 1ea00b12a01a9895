#include "ServerConfig.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <set>
#include <stdexcept>

namespace orv::server {
namespace {

QString resolve(const QDir& base, const QString& path) {
    return path.isEmpty() ? QString() : QDir::cleanPath(base.absoluteFilePath(path));
}

int readInt(QSettings& s, const char* key, int fallback, const QString& where) {
    const QVariant v = s.value(key);
    if (!v.isValid())
        return fallback;
    bool ok = false;
    const int value = v.toString().toInt(&ok);
    if (!ok)
        throw std::runtime_error(QString("%1: %2 is not a number").arg(where, key).toStdString());
    return value;
}

std::uint16_t readPort(QSettings& s, const char* key, std::uint16_t fallback) {
    const int value = readInt(s, key, fallback, "server");
    if (value < 0 || value > 65535)
        throw std::runtime_error(std::string("server: ") + key + " is not a port");
    return std::uint16_t(value);
}

// Free text: the INI format reads a value with commas ("English, Portuguese") as a list, given back whole.
QString readText(QSettings& s, const char* key, const QString& fallback = {}) {
    const QVariant value = s.value(key, fallback);
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(", ") : value.toString();
}

bool readBool(QSettings& s, const char* key, bool fallback = false) {
    const QVariant v = s.value(key);
    return v.isValid() ? v.toBool() : fallback;
}

AccountConfig readAccount(QSettings& s, const QString& key, HashCost cost) {
    AccountConfig a;
    a.key = key;
    const QString where = "account." + key;
    const int id = readInt(s, "user_id", -1, where);
    if (id <= 0 || id > 65535)
        throw std::runtime_error(where.toStdString() + ": user_id must be 1 to 65535");
    a.userId = std::uint16_t(id);
    a.userName = readText(s, "user_name", key);
    a.setPassword(readText(s, "password"), cost);
    a.firstName = readText(s, "first_name");
    a.lastName = readText(s, "last_name");
    a.email = readText(s, "email");
    a.postalAddress = readText(s, "postal_address");
    a.city = readText(s, "city");
    a.postalCode = readText(s, "postal_code");
    a.telephone = readText(s, "telephone");
    a.gender = readText(s, "gender");
    a.profession = readText(s, "profession");
    a.languages = readText(s, "languages");
    if (s.contains("birth_date")) {
        a.birthDate = QDate::fromString(readText(s, "birth_date"), Qt::ISODate);
        if (!a.birthDate.isValid())
            throw std::runtime_error(where.toStdString() + ": birth_date must be yyyy-MM-dd");
    }
    a.accountType = readInt(s, "account_type", 0, where);
    a.resourceRole = readInt(s, "resource_role", 0, where);
    a.roomRole = readInt(s, "room_role", 0, where);
    a.blocked = readBool(s, "blocked");
    a.expired = readBool(s, "expired");
    return a;
}

RoomConfig readRoom(QSettings& s, const QString& key) {
    RoomConfig r;
    const QString where = "room." + key;
    bool ok = false;
    r.number = key.toInt(&ok);
    if (!ok)
        throw std::runtime_error(where.toStdString() + ": the room number must be a number");
    r.name = readText(s, "name", where);
    r.isPrivate = readBool(s, "private");
    r.state = readInt(s, "state", 1, where);
    r.codec = readInt(s, "codec", 0, where);
    r.microphones = readInt(s, "microphones", 1, where);
    if (r.microphones < 1 || r.microphones > 5)
        throw std::runtime_error(where.toStdString() + ": microphones must be 1 to 5");
    r.audioQueueSize = readInt(s, "audio_queue_size", 0, where);
    r.recorder = readBool(s, "recorder");
    r.sharing = readBool(s, "sharing");
    r.video = readBool(s, "video");
    r.welcomeUrl = s.value("welcome_url").toString();
    r.members = s.value("members").toStringList();
    r.capacity = readInt(s, "capacity", 0, where);
    if (s.contains("expires")) {
        r.expires = QDate::fromString(readText(s, "expires"), Qt::ISODate);
        if (!r.expires.isValid())
            throw std::runtime_error(where.toStdString() + ": expires must be yyyy-MM-dd");
    }
    return r;
}

} // namespace

const AccountConfig* ServerConfig::findAccount(const QString& userName) const {
    for (const auto& a : accounts)
        if (a.userName.compare(userName, Qt::CaseInsensitive) == 0)
            return &a;
    return nullptr;
}

const RoomConfig* ServerConfig::findRoom(std::int32_t number) const {
    auto it = rooms.find(number);
    return it == rooms.end() ? nullptr : &it->second;
}

ServerConfig loadServerConfig(const QString& path, HashCost cost) {
    if (!QFileInfo(path).isReadable())
        throw std::runtime_error("cannot read " + path.toStdString());
    QSettings s(path, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        throw std::runtime_error("cannot parse " + path.toStdString());
    const QDir base = QFileInfo(path).absoluteDir();

    ServerConfig c;
    s.beginGroup("server");
    c.port = readPort(s, "port", c.port);
    c.voicePort = readPort(s, "voice_port", c.voicePort);
    c.bulkPort = readPort(s, "bulk_port", c.bulkPort);
    c.videoPort = readPort(s, "video_port", c.videoPort);
    c.bannerPath = resolve(base, s.value("banner").toString());
    c.bannerStretch = readBool(s, "banner_stretch");
    c.welcomeUrl = s.value("welcome_url").toString();
    c.storePath = resolve(base, s.value("store").toString());
    c.probeIntervalMs = readInt(s, "probe_interval_ms", 0, "server");
    c.signInTimeoutMs = readInt(s, "sign_in_timeout_ms", c.signInTimeoutMs, "server");
    c.packetTimeoutMs = readInt(s, "packet_timeout_ms", c.packetTimeoutMs, "server");
    c.silenceTimeoutMs = readInt(s, "silence_timeout_ms", c.silenceTimeoutMs, "server");
    c.closeTimeoutMs = readInt(s, "close_timeout_ms", c.closeTimeoutMs, "server");
    for (const int ms : {c.signInTimeoutMs, c.packetTimeoutMs, c.silenceTimeoutMs, c.closeTimeoutMs})
        if (ms <= 0)
            throw std::runtime_error("server: a time-out must be a positive number of milliseconds");
    s.endGroup();

    s.beginGroup("update");
    if (s.contains("version")) {
        c.update = UpdateOffer{s.value("version").toString(), s.value("build_date").toString(),
                               resolve(base, s.value("file").toString())};
    }
    s.endGroup();

    std::set<std::uint16_t> ids;
    for (const QString& group : s.childGroups()) {
        s.beginGroup(group);
        if (group.startsWith("account.")) {
            c.accounts.push_back(readAccount(s, group.mid(8), cost));
            if (!ids.insert(c.accounts.back().userId).second)
                throw std::runtime_error(group.toStdString() + ": user_id is used twice");
        } else if (group.startsWith("room.")) {
            RoomConfig room = readRoom(s, group.mid(5));
            c.rooms[room.number] = room;
        }
        s.endGroup();
    }
    return c;
}

} // namespace orv::server
