#include "RoomRights.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "ServerConfig.h"
#include "VoiceFloor.h"

#include "protocol/ModerationMessages.h"

#include <utility>

namespace orv::server {

TParticipantStatusRecord initialStates(const TAccountRecord& account, const RoomConfig* room) {
    const bool moderator = account.IsModerator();
    TParticipantStatusRecord s;
    s.SetUserId(account.UserId());
    s.SetMicrophoneStatus(moderator ? msGranted : msForbidden);
    s.SetCameraStatus(moderator && room && room->video ? csGranted : csNone);
    s.SetBoardAllowed(moderator);
    return s;
}

RoomRights::RoomRights(const ServerConfig& config, const RoomMembers& members, const VoiceFloor& floor)
    : m_config(config), m_members(members), m_floor(floor) {}

void RoomRights::entered(ClientConnection& member, std::int32_t room) {
    TAccountRecord& account = member.account();
    const std::uint16_t user = account.UserId();
    auto [it, fresh] = m_rooms[room].members.try_emplace(user);
    Member& m = it->second;
    if (fresh) {
        m.states = initialStates(account, m_config.findRoom(room));
        m.microphone = m.moderator = account.IsModerator();
        return;
    }
    if (m.userType) { // a moderator's promotion or demotion outlives the connection
        account.SetAccountType(*m.userType);
        account.SetRoomRole(*m.userType);
    }
    m.moderator = account.IsModerator();
    // Broadcasting ended with the connection; grants, motions and the online status stay.
    m.broadcasting = false;
    refreshCamera(room, m);
}

void RoomRights::left(const ClientConnection& member, std::int32_t room) {
    if (m_members.count(room) == 0) {
        m_rooms.erase(room);
        return;
    }
    if (Member* m = find(room, member.account().UserId())) {
        m->broadcasting = false;
        refreshCamera(room, *m);
    }
    if (lockHolder(room) == member.account().UserId())
        setLockHolder(room, 0);
}

const RoomRights::Member* RoomRights::find(std::int32_t room, std::uint16_t user) const {
    const auto r = m_rooms.find(room);
    if (r == m_rooms.end())
        return nullptr;
    const auto m = r->second.members.find(user);
    return m == r->second.members.end() ? nullptr : &m->second;
}

RoomRights::Member* RoomRights::find(std::int32_t room, std::uint16_t user) {
    return const_cast<Member*>(std::as_const(*this).find(room, user));
}

const RoomRights::Member* RoomRights::find(const ClientConnection& member) const {
    const auto room = m_members.roomOf(member);
    return room ? find(*room, member.account().UserId()) : nullptr;
}

bool RoomRights::isModerator(const ClientConnection& member) const {
    return m_members.roomOf(member) && member.account().IsModerator();
}

bool RoomRights::mayUseBoards(const ClientConnection& member) const {
    const Member* m = find(member);
    return m && m->states.BoardAllowed();
}

bool RoomRights::holdsLock(const ClientConnection& member) const {
    const auto room = m_members.roomOf(member);
    return room && mayUseBoards(member) && lockHolder(*room) == member.account().UserId();
}

bool RoomRights::mayTalk(const ClientConnection& member) const {
    const Member* m = find(member);
    return m && m->microphone;
}

bool RoomRights::mayBroadcastVideo(const ClientConnection& member) const {
    const auto room = m_members.roomOf(member);
    const RoomConfig* config = room ? m_config.findRoom(*room) : nullptr;
    return config && config->video && member.account().IsModerator();
}

bool RoomRights::mayShare(const ClientConnection& member) const {
    const auto room = m_members.roomOf(member);
    const RoomConfig* config = room ? m_config.findRoom(*room) : nullptr;
    return config && config->sharing && member.account().IsModerator();
}

bool RoomRights::mayRecord(const ClientConnection& member) const {
    const auto room = m_members.roomOf(member);
    const RoomConfig* config = room ? m_config.findRoom(*room) : nullptr;
    return config && config->recorder && member.account().IsModerator();
}

bool RoomRights::mayManageLibrary(const ClientConnection& member) const {
    return m_members.roomOf(member) && member.account().CanManageLibrary();
}

bool RoomRights::mayLead(const ClientConnection& member) const {
    return isModerator(member) || holdsLock(member);
}

std::vector<TParticipantStatusRecord> RoomRights::states(std::int32_t room) const {
    std::vector<TParticipantStatusRecord> out;
    for (const ClientConnection* member : m_members.in(room))
        if (const Member* m = find(*member)) {
            out.push_back(m->states);
            if (m_floor.holds(room, member->account().UserId()))
                out.back().SetMicrophoneStatus(msSpeaking);
        }
    return out;
}

TUserOnlineStatus RoomRights::onlineStatus(const ClientConnection& member) const {
    const Member* m = find(member);
    return m ? m->online : usOnline;
}

std::uint16_t RoomRights::lockHolder(std::int32_t room) const {
    const auto r = m_rooms.find(room);
    return r == m_rooms.end() ? 0 : r->second.lockHolder;
}

// The camera shows a broadcast over the right to one.
void RoomRights::refreshCamera(std::int32_t room, Member& m) {
    const RoomConfig* config = m_config.findRoom(room);
    if (m.broadcasting)
        m.states.SetCameraStatus(csBroadcast);
    else if (m.states.CameraStatus() == csBroadcast)
        m.states.SetCameraStatus(config && config->video && m.moderator ? csGranted : csNone);
}

void RoomRights::setMicrophone(std::int32_t room, std::uint16_t user, bool granted) {
    if (Member* m = find(room, user)) {
        m->microphone = granted;
        m->states.SetMicrophoneStatus(granted ? msGranted : msForbidden);
    }
}

void RoomRights::setBoardAccess(std::int32_t room, std::uint16_t user, bool granted) {
    if (Member* m = find(room, user))
        m->states.SetBoardAllowed(granted);
}

void RoomRights::setBroadcasting(std::int32_t room, std::uint16_t user, bool broadcasting) {
    if (Member* m = find(room, user)) {
        m->broadcasting = broadcasting;
        refreshCamera(room, *m);
    }
}

void RoomRights::setMotions(std::int32_t room, std::uint16_t user, std::int32_t motions) {
    if (Member* m = find(room, user))
        m->states.SetMotions(motions);
}

void RoomRights::setOnlineStatus(std::int32_t room, std::uint16_t user, TUserOnlineStatus status) {
    if (Member* m = find(room, user))
        m->online = status;
}

void RoomRights::toggleRequest(std::int32_t room, std::uint16_t user, std::uint8_t type) {
    Member* m = find(room, user);
    if (!m)
        return;
    TParticipantStatusRecord& s = m->states;
    if (type == RequestType::Microphone) {
        const TMicrophoneStatus mic = s.MicrophoneStatus();
        if (mic == msNone || mic == msForbidden)
            s.SetMicrophoneStatus(msRequesting);
        else if (mic == msRequesting)
            s.SetMicrophoneStatus(msNone);
    } else if (type == RequestType::Camera) {
        if (s.CameraStatus() == csNone)
            s.SetCameraStatus(csRequesting);
        else if (s.CameraStatus() == csRequesting)
            s.SetCameraStatus(csNone);
    }
}

void RoomRights::clearMotions(std::int32_t room) {
    const auto r = m_rooms.find(room);
    if (r == m_rooms.end())
        return;
    for (auto& [user, m] : r->second.members) {
        m.states.SetMotions(Motion::None);
        if (m.states.MicrophoneStatus() == msRequesting)
            m.states.SetMicrophoneStatus(msNone);
        if (m.states.CameraStatus() == csRequesting)
            m.states.SetCameraStatus(csNone);
    }
}

void RoomRights::setUserType(std::int32_t room, std::uint16_t user, std::int32_t type) {
    Member* m = find(room, user);
    if (!m)
        return;
    const bool moderator = type >= 1000;
    m->userType = type;
    m->moderator = moderator;
    m->microphone = moderator;
    m->states.SetBoardAllowed(moderator);
    m->states.SetMicrophoneStatus(type > 0 ? msGranted : msForbidden);
    const RoomConfig* config = m_config.findRoom(room);
    if (!m->broadcasting)
        m->states.SetCameraStatus(moderator && config && config->video ? csGranted : csNone);
}

void RoomRights::setLockHolder(std::int32_t room, std::uint16_t user) {
    if (user == 0) {
        if (const auto r = m_rooms.find(room); r != m_rooms.end())
            r->second.lockHolder = 0;
        return;
    }
    if (find(room, user))
        m_rooms[room].lockHolder = user;
}

} // namespace orv::server
