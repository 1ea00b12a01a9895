#pragma once
// Messages of a running session that belong to no subsystem. The heartbeat (client), the probe and the
// duplicate sign-in notice (server) are header-only.

#include "protocol/PayloadReader.h"
#include "protocol/SignInRecords.h"

#include <QByteArray>
#include <QDateTime>

namespace orv {

// cmTimeZone: the local time-zone bias in minutes, UTC minus local time, daylight saving included.
struct TTimeZoneReport {
    static constexpr std::size_t kSize = 4;

    std::int32_t bias = 0;

    static TTimeZoneReport ForLocalTime(const QDateTime& local = QDateTime::currentDateTime());
    QByteArray encode() const;
    static TTimeZoneReport decode(PayloadReader& reader);
};

// cmSetView, cmCurrentView: the main view everybody sees (0 whiteboard, 1 web browser, 2 application
// sharing); the request for the current view carries 0.
struct TViewMessage {
    static constexpr std::size_t kSize = 4;

    std::int32_t view = 0;

    QByteArray encode() const;
    static TViewMessage decode(PayloadReader& reader);
};

// cmUpdateProfile: the sender's whole account record after the user edited the profile; the server takes the
// profile's fields from it at the next sign-in.
struct TProfileUpdate {
    static constexpr std::size_t kSize = TAccountRecord::kSize;

    TAccountRecord account;

    QByteArray encode() const;
    static TProfileUpdate decode(PayloadReader& reader);
};

} // namespace orv
