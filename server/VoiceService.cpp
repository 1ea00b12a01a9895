#include "VoiceService.h"

#include "ModeratorRoom.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServerConfig.h"
#include "VoiceFloor.h"

#include "protocol/AudioControlMessages.h"

#include <algorithm>

namespace orv::server {

VoiceService::VoiceService(IServiceHost& host, const IRoomRecording& recording)
    : m_host(host), m_recording(recording) {
    host.registerHandler({cmTakeMicrophone}, 0,
                         [this](ClientConnection& from, const TIncomingPacket&) { take(from); });
    host.registerHandler({cmReleaseMicrophone}, 0,
                         [this](ClientConnection& from, const TIncomingPacket&) { release(from); });
    host.registerHandler({cmSetAudioCodec}, int(TRoomVoiceValue::kSize),
                         [this](ClientConnection& from, const TIncomingPacket& p) { setCodec(from, p); });
    host.registerHandler({cmSetMicrophoneCount}, int(TRoomVoiceValue::kSize),
                         [this](ClientConnection& from, const TIncomingPacket& p) { setTalkers(from, p); });
    host.registerHandler(
        {cmRemoteAudio}, int(TRemoteAudioRecord::kSize),
        [this](ClientConnection& from, const TIncomingPacket& p) { relayRemoteAudio(from, p); });
    host.registerMembershipHandler([this](ClientConnection& member, std::int32_t room, MemberChange change) {
        if (change == MemberChange::Left && m_host.voiceFloor().release(room, member.account().UserId()))
            m_host.sendToRoom(room, member, {cmReleaseMicrophone, {}});
    });
}

int VoiceService::microphones(std::int32_t room) const {
    const auto& rooms = m_host.config().rooms;
    const auto it = rooms.find(room);
    const int configured = it == rooms.end() ? 1 : it->second.microphones;
    return std::clamp(m_host.voiceFloor().microphones(room).value_or(configured), 1, 5);
}

void VoiceService::setCodec(ClientConnection& from, const TIncomingPacket& packet) {
    const std::optional<std::int32_t> room = ModeratorRoom(m_host, from, cmSetAudioCodec);
    if (!room)
        return;
    auto reader = packet.payload();
    const std::int32_t codec = TRoomVoiceValue::decode(reader).value;
    if (codec < 0 || codec > 7) {
        m_host.reply(from, {cmSetAudioCodec, {}, ResultCode::InvalidParameter});
        return;
    }
    if (m_recording.isRecording(*room)) {
        m_host.reply(from, {cmSetAudioCodec, {}, ResultCode::RecordingRunning});
        return;
    }
    m_host.voiceFloor().setCodec(*room, codec);
    m_host.sendToRoom(*room, from, {cmSetAudioCodec, TRoomVoiceValue{codec}.encode()});
}

void VoiceService::setTalkers(ClientConnection& from, const TIncomingPacket& packet) {
    const std::optional<std::int32_t> room = ModeratorRoom(m_host, from, cmSetMicrophoneCount);
    if (!room)
        return;
    auto reader = packet.payload();
    const std::int32_t count = std::clamp(TRoomVoiceValue::decode(reader).value, 1, 5);
    m_host.voiceFloor().setMicrophones(*room, count);
    m_host.sendToRoom(*room, from, {cmSetMicrophoneCount, TRoomVoiceValue{count}.encode()});
}

void VoiceService::relayRemoteAudio(ClientConnection& from, const TIncomingPacket& packet) {
    const std::optional<std::int32_t> room = m_host.members().roomOf(from);
    if (!room)
        return;
    auto reader = packet.payload();
    const TRemoteAudioRecord record = TRemoteAudioRecord::decode(reader);
    const std::uint16_t sender = from.account().UserId();
    // A moderator's request goes to its subject, the subject's answer to the moderator; both in one room.
    std::uint16_t to = 0;
    if (record.Requester() == sender && m_host.rights().isModerator(from))
        to = record.Subject();
    else if (record.Subject() == sender)
        to = record.Requester();
    if (to == 0 || to == sender)
        return;
    for (ClientConnection* member : m_host.members().in(*room))
        if (member->account().UserId() == to) {
            m_host.sendToUser(to, from, {cmRemoteAudio, record.encode()});
            return;
        }
}

void VoiceService::take(ClientConnection& from) {
    const auto room = m_host.members().roomOf(from);
    if (!room)
        return;
    const std::uint16_t user = from.account().UserId();
    if (!m_host.rights().mayTalk(from)) {
        m_host.log(QString("%1 may not take a microphone").arg(from.who()));
        m_host.reply(from, {cmTakeMicrophone, {}, ResultCode::MicrophoneDenied});
        return;
    }
    if (m_host.voiceFloor().take(*room, user, microphones(*room)))
        m_host.sendToRoom(*room, from, {cmTakeMicrophone, {}});
    else
        m_host.reply(from, {cmTakeMicrophone, {}, ResultCode::NoFreeMicrophone});
}

void VoiceService::release(ClientConnection& from) {
    const auto room = m_host.members().roomOf(from);
    if (room && m_host.voiceFloor().release(*room, from.account().UserId()))
        m_host.sendToRoom(*room, from, {cmReleaseMicrophone, {}});
    else
        m_host.reply(from, {cmReleaseMicrophone, {}}); // not talking: only the asker hears of it
}

} // namespace orv::server
