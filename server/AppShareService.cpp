#include "AppShareService.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServerConfig.h"

namespace orv::server {

namespace {

QByteArrayView PayloadOf(const TIncomingPacket& p) {
    return p.stream.sliced(TPacketHeader::kSize);
}

// A tile's PNG larger than its raw pixels with ample room for headers is no honest tile.
bool PlausibleSize(const TTileRecord& r) {
    return std::int64_t(r.ByteCount()) <= std::int64_t(r.Width()) * r.Height() * 4 + 65536;
}

} // namespace

AppShareService::AppShareService(IServiceHost& host) : m_host(host) {
    host.registerHandler({cmStartSharing}, int(TSharingRecord::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { start(c, p); });
    host.registerHandler({cmStopSharing}, 0, [this](ClientConnection& c, const TIncomingPacket&) {
        if (hostedBy(c))
            end(*m_host.members().roomOf(c));
    });
    host.registerHandler({cmScreenUpdate}, IServiceHost::kAnySize,
                         [this](ClientConnection& c, const TIncomingPacket& p) { screenUpdate(c, p); });
    host.registerHandler({cmCursorPosition}, IServiceHost::kAnySize,
                         [this](ClientConnection& c, const TIncomingPacket& p) { pointer(c, p); });
    host.registerHandler({cmSharingState}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { sharingState(c); });
    host.registerHandler({cmScreenImage}, IServiceHost::kAnySize,
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             const Session* session = sessionOf(c);
                             if (!session || session->host == &c)
                                 return;
                             auto reader = p.payload();
                             const TTileVersions versions = TTileVersions::decode(reader);
                             sendTiles(c, *session, &versions.versions);
                         });
    host.registerHandler({cmRefreshScreen}, 0, [this](ClientConnection& c, const TIncomingPacket&) {
        const Session* session = sessionOf(c);
        if (!session || session->host == &c)
            return;
        sendTiles(c, *session, nullptr);
        if (!session->pointer.isEmpty())
            m_host.reply(c, {cmRefreshScreen, session->pointer});
    });
    host.registerHandler({cmGiveControl}, int(TGiveControlMessage::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { giveControl(c, p); });
    host.registerHandler({cmTakeControl}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { takeControl(c); });
    host.registerHandler({cmRemoteInput}, int(TRemoteInputRecord::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { remoteInput(c, p); });
    host.registerMembershipHandler([this](ClientConnection& member, std::int32_t room, MemberChange change) {
        if (change != MemberChange::Left)
            return;
        const auto it = m_sessions.find(room);
        if (it == m_sessions.end())
            return;
        if (it->second.host == &member)
            end(room);
        else if (it->second.controller == member.account().UserId())
            it->second.controller = 0;
    });
    host.registerRoomStateHandler([this](const ClientConnection&, std::int32_t room,
                                         std::vector<RoomStatePacket>& state) { addState(room, state); });
}

// A running share as a newcomer gets it: the session, every current tile, the pointer.
void AppShareService::addState(std::int32_t room, std::vector<RoomStatePacket>& state) const {
    const auto it = m_sessions.find(room);
    if (it == m_sessions.end())
        return;
    const Session& session = it->second;
    const std::uint16_t host = session.host->account().UserId();
    state.push_back({host, {cmStartSharing, session.record.toByteArray()}});
    QByteArray tiles;
    for (const auto& [index, tile] : session.tiles)
        AppendScreenTile(tiles, tile.record, tile.png);
    if (!tiles.isEmpty())
        state.push_back({host, {cmScreenImage, tiles}});
    if (!session.pointer.isEmpty())
        state.push_back({host, {cmRefreshScreen, session.pointer}});
}

AppShareService::Session* AppShareService::sessionOf(const ClientConnection& member) {
    const auto room = m_host.members().roomOf(member);
    if (!room)
        return nullptr;
    const auto it = m_sessions.find(*room);
    return it == m_sessions.end() ? nullptr : &it->second;
}

AppShareService::Session* AppShareService::hostedBy(const ClientConnection& host) {
    Session* session = sessionOf(host);
    return session && session->host == &host ? session : nullptr;
}

void AppShareService::start(ClientConnection& c, const TIncomingPacket& p) {
    const auto room = m_host.members().roomOf(c);
    if (!room)
        return;
    if (m_sessions.count(*room)) {
        m_host.reply(c, {cmStartSharing, {}, ResultCode::SharingRunning});
        return;
    }
    auto reader = p.payload();
    TSharingRecord record;
    record.readFrom(reader);
    if (!m_host.rights().mayShare(c)) {
        m_host.log(QString("%1 may not share in room %2").arg(c.who()).arg(*room));
        m_host.reply(c, {cmStartSharing, {}, ResultCode::NoPermission});
        return;
    }
    if (!record.GeometryValid() || (record.Mode() != smDesktop && record.Mode() != smWindow)) {
        m_host.reply(c, {cmStartSharing, {}, ResultCode::SharingFailed});
        return;
    }
    record.SetHostId(c.account().UserId());
    Session& session = m_sessions[*room];
    session.host = &c;
    session.record = record;
    m_host.log(QString("%1 started sharing in room %2").arg(c.who()).arg(*room));
    m_host.sendToRoom(*room, c, {cmStartSharing, record.toByteArray()});
}

void AppShareService::end(std::int32_t room) {
    const auto it = m_sessions.find(room);
    if (it == m_sessions.end())
        return;
    ClientConnection& host = *it->second.host;
    m_sessions.erase(it);
    m_host.log(QString("sharing in room %1 ended").arg(room));
    m_host.sendToRoom(room, host, {cmStopSharing, {}});
}

void AppShareService::screenUpdate(ClientConnection& c, const TIncomingPacket& p) {
    Session* session = hostedBy(c);
    if (!session)
        return;
    const TSharingRecord& r = session->record;
    const std::int32_t count = r.Columns() * r.Rows();
    QByteArray relayed;
    TScreenTileWalker walker(PayloadOf(p));
    while (auto tile = walker.next()) {
        const TTileRecord& t = tile->record;
        if (t.ByteCount() <= 0 || t.Index() < 0 || t.Index() >= count ||
            !TileFitsPicture(t, r.Width(), r.Height()) || !PlausibleSize(t))
            continue;
        AppendScreenTile(relayed, t, tile->png);
        session->tiles[t.Index()] = std::move(*tile);
    }
    if (!relayed.isEmpty())
        m_host.sendToOthersInRoom(c, {cmScreenImage, relayed});
}

void AppShareService::pointer(ClientConnection& c, const TIncomingPacket& p) {
    Session* session = hostedBy(c);
    if (!session)
        return;
    auto reader = p.payload();
    const TCursorMessage message = TCursorMessage::decode(reader);
    if (message.png.isEmpty())
        return;
    session->pointer = message.encode();
    m_host.sendToOthersInRoom(c, {cmRefreshScreen, session->pointer});
}

void AppShareService::sharingState(ClientConnection& c) {
    const Session* session = sessionOf(c);
    if (!session) {
        m_host.reply(c, {cmSharingState, TSharingRecord().toByteArray()});
        return;
    }
    m_host.reply(c, {cmSharingState, session->record.toByteArray()});
    // A viewer who comes later is asked for its tiles' versions, and then sent what it lacks.
    if (session->host != &c)
        m_host.reply(c, {cmSharingNotice101, {}});
}

void AppShareService::sendTiles(ClientConnection& viewer, const Session& session,
                                const std::vector<std::int32_t>* versions) {
    const std::int32_t count = session.record.Columns() * session.record.Rows();
    // Versions of another grid count as none.
    if (versions && std::int32_t(versions->size()) != count)
        versions = nullptr;
    QByteArray stream;
    for (const auto& [index, tile] : session.tiles)
        if (!versions || (*versions)[std::size_t(index)] != tile.record.Version())
            AppendScreenTile(stream, tile.record, tile.png);
    if (!stream.isEmpty())
        m_host.reply(viewer, {cmScreenImage, stream});
}

void AppShareService::giveControl(ClientConnection& c, const TIncomingPacket& p) {
    Session* session = hostedBy(c);
    if (!session)
        return;
    auto reader = p.payload();
    const std::uint16_t target = TGiveControlMessage::decode(reader).userId;
    const auto room = m_host.members().roomOf(c);
    bool present = false;
    for (const ClientConnection* member : m_host.members().in(*room))
        present = present || (member != &c && member->account().UserId() == target);
    if (!present || target == c.account().UserId())
        return;
    if (session->controller != 0 && session->controller != target)
        m_host.sendToUser(session->controller, c, {cmTakeControl, {}});
    session->controller = target;
    m_host.sendToUser(target, c, {cmGiveControl, TGiveControlMessage{target}.encode()});
}

void AppShareService::takeControl(ClientConnection& c) {
    Session* session = hostedBy(c);
    if (!session || session->controller == 0)
        return;
    m_host.sendToUser(session->controller, c, {cmTakeControl, {}});
    session->controller = 0;
}

void AppShareService::remoteInput(ClientConnection& c, const TIncomingPacket& p) {
    const Session* session = sessionOf(c);
    if (!session || session->host == &c || session->controller == 0 ||
        session->controller != c.account().UserId())
        return;
    m_host.sendToUser(session->host->account().UserId(), c,
                      {cmRemoteInput, PayloadOf(p).first(TRemoteInputRecord::kSize).toByteArray()});
}

} // namespace orv::server
