#pragma once
// The sign-in window's "Remote Server" text: host or host:port, optionally after a scheme and "://".

#include "protocol/Constants.h"

#include <QString>

#include <cstdint>

namespace orv {

struct TServerAddress {
    QString host;
    std::uint16_t port = kDefaultControlPort;
};

TServerAddress ParseServerText(const QString& text);
// What the field shows for a stored address: "host:port", the default port when the stored one is not
// positive.
QString ServerTextFor(const QString& host, std::int32_t port);

} // namespace orv
