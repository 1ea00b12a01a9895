#pragma once
// What a subsystem raised, for tests: every delivered raise of one room event, with its arguments.

#include "session/RoomEvents.h"

#include <QCoreApplication>

#include <memory>
#include <tuple>
#include <vector>

namespace orv::test {

template <typename... Args> using RaisedLog = std::shared_ptr<std::vector<std::tuple<Args...>>>;

template <typename... Args> RaisedLog<Args...> LogRaises(TRoomEvent<Args...>& event) {
    auto log = std::make_shared<std::vector<std::tuple<Args...>>>();
    event.Listen([log](Args... args) { log->emplace_back(args...); });
    return log;
}

// Runs the listeners of every event raised so far, as the event loop would.
inline void DeliverRaised(TRoomEvents& events) {
    QCoreApplication::sendPostedEvents(&events.receiver);
}

} // namespace orv::test
