#include "AdminCommands.h"

#include "AccountDatabase.h"
#include "PasswordHash.h"
#include "RecordingFiles.h"

#include "protocol/SignInRecords.h"
#include "protocol/Stamp.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include <functional>
#include <map>
#include <optional>

namespace orv::server {
namespace {

const char* const kUsage = R"(usage: orvane-admin [--database FILE] GROUP COMMAND [ARGUMENTS]

The database is the session server's (--database FILE, or $ORVANE_DATABASE); a running server applies
every change within a second.

  users list
  users add NAME --password PASSWORD [--first-name TEXT] [--last-name TEXT] [--email TEXT]
            [--moderator] [--id NUMBER]
  users passwd NAME PASSWORD        (PASSWORD "-" reads one line from standard input)
  users block NAME | users unblock NAME
  users remove NAME
  rooms list
  rooms add NUMBER NAME [--private] [--microphones 1-5] [--codec 0-7] [--recorder] [--sharing]
            [--video] [--capacity NUMBER] [--expires YYYY-MM-DD]
  rooms set NUMBER SETTING VALUE    (name, private, state, codec, microphones, recorder, sharing, video,
                                    welcome_url, capacity, expires)
  rooms members NUMBER add|remove NAME
  recordings list
  recordings delete ID
)";

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The words of a command, and its --options with or without a value.
struct Words {
    QStringList positional;
    std::map<QString, QString> options;

    QString option(const QString& name) const {
        const auto it = options.find(name);
        return it == options.end() ? QString() : it->second;
    }
    bool flag(const QString& name) const { return options.contains(name); }
};

Words Split(const QStringList& arguments, const QStringList& valued) {
    Words w;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith("--")) {
            w.positional << a;
            continue;
        }
        const QString name = a.mid(2);
        if (valued.contains(name)) {
            if (i + 1 >= arguments.size())
                throw UsageError(QString("--%1 needs a value").arg(name).toStdString());
            w.options[name] = arguments[++i];
        } else {
            w.options[name] = QString();
        }
    }
    return w;
}

int Number(const QString& text, const char* what) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok)
        throw UsageError(QString("%1 must be a number, not \"%2\"").arg(what, text).toStdString());
    return n;
}

void Need(const Words& w, int count) {
    if (w.positional.size() != count)
        throw UsageError("wrong number of arguments");
}

// A password the client's sign-in record can carry as it is: at most 10 characters of Windows-1252.
QString PasswordArgument(const QString& given) {
    QString password = given;
    if (given == "-") {
        QTextStream in(stdin);
        password = in.readLine();
    }
    TSignInRecord carried;
    carried.SetPassword(password);
    if (password.isEmpty() || carried.Password() != password)
        throw EDatabaseError("a password is 1 to 10 characters of Western European script: the sign-in "
                             "carries no more");
    return password;
}

QString UserNameArgument(const QString& given) {
    TSignInRecord carried;
    carried.SetUserName(given.trimmed());
    if (given.trimmed().isEmpty() || carried.UserName() != given.trimmed())
        throw EDatabaseError("a user name is 1 to 50 characters of Western European script");
    return given.trimmed();
}

void Users(AccountDatabase& db, const QString& command, const QStringList& rest, QTextStream& out) {
    const Words w = Split(rest, {"password", "first-name", "last-name", "email", "id"});
    if (command == "list") {
        Need(w, 0);
        for (const AccountConfig& a : db.users())
            out << a.userId << '\t' << a.userName << '\t'
                << QString("%1 %2").arg(a.firstName, a.lastName).trimmed() << '\t'
                << (a.accountType >= 1000 ? "moderator" : "participant") << (a.blocked ? "\tblocked" : "")
                << '\n';
    } else if (command == "add") {
        Need(w, 1);
        if (w.option("password").isEmpty())
            throw UsageError("users add needs --password");
        AccountConfig a;
        a.userName = UserNameArgument(w.positional[0]);
        a.setPassword(PasswordArgument(w.option("password")));
        a.firstName = w.option("first-name").isEmpty() ? a.userName : w.option("first-name");
        a.lastName = w.option("last-name");
        a.email = w.option("email");
        a.accountType = w.flag("moderator") ? 1000 : 0;
        if (w.flag("id")) {
            const int id = Number(w.option("id"), "--id");
            if (id < 1 || id > 65535)
                throw UsageError("--id must be 1 to 65535");
            a.userId = std::uint16_t(id);
        }
        db.addUser(a);
        out << "added " << a.userName << '\n';
    } else if (command == "passwd") {
        Need(w, 2);
        db.setPasswordHash(w.positional[0], HashPassword(PasswordArgument(w.positional[1])));
        out << "password of " << w.positional[0] << " changed\n";
    } else if (command == "block" || command == "unblock") {
        Need(w, 1);
        db.setBlocked(w.positional[0], command == "block");
        out << w.positional[0] << (command == "block" ? " blocked\n" : " unblocked\n");
    } else if (command == "remove") {
        Need(w, 1);
        db.removeUser(w.positional[0]);
        out << "removed " << w.positional[0] << '\n';
    } else {
        throw UsageError("users has no command \"" + command.toStdString() + "\"");
    }
}

