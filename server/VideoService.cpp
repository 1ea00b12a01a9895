#include "VideoService.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServerConfig.h"

namespace orv::server {
namespace {

constexpr std::uint16_t kVideoNotAllowed = 49;

} // namespace

VideoService::VideoService(IServiceHost& host) : m_host(host) {
    m_relay.setTls(host.config().tls);
    m_relay.listen(QHostAddress(host.config().listenAddress), host.config().videoPort);
    host.registerHandler({cmVideoPort}, 0, [this](ClientConnection& c, const TIncomingPacket&) {
        if (m_relay.port() == 0)
            m_host.reply(c, {cmVideoPort, {}, ResultCode::OperationFailed});
        else
            m_host.reply(c, {cmVideoPort, TVideoPortReply{m_relay.port(), 0}.encode()});
    });
    host.registerMembershipHandler([this](ClientConnection& member, std::int32_t, MemberChange change) {
        const std::uint16_t user = member.account().UserId();
        if (change == MemberChange::Entered) {
            m_members[user] = &member;
            return;
        }
        const auto it = m_members.find(user);
        if (it == m_members.end() || it->second != &member)
            return;
        m_relay.endBroadcast(user); // told to the room while the member can still be named
        m_members.erase(it);
    });
}

VideoService::~VideoService() = default;

std::uint16_t VideoService::admit(const TVideoJoin& join) const {
    const auto it = m_members.find(join.UserId());
    if (it == m_members.end())
        return ResultCode::NotPermitted;
    const ClientConnection& member = *it->second;
    const auto room = m_host.members().roomOf(member);
    const TAccountRecord& account = member.account();
    if (!room || std::uint16_t(*room) != join.room || account.Password() != join.signOn.Password() ||
        account.UserName().compare(join.signOn.UserName(), Qt::CaseInsensitive) != 0)
        return ResultCode::NotPermitted;
    if (join.mode == TVideoJoin::Broadcaster) {
        if (!m_host.rights().mayBroadcastVideo(member))
            return kVideoNotAllowed;
    }
    return ResultCode::Success;
}

void VideoService::broadcastChanged(std::uint16_t user, bool started) {
    const auto it = m_members.find(user);
    if (it == m_members.end())
        return;
    const auto room = m_host.members().roomOf(*it->second);
    if (room) {
        m_host.rights().setBroadcasting(*room, user, started);
        m_host.sendToRoom(*room, *it->second, {started ? cmVideoStarted : cmVideoStopped, {}});
    }
    m_host.log(QString("user %1 %2 broadcasting video").arg(user).arg(started ? "started" : "stopped"));
}

} // namespace orv::server
