#include "RoomService.h"

#include "ClientConnection.h"
#include "SessionServer.h"
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

RoomService::RoomService(SessionServer& server) : m_server(server) {
    server.registerHandler({cmRoomList}, 0,
                           [this](ClientConnection& c, const TIncomingPacket&) { answerRoomList(c); });
    server.registerHandler({cmEnterRoom}, 4, [this](ClientConnection& c, const TIncomingPacket& p) {
        auto payload = p.payload();
        answerEnterRoom(c, TEnterRoomRequest::decode(payload).room);
    });
}

void RoomService::answerRoomList(ClientConnection& client) {
    TRoomListReply reply;
    for (const auto& [number, room] : m_server.config().rooms)
        reply.entries.push_back(makeRoomListEntry(room));
    client.sendPacket(cmRoomList, reply.encode());
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
    const bool alreadyInside = client.inRoom() && client.room() == room->number;
    if (room->capacity > 0 && !alreadyInside &&
        m_server.inRoomCount(room->number) >= std::size_t(room->capacity))
        return ResultCode::RoomFull;
    return 0;
}

void RoomService::answerEnterRoom(ClientConnection& client, std::int32_t number) {
    const RoomConfig* room = m_server.config().findRoom(number);
    const std::uint16_t code = admission(client, room);
    if (code != 0) {
        m_server.log(QString("%1 refused room %2 with code %3").arg(client.who()).arg(number).arg(code));
        client.sendPacket(cmEnterRoom, {}, code);
        return;
    }
    client.setRoom(number);
    m_server.log(QString("%1 entered room %2 \"%3\"").arg(client.who()).arg(number).arg(room->name));
    TRoomEntryReply reply;
    reply.ports.SetVoicePort(m_server.config().voicePort);
    reply.ports.SetBulkPort(m_server.config().bulkPort);
    reply.room = makeRoomRecord(*room);
    reply.account = client.account();
    client.sendPacket(cmEnterRoom, reply.encode());
}

} // namespace orv::server