void Rooms(AccountDatabase& db, const QString& command, const QStringList& rest, QTextStream& out) {
    const Words w = Split(rest, {"microphones", "codec", "capacity", "expires"});
    if (command == "list") {
        Need(w, 0);
        for (const RoomConfig& r : db.rooms())
            out << r.number << '\t' << r.name << '\t' << (r.isPrivate ? "private" : "public") << '\t'
                << r.microphones << " microphones\tcodec " << r.codec
                << (r.expires.isValid() ? "\texpires " + r.expires.toString(Qt::ISODate) : QString())
                << (r.members.isEmpty() ? QString() : "\tmembers " + r.members.join(',')) << '\n';
    } else if (command == "add") {
        Need(w, 2);
        RoomConfig r;
        r.number = Number(w.positional[0], "the room number");
        r.name = w.positional[1];
        r.isPrivate = w.flag("private");
        r.recorder = w.flag("recorder");
        r.sharing = w.flag("sharing");
        r.video = w.flag("video");
        if (w.flag("microphones"))
            r.microphones = Number(w.option("microphones"), "--microphones");
        if (w.flag("codec"))
            r.codec = Number(w.option("codec"), "--codec");
        if (w.flag("capacity"))
            r.capacity = Number(w.option("capacity"), "--capacity");
        if (w.flag("expires")) {
            r.expires = QDate::fromString(w.option("expires"), Qt::ISODate);
            if (!r.expires.isValid())
                throw UsageError("--expires must be YYYY-MM-DD");
        }
        db.addRoom(r);
        out << "added room " << r.number << '\n';
    } else if (command == "set") {
        Need(w, 3);
        db.setRoom(Number(w.positional[0], "the room number"), w.positional[1], w.positional[2]);
        out << "room " << w.positional[0] << ": " << w.positional[1] << " set\n";
    } else if (command == "members") {
        Need(w, 3);
        const QString how = w.positional[1];
        if (how != "add" && how != "remove")
            throw UsageError("rooms members takes add or remove");
        db.setMember(Number(w.positional[0], "the room number"), w.positional[2], how == "add");
        out << w.positional[2] << (how == "add" ? " may enter room " : " may no longer enter room ")
            << w.positional[0] << '\n';
    } else {
        throw UsageError("rooms has no command \"" + command.toStdString() + "\"");
    }
}

void Recordings(AccountDatabase& db, const QString& command, const QStringList& rest, QTextStream& out) {
    const QString store = db.setting("store");
    if (store.isEmpty())
        throw EDatabaseError(
            "the server has not said where its recordings are: start it once with this database");
    const RecordingShelf shelf(QDir(store).filePath("recordings"));
    const Words w = Split(rest, {});
    if (command == "list") {
        Need(w, 0);
        for (const TRecordedSessionHeader& h : shelf.list())
            out << h.SessionId() << '\t' << localFromStamp(h.Recorded()).toString(Qt::ISODate) << '\t'
                << h.Title() << '\t' << h.PacketCount() << " packets\t" << h.TotalSize() << " bytes\n";
    } else if (command == "delete") {
        Need(w, 1);
        const auto path = shelf.find(Number(w.positional[0], "the recording id"));
        if (!path)
            throw EDatabaseError("there is no recording " + w.positional[0].toStdString());
        if (!QFile::remove(*path))
            throw EDatabaseError("cannot delete " + path->toStdString());
        out << "deleted recording " << w.positional[0] << '\n';
    } else {
        throw UsageError("recordings has no command \"" + command.toStdString() + "\"");
    }
}

} // namespace

int RunAdmin(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QStringList rest = arguments;
    QString database = QProcessEnvironment::systemEnvironment().value("ORVANE_DATABASE");
    if (rest.contains("--help") || rest.contains("-h")) {
        out << kUsage;
        return 0;
    }
    if (rest.size() >= 2 && rest[0] == "--database") {
        database = rest[1];
        rest = rest.mid(2);
    }
    try {
        if (database.isEmpty())
            throw UsageError("which database? give --database FILE or set ORVANE_DATABASE");
        if (rest.size() < 2)
            throw UsageError("give a group and a command");
        const QString group = rest[0], command = rest[1];
        rest = rest.mid(2);
        const std::map<
            QString, std::function<void(AccountDatabase&, const QString&, const QStringList&, QTextStream&)>>
            groups{{"users", Users}, {"rooms", Rooms}, {"recordings", Recordings}};
        const auto handler = groups.find(group);
        if (handler == groups.end())
            throw UsageError("no group \"" + group.toStdString() + "\": users, rooms or recordings");
        AccountDatabase db(database);
        handler->second(db, command, rest, out);
        return 0;
    } catch (const UsageError& e) {
        err << "orvane-admin: " << e.what() << "\n\n" << kUsage;
        return 2;
    } catch (const std::exception& e) {
        err << "orvane-admin: " << e.what() << '\n';
        return 1;
    }
}

} // namespace orv::server
