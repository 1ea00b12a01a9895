#pragma once
// Web links and the guided web tour in the rooms: each room's links list (cmWebLinkList), adding
// (cmAddWebLink) and deleting (cmDeleteWebLink) links with library rights, a moderator's tour page
// (cmPushWebLink) and the tour browser closing (cmLeaveWebTour) relayed to the rest of the room, and the
// tour's current page kept per room for those who enter later (cmWebTourUrl).

#include "Service.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>

namespace orv::server {

class ClientConnection;
class IServiceHost;

class WebTourService final : public Service {
public:
    explicit WebTourService(IServiceHost& host);

    // The page the room's tour is on; empty when none.
    QString tourAddress(std::int32_t room) const;

private:
    void list(ClientConnection& from);
    void add(ClientConnection& from, const QByteArray& payload);
    void remove(ClientConnection& from, const QByteArray& payload);
    void push(ClientConnection& from, const QByteArray& payload);
    void leave(ClientConnection& from);

    // The page a room's tour is on, as its moderator pushed it.
    struct TourPage {
        std::uint16_t from = 0;
        QString address;
        QByteArray push;
    };

    IServiceHost& m_host;
    std::map<std::int32_t, TourPage> m_tourPage;
};

} // namespace orv::server
