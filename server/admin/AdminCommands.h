#pragma once
// orvane-admin's commands on the server's account database: users, rooms, room members and recordings.
// A running server applies what they change within a second.

#include <QStringList>
#include <QTextStream>

namespace orv::server {

// `arguments` without the program name. Returns the exit code: 0 done, 1 refused (with the reason on
// `err`), 2 a command line that does not parse (with the usage).
int RunAdmin(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace orv::server
