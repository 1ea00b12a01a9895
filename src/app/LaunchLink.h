#pragma once
// The program's first argument: a join or play link from a web page, a recorded-session file, or nothing.

#include <QString>

#include <cstdint>

namespace orv {

enum class TLaunchMode {
    SignInWindow = 0,    // no argument: sign in through the window, then choose a room
    LocalFile = 1,       // play a local recorded-session file
    Join = 2,            // ORVJOIN://host,port,user,password,room
    PlayFromServer = 3,  // ORVPLAY://host,port,user,password,session name
    PlayFromAddress = 4, // ORVURL://address, played from "http://" + address
};

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
};

// Fills `values` from five comma-separated fields; returns false, with the values cleared, when the text is
// not a valid link of that mode.
bool ParseLinkFields(const QString& text, TLaunchMode mode, TLaunchValues& values);
// The mode and values of an argument. A join or play link whose fields are not valid gives SignInWindow.
TLaunch ParseLaunchArgument(const QString& argument);

} // namespace orv
