#include "AccountDatabase.h"

#include <QAtomicInt>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <map>

namespace orv::server {
namespace {

const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS users ("
    " user_id INTEGER PRIMARY KEY CHECK (user_id BETWEEN 1 AND 65535),"
    " user_name TEXT NOT NULL UNIQUE COLLATE NOCASE,"
    " password_hash TEXT NOT NULL,"
    " first_name TEXT NOT NULL DEFAULT '', last_name TEXT NOT NULL DEFAULT '',"
    " email TEXT NOT NULL DEFAULT '', postal_address TEXT NOT NULL DEFAULT '', city TEXT NOT NULL DEFAULT '',"
    " postal_code TEXT NOT NULL DEFAULT '', telephone TEXT NOT NULL DEFAULT '', gender TEXT NOT NULL DEFAULT "
    "'',"
    " profession TEXT NOT NULL DEFAULT '', languages TEXT NOT NULL DEFAULT '', birth_date TEXT,"
    " account_type INTEGER NOT NULL DEFAULT 0, resource_role INTEGER NOT NULL DEFAULT 0,"
    " room_role INTEGER NOT NULL DEFAULT 0, blocked INTEGER NOT NULL DEFAULT 0,"
    " expired INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS rooms ("
    " number INTEGER PRIMARY KEY, name TEXT NOT NULL,"
    " private INTEGER NOT NULL DEFAULT 0, state INTEGER NOT NULL DEFAULT 1 CHECK (state BETWEEN 0 AND 3),"
    " codec INTEGER NOT NULL DEFAULT 0 CHECK (codec BETWEEN 0 AND 7),"
    " microphones INTEGER NOT NULL DEFAULT 1 CHECK (microphones BETWEEN 1 AND 5),"
    " audio_queue_size INTEGER NOT NULL DEFAULT 0, recorder INTEGER NOT NULL DEFAULT 0,"
    " sharing INTEGER NOT NULL DEFAULT 0, video INTEGER NOT NULL DEFAULT 0,"
    " welcome_url TEXT NOT NULL DEFAULT '', capacity INTEGER NOT NULL DEFAULT 0 CHECK (capacity >= 0),"
    " expires TEXT)",
    "CREATE TABLE IF NOT EXISTS room_members ("
    " room INTEGER NOT NULL REFERENCES rooms(number) ON DELETE CASCADE,"
    " user_name TEXT NOT NULL COLLATE NOCASE, PRIMARY KEY (room, user_name))",
    "CREATE TABLE IF NOT EXISTS settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)",
};

// Room columns the admin tool may set, and how their values are checked.
enum class ColumnKind { Text, Flag, Number, Date };
const std::map<QString, ColumnKind>& RoomColumns() {
    static const std::map<QString, ColumnKind> columns{
        {"name", ColumnKind::Text},          {"private", ColumnKind::Flag},
        {"state", ColumnKind::Number},       {"codec", ColumnKind::Number},
        {"microphones", ColumnKind::Number}, {"recorder", ColumnKind::Flag},
        {"sharing", ColumnKind::Flag},       {"video", ColumnKind::Flag},
        {"welcome_url", ColumnKind::Text},   {"capacity", ColumnKind::Number},
        {"expires", ColumnKind::Date}};
    return columns;
}

QVariant FlagValue(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == "1" || t == "yes" || t == "true" || t == "on")
        return 1;
    if (t == "0" || t == "no" || t == "false" || t == "off")
        return 0;
    return {};
}

// Text columns hold '' for nothing, never NULL.
QVariant Text(const QString& text) {
    return QVariant(text.isNull() ? QStringLiteral("") : text);
}

QVariant DateOrNull(const QDate& date) {
    return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant(QMetaType(QMetaType::QString));
}

QSqlQuery Prepared(const QString& connection, const QString& statement) {
    QSqlQuery q(QSqlDatabase::database(connection));
    if (!q.prepare(statement))
        throw EDatabaseError("the account database cannot run: " + q.lastError().text().toStdString());
    return q;
}

void Run(QSqlQuery& q, const std::string& what) {
    if (!q.exec())
        throw EDatabaseError(what + ": " + q.lastError().databaseText().toStdString());
}

QAtomicInt g_connections;

} // namespace

