#pragma once
// The program's first argument: a join or play link from a web page, a recorded-session file, or nothing.

#include "link/SessionState.h"

#include <QString>

#include <cstdint>

namespace orv {

struct TLaunchValues {
    QString host;
    std::int32_t port = -1;
    QString userName;
    QString password;
    std::int32_t room = 0;
    QString sessionName;

    friend bool operator==(const TLaunchValues&, const TLaunchValues&) = default;
};

struct TLaunch {
    TLaunchMode mode = TLaunchMode::SignInWindow;
    QString rest; // the file name, or the web address for PlayFromAddress
    TLaunchValues values;
    bool encrypted = false; // an ORVJOINS:// link: the session's connections are encrypted or not made
};

// Fills `values` from five comma-separated fields; returns false, with the values cleared, when the text is
// not a valid link of that mode.
bool ParseLinkFields(const QString& text, TLaunchMode mode, TLaunchValues& values);
// The mode and values of an argument. A join or play link whose fields are not valid gives SignInWindow.
TLaunch ParseLaunchArgument(const QString& argument);

} // namespace orv
