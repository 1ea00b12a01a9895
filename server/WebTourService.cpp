#include "WebTourService.h"

#include "ClientConnection.h"
#include "ResourceStore.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServiceHost.h"

#include "protocol/WebTourMessages.h"

namespace orv::server {

namespace {
QByteArray payloadOf(const TIncomingPacket& packet) {
    auto reader = packet.payload();
    return reader.bytes(reader.remaining());
}
} // namespace

WebTourService::WebTourService(IServiceHost& host) : m_host(host) {
    host.registerHandler({cmWebLinkList}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { list(c); });
    host.registerHandler({cmAddWebLink}, int(TResourceRecord::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { add(c, payloadOf(p)); });
    host.registerHandler({cmDeleteWebLink}, int(TResourceRecord::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { remove(c, payloadOf(p)); });
    host.registerHandler({cmPushWebLink}, int(TWebLinkPush::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { push(c, payloadOf(p)); });
    host.registerHandler({cmLeaveWebTour}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { leave(c); });
    host.registerHandler({cmWebTourUrl}, 0, [this](ClientConnection& c, const TIncomingPacket&) {
        const auto room = m_host.members().roomOf(c);
        if (room)
            m_host.reply(c, {cmWebTourUrl, TWebTourAddress{tourAddress(*room)}.encode()});
    });
    // The tour ends with the room's last participant.
    host.registerMembershipHandler([this](ClientConnection&, std::int32_t room, MemberChange change) {
        if (change == MemberChange::Left && m_host.members().count(room) == 0)
            m_tourPage.erase(room);
    });
    host.registerRoomStateHandler(
        [this](const ClientConnection&, std::int32_t room, std::vector<RoomStatePacket>& state) {
            const auto found = m_tourPage.find(room);
            if (found != m_tourPage.end())
                state.push_back({found->second.from, {cmPushWebLink, found->second.push}});
        });
}

QString WebTourService::tourAddress(std::int32_t room) const {
    const auto found = m_tourPage.find(room);
    return found == m_tourPage.end() ? QString() : found->second.address;
}

void WebTourService::list(ClientConnection& from) {
    const auto room = m_host.members().roomOf(from);
    if (!room)
        return;
    m_host.reply(
        from, {cmWebLinkList, TWebLinkList{m_host.resources().list(*room, ResourceList::WebLinks)}.encode()});
}

void WebTourService::add(ClientConnection& from, const QByteArray& payload) {
    const auto room = m_host.members().roomOf(from);
    if (!room)
        return;
    PayloadReader reader(payload);
    TResourceRecord record;
    record.readFrom(reader);
    std::uint16_t code = ResultCode::Success;
    if (!m_host.rights().mayManageLibrary(from))
        code = ResultCode::NoPermission;
    else if (record.FileName().trimmed().isEmpty())
        code = ResultCode::InvalidParameter;
    else
        code = m_host.resources().admit(*room, tkWebLink, record);
    if (code == ResultCode::Success)
        code = m_host.resources().keep(*room, tkWebLink, record, from.account(), nullptr);
    m_host.log(QString("%1: web link %2 added to room %3: result %4")
                   .arg(from.who(), record.FileName().left(100))
                   .arg(*room)
                   .arg(code));
    m_host.reply(from, {cmAddWebLink, {}, code});
}

void WebTourService::remove(ClientConnection& from, const QByteArray& payload) {
    const auto room = m_host.members().roomOf(from);
    if (!room)
        return;
    PayloadReader reader(payload);
    TResourceRecord record;
    record.readFrom(reader);
    std::uint16_t code = ResultCode::Success;
    if (!m_host.rights().mayManageLibrary(from))
        code = ResultCode::NoPermission;
    else if (!m_host.resources().remove(*room, ResourceList::WebLinks, record.ResourceId()))
        code = ResultCode::FileNotFound;
    m_host.reply(from, {cmDeleteWebLink, {}, code});
}

void WebTourService::push(ClientConnection& from, const QByteArray& payload) {
    const auto room = m_host.members().roomOf(from);
    if (!room)
        return;
    if (!m_host.rights().isModerator(from)) {
        m_host.log(QString("%1: tour page refused, not a moderator").arg(from.who()));
        return;
    }
    PayloadReader reader(payload);
    const TWebLinkPush page = TWebLinkPush::decode(reader);
    const QByteArray push = page.encode();
    m_tourPage[*room] = {from.account().UserId(), page.record.FileName(), push};
    m_host.sendToOthersInRoom(from, {cmPushWebLink, push});
}

void WebTourService::leave(ClientConnection& from) {
    const auto room = m_host.members().roomOf(from);
    if (!room)
        return;
    m_tourPage.erase(*room);
    m_host.sendToOthersInRoom(from, {cmLeaveWebTour, {}});
}

} // namespace orv::server
