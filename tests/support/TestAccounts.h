#pragma once
// Accounts and rooms for the servers tests start: every password is the user name followed by "pw".

#include "ServerConfig.h"

#include <initializer_list>

namespace orv::test {

struct TestPerson {
    QString name;
    std::uint16_t id = 0;
    std::int32_t accountType = 0; // 1000 for a moderator
    QString firstName = {};       // the user name when empty
    QString lastName = QStringLiteral("Tester");
    std::int32_t resourceRole = 0;
};

inline QString PasswordOf(const QString& name) {
    return name + "pw";
}

inline server::AccountConfig Account(const TestPerson& p) {
    server::AccountConfig a;
    a.key = p.name;
    a.userName = p.name;
    a.setPassword(PasswordOf(p.name), server::HashCost::Minimal);
    a.userId = p.id;
    a.firstName = p.firstName.isEmpty() ? p.name : p.firstName;
    a.lastName = p.lastName;
    a.accountType = p.accountType;
    a.resourceRole = p.resourceRole;
    return a;
}

// The accounts of `people` and one open public room for each number, named "Room N".
inline server::ServerConfig ClassroomConfig(std::initializer_list<TestPerson> people,
                                            std::initializer_list<std::int32_t> rooms = {100}) {
    server::ServerConfig c;
    for (const TestPerson& p : people)
        c.accounts.push_back(Account(p));
    for (const std::int32_t number : rooms) {
        server::RoomConfig r;
        r.number = number;
        r.name = QStringLiteral("Room %1").arg(number);
        c.rooms[number] = r;
    }
    return c;
}

} // namespace orv::test