AccountDatabase::AccountDatabase(const QString& path)
    : m_connection(QString("orvane-accounts-%1").arg(g_connections.fetchAndAddRelaxed(1))) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", m_connection);
    db.setDatabaseName(path);
    if (!db.open()) {
        const std::string reason = db.lastError().text().toStdString();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw EDatabaseError("cannot open the account database " + path.toStdString() + ": " + reason);
    }
    // Another program may be writing: wait for its lock a while instead of failing at once.
    exec("PRAGMA busy_timeout = 5000");
    exec("PRAGMA foreign_keys = ON");
    for (const char* statement : kSchema)
        exec(statement);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

AccountDatabase::~AccountDatabase() {
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void AccountDatabase::exec(const QString& statement) const {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (!q.exec(statement))
        throw EDatabaseError("the account database cannot run: " + q.lastError().text().toStdString());
}

bool AccountDatabase::isEmpty() const {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    return q.exec("SELECT (SELECT COUNT(*) FROM users) + (SELECT COUNT(*) FROM rooms)") && q.next() &&
           q.value(0).toLongLong() == 0;
}

std::int64_t AccountDatabase::changeCount() const {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    return q.exec("PRAGMA data_version") && q.next() ? q.value(0).toLongLong() : -1;
}

void AccountDatabase::import(const ServerConfig& config) {
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    db.transaction();
    try {
        for (const AccountConfig& a : config.accounts) {
            QSqlQuery remove = Prepared(m_connection, "DELETE FROM users WHERE user_id = ? OR user_name = ?");
            remove.addBindValue(a.userId);
            remove.addBindValue(a.userName);
            Run(remove, "importing " + a.userName.toStdString());
            addUser(a);
        }
        for (const auto& [number, room] : config.rooms) {
            QSqlQuery remove = Prepared(m_connection, "DELETE FROM rooms WHERE number = ?");
            remove.addBindValue(number);
            Run(remove, "importing room " + std::to_string(number));
            addRoom(room);
        }
    } catch (...) {
        db.rollback();
        throw;
    }
    db.commit();
}

void AccountDatabase::addUser(const AccountConfig& a) {
    if (a.userName.trimmed().isEmpty())
        throw EDatabaseError("a user needs a user name");
    if (a.passwordHash.isEmpty())
        throw EDatabaseError("a user needs a password");
    if (userIdOf(a.userName))
        throw EDatabaseError("there is already a user named " + a.userName.toStdString());
    std::int64_t id = a.userId;
    if (id == 0) {
        QSqlQuery next(QSqlDatabase::database(m_connection));
        id = next.exec("SELECT COALESCE(MAX(user_id), 0) + 1 FROM users") && next.next()
                 ? next.value(0).toLongLong()
                 : 1;
    }
    if (id > 65535)
        throw EDatabaseError("no user id is left (65535 at most)");
    QSqlQuery q = Prepared(
        m_connection, "INSERT INTO users (user_id, user_name, password_hash, first_name, last_name, email,"
                      " postal_address, city, postal_code, telephone, gender, profession, languages,"
                      " birth_date, account_type, resource_role, room_role, blocked, expired)"
                      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const QVariant& v :
         {QVariant(qint64(id)), Text(a.userName.trimmed()), Text(a.passwordHash), Text(a.firstName),
          Text(a.lastName), Text(a.email), Text(a.postalAddress), Text(a.city), Text(a.postalCode),
          Text(a.telephone), Text(a.gender), Text(a.profession), Text(a.languages), DateOrNull(a.birthDate),
          QVariant(a.accountType), QVariant(a.resourceRole), QVariant(a.roomRole), QVariant(int(a.blocked)),
          QVariant(int(a.expired))})
        q.addBindValue(v);
    Run(q, "cannot add user " + a.userName.toStdString() + " as user id " + std::to_string(id));
}

std::vector<AccountConfig> AccountDatabase::users() const {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.exec("SELECT user_id, user_name, password_hash, first_name, last_name, email, postal_address, city,"
           " postal_code, telephone, gender, profession, languages, birth_date, account_type, resource_role,"
           " room_role, blocked, expired FROM users ORDER BY user_id");
    std::vector<AccountConfig> out;
    while (q.next()) {
        AccountConfig a;
        a.userId = std::uint16_t(q.value(0).toUInt());
        a.userName = a.key = q.value(1).toString();
        a.passwordHash = q.value(2).toString();
        a.firstName = q.value(3).toString();
        a.lastName = q.value(4).toString();
        a.email = q.value(5).toString();
        a.postalAddress = q.value(6).toString();
        a.city = q.value(7).toString();
        a.postalCode = q.value(8).toString();
        a.telephone = q.value(9).toString();
        a.gender = q.value(10).toString();
        a.profession = q.value(11).toString();
        a.languages = q.value(12).toString();
        a.birthDate = QDate::fromString(q.value(13).toString(), Qt::ISODate);
        a.accountType = q.value(14).toInt();
        a.resourceRole = q.value(15).toInt();
        a.roomRole = q.value(16).toInt();
        a.blocked = q.value(17).toBool();
        a.expired = q.value(18).toBool();
        out.push_back(a);
    }
    return out;
}

std::optional<std::uint16_t> AccountDatabase::userIdOf(const QString& userName) const {
    QSqlQuery q = Prepared(m_connection, "SELECT user_id FROM users WHERE user_name = ?");
    q.addBindValue(userName.trimmed());
    Run(q, "looking up " + userName.toStdString());
    if (!q.next())
        return std::nullopt;
    return std::uint16_t(q.value(0).toUInt());
}

void AccountDatabase::setPasswordHash(const QString& userName, const QString& hash) {
    if (!userIdOf(userName))
        throw EDatabaseError("there is no user named " + userName.toStdString());
    QSqlQuery q = Prepared(m_connection, "UPDATE users SET password_hash = ? WHERE user_name = ?");
    q.addBindValue(hash);
    q.addBindValue(userName.trimmed());
    Run(q, "cannot change the password of " + userName.toStdString());
}

void AccountDatabase::setBlocked(const QString& userName, bool blocked) {
    if (!userIdOf(userName))
        throw EDatabaseError("there is no user named " + userName.toStdString());
    QSqlQuery q = Prepared(m_connection, "UPDATE users SET blocked = ? WHERE user_name = ?");
    q.addBindValue(int(blocked));
    q.addBindValue(userName.trimmed());
    Run(q, "cannot block or unblock " + userName.toStdString());
}

void AccountDatabase::removeUser(const QString& userName) {
    if (!userIdOf(userName))
        throw EDatabaseError("there is no user named " + userName.toStdString());
    for (const char* statement :
         {"DELETE FROM room_members WHERE user_name = ?", "DELETE FROM users WHERE user_name = ?"}) {
        QSqlQuery q = Prepared(m_connection, statement);
        q.addBindValue(userName.trimmed());
        Run(q, "cannot remove " + userName.toStdString());
    }
}

void AccountDatabase::addRoom(const RoomConfig& r) {
    if (r.name.trimmed().isEmpty())
        throw EDatabaseError("a room needs a name");
    QSqlQuery q = Prepared(
        m_connection, "INSERT INTO rooms (number, name, private, state, codec, microphones, audio_queue_size,"
                      " recorder, sharing, video, welcome_url, capacity, expires)"
                      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const QVariant& v :
         {QVariant(r.number), Text(r.name.trimmed()), QVariant(int(r.isPrivate)), QVariant(r.state),
          QVariant(r.codec), QVariant(r.microphones), QVariant(r.audioQueueSize), QVariant(int(r.recorder)),
          QVariant(int(r.sharing)), QVariant(int(r.video)), Text(r.welcomeUrl), QVariant(r.capacity),
          DateOrNull(r.expires)})
        q.addBindValue(v);
    Run(q, "cannot add room " + std::to_string(r.number));
    for (const QString& member : r.members)
        setMember(r.number, member, true);
}

std::vector<RoomConfig> AccountDatabase::rooms() const {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.exec("SELECT number, name, private, state, codec, microphones, audio_queue_size, recorder, sharing,"
           " video, welcome_url, capacity, expires FROM rooms ORDER BY number");
    std::vector<RoomConfig> out;
    while (q.next()) {
        RoomConfig r;
        r.number = q.value(0).toInt();
        r.name = q.value(1).toString();
        r.isPrivate = q.value(2).toBool();
        r.state = q.value(3).toInt();
        r.codec = q.value(4).toInt();
        r.microphones = q.value(5).toInt();
        r.audioQueueSize = q.value(6).toInt();
        r.recorder = q.value(7).toBool();
        r.sharing = q.value(8).toBool();
        r.video = q.value(9).toBool();
        r.welcomeUrl = q.value(10).toString();
        r.capacity = q.value(11).toInt();
        r.expires = QDate::fromString(q.value(12).toString(), Qt::ISODate);
        out.push_back(r);
    }
    QSqlQuery members(QSqlDatabase::database(m_connection));
    members.exec("SELECT room, user_name FROM room_members ORDER BY room, user_name");
    while (members.next())
        for (RoomConfig& r : out)
            if (r.number == members.value(0).toInt())
                r.members << members.value(1).toString();
    return out;
}

void AccountDatabase::setRoom(std::int32_t number, const QString& key, const QString& value) {
    const auto column = RoomColumns().find(key);
    if (column == RoomColumns().end()) {
        QStringList keys;
        for (const auto& [name, kind] : RoomColumns())
            keys << name;
        throw EDatabaseError("a room has no setting \"" + key.toStdString() +
                             "\"; settings: " + keys.join(", ").toStdString());
    }
    QVariant v;
    switch (column->second) {
    case ColumnKind::Text:
        v = Text(value);
        break;
    case ColumnKind::Flag:
        v = FlagValue(value);
        break;
    case ColumnKind::Number: {
        bool ok = false;
        const int n = value.toInt(&ok);
        if (ok)
            v = n;
        break;
    }
    case ColumnKind::Date: {
        const QDate date = QDate::fromString(value, Qt::ISODate);
        if (value.isEmpty() || value == "never")
            v = DateOrNull({});
        else if (date.isValid())
            v = DateOrNull(date);
        break;
    }
    }
    if (!v.isValid())
        throw EDatabaseError("\"" + value.toStdString() + "\" is not a value for " + key.toStdString());
    QSqlQuery q = Prepared(m_connection, QString("UPDATE rooms SET %1 = ? WHERE number = ?").arg(key));
    q.addBindValue(v);
    q.addBindValue(number);
    Run(q, "cannot set " + key.toStdString() + " (out of range?)");
    if (q.numRowsAffected() == 0)
        throw EDatabaseError("there is no room " + std::to_string(number));
}

void AccountDatabase::setMember(std::int32_t number, const QString& userName, bool member) {
    QSqlQuery q =
        Prepared(m_connection, member ? "INSERT OR IGNORE INTO room_members (room, user_name) VALUES (?, ?)"
                                      : "DELETE FROM room_members WHERE room = ? AND user_name = ?");
    q.addBindValue(number);
    q.addBindValue(userName.trimmed());
    Run(q, "there is no room " + std::to_string(number));
}

void AccountDatabase::loadInto(ServerConfig& config) const {
    config.accounts = users();
    config.rooms.clear();
    const QDate today = QDate::currentDate();
    for (RoomConfig& room : rooms()) {
        // A room past its date is expired, whatever its state says.
        if (room.expires.isValid() && room.expires < today)
            room.state = 3;
        config.rooms[room.number] = room;
    }
}

void AccountDatabase::setSetting(const QString& key, const QString& value) {
    QSqlQuery q = Prepared(m_connection, "INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?)");
    q.addBindValue(key);
    q.addBindValue(value);
    Run(q, "cannot keep the setting " + key.toStdString());
}

QString AccountDatabase::setting(const QString& key) const {
    QSqlQuery q = Prepared(m_connection, "SELECT value FROM settings WHERE key = ?");
    q.addBindValue(key);
    Run(q, "cannot read the setting " + key.toStdString());
    return q.next() ? q.value(0).toString() : QString();
}

} // namespace orv::server
