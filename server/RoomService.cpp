#include "RoomService.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServiceHost.h"
#include "VoiceFloor.h"
#include "protocol/ResultCodes.h"
#include "protocol/RoomMessages.h"

namespace orv::server {

TRoomListEntry makeRoomListEntry(const RoomConfig& room) {
    TRoomListEntry e;
    e.SetNumber(room.number);
    e.SetName(room.name);
    e.SetPrivate(room.isPrivate);
    e.SetState(room.state);
    return e;
}

TRoomRecord makeRoomRecord(const RoomConfig& room) {
    TRoomRecord r;
    r.SetNumber(room.number);
    r.SetName(room.name);
    r.SetBoardHolder(0);
    r.SetRecorderFlag(room.recorder);
    r.SetSharingFlag(room.sharing);
    r.SetWelcomePage(room.welcomeUrl);
    r.SetVideoFlag(room.video);
    r.SetAudioCodec(room.codec);
    r.SetMicrophoneCount(room.microphones);
    r.SetAudioQueueSize(room.audioQueueSize);
    return r;
}

RoomService::RoomService(IServiceHost& host) : m_host(host) {
    host.registerHandler({cmRoomList}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { answerRoomList(c); });
    host.registerHandler({cmEnterRoom}, TEnterRoomRequest::kSize,
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             answerEnterRoom(c, TEnterRoomRequest::decode(payload).room);
                         });
    // A room's state opens with the reply that resets it.
    host.registerRoomStateHandler(
        [this](const ClientConnection& viewer, std::int32_t number, std::vector<RoomStatePacket>& state) {
            if (const RoomConfig* room = m_host.config().findRoom(number))
                state.push_back({0, {cmEnterRoom, entryReply(*room, viewer.account()).encode()}});
        });
}

void RoomService::answerRoomList(ClientConnection& client) {
    TRoomListReply reply;
    for (const auto& [number, room] : m_host.config().rooms)
        reply.entries.push_back(makeRoomListEntry(room));
    m_host.reply(client, {cmRoomList, reply.encode()});
}

std::uint16_t RoomService::admission(const ClientConnection& client, const RoomConfig* room) const {
    if (!room)
        return ResultCode::InvalidRoom;
    switch (room->state) {
    case RoomState::Disabled:
        return ResultCode::StillUnavailable;
    case RoomState::Unavailable:
        return ResultCode::TemporarilyUnavailable;
    case RoomState::Expired:
        return ResultCode::RoomExpired;
    default:
        break;
    }
    const TAccountRecord& account = client.account();
    if (room->isPrivate && !account.IsModerator() &&
        !room->members.contains(account.UserName(), Qt::CaseInsensitive))
        return ResultCode::NotPermitted;
    const RoomMembers& members = m_host.members();
    const bool alreadyInside = members.roomOf(client) == room->number;
    if (room->capacity > 0 && !alreadyInside && members.count(room->number) >= std::size_t(room->capacity))
        return ResultCode::RoomFull;
    return ResultCode::Success;
}

TRoomEntryReply RoomService::entryReply(const RoomConfig& room, const TAccountRecord& account) const {
    TRoomEntryReply reply;
    reply.ports.SetVoicePort(m_host.config().voicePort);
    reply.ports.SetBulkPort(m_host.config().bulkPort);
    reply.room = makeRoomRecord(room);
    // Moderators may have changed the room's voice settings since the server started.
    const VoiceFloor& voice = m_host.voiceFloor();
    if (const auto codec = voice.codec(room.number))
        reply.room.SetAudioCodec(*codec);
    if (const auto microphones = voice.microphones(room.number))
        reply.room.SetMicrophoneCount(*microphones);
    // The client resets its room state on this reply and takes the lock holder from it.
    reply.room.SetBoardHolder(m_host.rights().lockHolder(room.number));
    reply.account = account;
    return reply;
}

void RoomService::answerEnterRoom(ClientConnection& client, std::int32_t number) {
    const RoomConfig* room = m_host.config().findRoom(number);
    const std::uint16_t code = admission(client, room);
    if (code != ResultCode::Success) {
        m_host.log(QString("%1 refused room %2 with code %3").arg(client.who()).arg(number).arg(code));
        m_host.reply(client, {cmEnterRoom, {}, code});
        return;
    }
    m_host.enterRoom(client, number);
    m_host.log(QString("%1 entered room %2 \"%3\"").arg(client.who()).arg(number).arg(room->name));
    const TRoomEntryReply reply = entryReply(*room, client.account());
    m_host.reply(client, {cmEnterRoom, reply.encode()});
}

} // namespace orv::server
