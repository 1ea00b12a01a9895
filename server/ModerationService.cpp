#include "ModerationService.h"

#include "ModeratorRoom.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServiceHost.h"
#include "VoiceFloor.h"

#include "protocol/ModerationMessages.h"

namespace orv::server {
namespace {

// The text of the request menu's items, which the client sends empty.
QString RequestText(std::uint8_t type) {
    switch (type) {
    case RequestType::Speak:
        return QStringLiteral("I want to speak...");
    case RequestType::UseBoard:
        return QStringLiteral("I want to use the board...");
    case RequestType::Repeat:
        return QStringLiteral("Can you repeat this again ?");
    case RequestType::AnotherThing:
        return QStringLiteral("Another thing...");
    default:
        return {};
    }
}

} // namespace

ModerationService::ModerationService(IServiceHost& host) : m_host(host) {
    host.registerHandler({cmGiveMicrophone, cmBanMicrophone}, int(TMicrophoneRightMessage::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { setMicrophone(c, p); });
    host.registerHandler({cmRemoveParticipant}, int(TRemovalMessage::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { remove(c, p); });
    host.registerHandler({cmSetAccountType}, int(TAccountTypeMessage::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { setAccountType(c, p); });
    host.registerHandler({cmSignal}, int(TSignalMessage::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { relaySignal(c, p); });
    host.registerHandler({cmRequest}, int(TRequestRecord::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) { relayRequest(c, p); });
    host.registerHandler({cmClearMotions}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { clearMotions(c); });
}

ClientConnection* ModerationService::memberOf(std::int32_t room, std::uint16_t userId) const {
    for (ClientConnection* member : m_host.members().in(room))
        if (member->account().UserId() == userId)
            return member;
    return nullptr;
}

void ModerationService::setMicrophone(ClientConnection& from, const TIncomingPacket& packet) {
    auto reader = packet.payload();
    const std::uint16_t user = TMicrophoneRightMessage::decode(reader).userId;
    const std::optional<std::int32_t> room = ModeratorRoom(m_host, from, packet.header.Command);
    ClientConnection* member = room ? memberOf(*room, user) : nullptr;
    if (!member)
        return;
    const bool granted = packet.header.Command == cmGiveMicrophone;
    m_host.rights().setMicrophone(*room, user, granted);
    m_host.sendToRoom(*room, from, {packet.header.Command, TMicrophoneRightMessage{user}.encode()});
    if (!granted)
        endSpeaking(*room, *member);
}

void ModerationService::endSpeaking(std::int32_t room, ClientConnection& member) {
    if (m_host.voiceFloor().release(room, member.account().UserId()))
        m_host.sendToRoom(room, member, {cmReleaseMicrophone, {}});
}

void ModerationService::remove(ClientConnection& from, const TIncomingPacket& packet) {
    auto reader = packet.payload();
    const TRemovalMessage message = TRemovalMessage::decode(reader);
    const std::optional<std::int32_t> room = ModeratorRoom(m_host, from, packet.header.Command);
    if (!room || !memberOf(*room, message.userId) || message.userId == from.account().UserId())
        return;
    m_host.log(QString("%1 removes user %2").arg(from.who()).arg(message.userId));
    m_host.sendToUser(message.userId, from, {cmRemoveParticipant, message.encode()});
    // Sending may have dropped the connection already: look it up again before closing it.
    if (ClientConnection* removed = memberOf(*room, message.userId))
        removed->closeAfterFlush(QStringLiteral("removed by a moderator"));
}

void ModerationService::setAccountType(ClientConnection& from, const TIncomingPacket& packet) {
    auto reader = packet.payload();
    const TAccountTypeMessage message = TAccountTypeMessage::decode(reader);
    const std::optional<std::int32_t> room = ModeratorRoom(m_host, from, packet.header.Command);
    if (!room || message.userId < 0 || message.userId > 0xFFFF)
        return;
    ClientConnection* member = memberOf(*room, std::uint16_t(message.userId));
    if (!member)
        return;
    // Both roles: either one at 1000 or more makes a moderator.
    member->account().SetAccountType(message.userType);
    member->account().SetRoomRole(message.userType);
    m_host.rights().setUserType(*room, member->account().UserId(), message.userType);
    m_host.sendToRoom(*room, from, {cmSetAccountType, message.encode()});
    if (m_host.rights().mayTalk(*member))
        return;
    // A demoted member keeps neither the microphone nor the board lock.
    endSpeaking(*room, *member);
    if (m_host.rights().lockHolder(*room) == member->account().UserId()) {
        m_host.rights().setLockHolder(*room, 0);
        m_host.sendToRoom(*room, *member, {cmUnlockBoard, {}});
    }
}

void ModerationService::relaySignal(ClientConnection& from, const TIncomingPacket& packet) {
    auto reader = packet.payload();
    const TSignalMessage message = TSignalMessage::decode(reader);
    const std::optional<std::int32_t> room = m_host.members().roomOf(from);
    if (!room)
        return;
    m_host.rights().setMotions(*room, from.account().UserId(), message.value);
    m_host.sendToRoom(*room, from, {cmSignal, message.encode()});
}

void ModerationService::relayRequest(ClientConnection& from, const TIncomingPacket& packet) {
    auto reader = packet.payload();
    TRequestRecord record = TRequestRecord::decode(reader);
    // Receivers act on the sender named in the record: it names the sender, whatever the client wrote.
    record.SetFrom(from.account().UserId());
    if (record.Text().isEmpty())
        record.SetText(RequestText(record.Type()));
    const std::optional<std::int32_t> room = m_host.members().roomOf(from);
    if (!room)
        return;
    m_host.rights().toggleRequest(*room, from.account().UserId(), record.Type());
    const QByteArray payload = record.toByteArray();
    for (const ClientConnection* member : m_host.members().in(*room))
        if (member != &from && m_host.rights().isModerator(*member))
            m_host.sendToUser(member->account().UserId(), from, {cmRequest, payload});
}

void ModerationService::clearMotions(ClientConnection& from) {
    const std::optional<std::int32_t> room = ModeratorRoom(m_host, from, cmClearMotions);
    if (!room)
        return;
    m_host.rights().clearMotions(*room);
    m_host.sendToRoom(*room, from, {cmClearMotions, {}});
}

} // namespace orv::server
