// orvane-admin: manages the session server's users, rooms and recordings from the command line.
#include "AdminCommands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    return orv::server::RunAdmin(QCoreApplication::arguments().mid(1), out, err);
}
