#pragma once
// The roster's user names in its order, for comparing with the order a test expects.

#include "roster/Roster.h"

#include <QStringList>

namespace orv::test {

inline QStringList Names(const Roster& roster) {
    QStringList names;
    for (int i = 0; i < roster.Count(); ++i)
        names << roster.Entry(i).UserName();
    return names;
}

} // namespace orv::test
