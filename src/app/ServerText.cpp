#include "app/ServerText.h"

namespace orv {

TServerAddress ParseServerText(const QString& text) {
    QString rest = text;
    if (const int scheme = rest.indexOf("://"); scheme >= 0)
        rest = rest.mid(scheme + 3);
    TServerAddress address;
    const int colon = rest.indexOf(':');
    address.host = (colon >= 0 ? rest.left(colon) : rest).trimmed();
    if (colon >= 0) {
        bool ok = false;
        const int port = rest.mid(colon + 1).trimmed().toInt(&ok);
        if (ok && port > 0 && port <= 65535)
            address.port = std::uint16_t(port);
    }
    return address;
}

QString ServerTextFor(const QString& host, std::int32_t port) {
    return host + ":" + QString::number(port > 0 ? port : kDefaultControlPort);
}

} // namespace orv
