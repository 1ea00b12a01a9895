#include "RosterService.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "ServerConfig.h"
#include "ServiceHost.h"
#include "protocol/RosterMessages.h"
#include "protocol/SessionMessages.h"
#include "protocol/Stamp.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace orv::server {
namespace {

// Whole years from the birth date an account record holds to today; 0 when it holds none.
std::int32_t AgeFromBirth(double birthStamp) {
    if (!std::isfinite(birthStamp) || birthStamp <= 0)
        return 0;
    const QDate born = localFromStamp(birthStamp).date();
    const QDate today = QDate::currentDate();
    if (!born.isValid() || born > today)
        return 0;
    std::int32_t years = today.year() - born.year();
    if (today.month() < born.month() || (today.month() == born.month() && today.day() < born.day()))
        --years;
    return years;
}

} // namespace

TParticipantRecord makeParticipantRecord(const TAccountRecord& account, std::int32_t timeZoneBias,
                                         TUserOnlineStatus status) {
    TParticipantRecord r;
    r.SetUserId(account.UserId());
    r.SetFirstName(account.FirstName());
    r.SetFullName(account.FullName());
    r.SetEmail(account.Email());
    r.SetLocation(account.City());
    r.SetUserType(account.IsModerator() ? std::max(account.AccountType(), account.RoomRole())
                                        : account.AccountType());
    r.SetGender(account.Gender());
    r.SetProfession(account.Profession());
    r.SetLanguages(account.Languages());
    r.SetAge(AgeFromBirth(account.BirthDate()));
    r.SetTimeBias(timeZoneBias);
    r.SetOnlineStatus(status);
    return r;
}

RosterService::RosterService(IServiceHost& host) : m_host(host) {
    host.registerMembershipHandler([this](ClientConnection& member, std::int32_t room, MemberChange change) {
        onMembership(member, room, change);
    });
    host.registerHandler({cmParticipantList}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { answerParticipantList(c); });
    host.registerHandler({cmParticipantStates}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { answerStates(c); });
    host.registerRoomStateHandler(
        [this](const ClientConnection&, std::int32_t room, std::vector<RoomStatePacket>& state) {
            state.push_back({0, {cmParticipantList, participants(room).encode()}});
            state.push_back(
                {0, {cmParticipantStates, TParticipantStatesReply{m_host.rights().states(room)}.encode()}});
        });
    host.registerHandler({cmOnlineStatus}, TOnlineStatusMessage::kSize,
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             onOnlineStatus(c, TOnlineStatusMessage::decode(payload).status);
                         });
    host.registerHandler({cmTimeZone}, TTimeZoneReport::kSize,
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             m_timeZoneBias[c.account().UserId()] = TTimeZoneReport::decode(payload).bias;
                         });
}

void RosterService::onMembership(ClientConnection& member, std::int32_t room, MemberChange change) {
    if (change == MemberChange::Left) {
        m_host.sendToRoom(room, member, {cmParticipantLeft, {}});
        return;
    }
    m_host.sendToOthersInRoom(member, {cmParticipantJoined, TParticipantJoined{recordOf(member)}.encode()});
}

TParticipantRecord RosterService::recordOf(const ClientConnection& member) const {
    const auto bias = m_timeZoneBias.find(member.account().UserId());
    return makeParticipantRecord(member.account(), bias == m_timeZoneBias.end() ? 0 : bias->second,
                                 m_host.rights().onlineStatus(member));
}

TParticipantListReply RosterService::participants(std::int32_t room) const {
    TParticipantListReply reply;
    for (const ClientConnection* member : m_host.members().in(room))
        reply.participants.push_back(recordOf(*member));
    return reply;
}

void RosterService::answerParticipantList(ClientConnection& requester) {
    const auto room = m_host.members().roomOf(requester);
    m_host.reply(requester,
                 {cmParticipantList, room ? participants(*room).encode() : TParticipantListReply{}.encode()});
}

void RosterService::answerStates(ClientConnection& requester) {
    TParticipantStatesReply reply;
    if (const auto room = m_host.members().roomOf(requester))
        reply.states = m_host.rights().states(*room);
    m_host.reply(requester, {cmParticipantStates, reply.encode()});
}

void RosterService::onOnlineStatus(ClientConnection& sender, TUserOnlineStatus status) {
    const auto room = m_host.members().roomOf(sender);
    if (!room || !IsKnown(status))
        return; // in no room, or a status nobody could show
    m_host.rights().setOnlineStatus(*room, sender.account().UserId(), status);
    m_host.sendToOthersInRoom(sender, {cmOnlineStatus, TOnlineStatusMessage{status}.encode()});
}

} // namespace orv::server
