#include "ModerationService.h"

#include "ModeratorRoom.h"

#include "ClientConnection.h"
#include "ParticipantStates.h"
#include "RoomMembers.h"
#include "ServiceHost.h"

#include "protocol/ModerationMessages.h"

namespace orv::server {
namespace {

// A microphone or camera request toggles the sender's request as every client shows it.
void toggleRequest(TParticipantStatusRecord& states, std::uint8_t type) {
    if (type == RequestType::Microphone) {
        const TMicrophoneStatus mic = states.MicrophoneStatus();
        if (mic == msNone || mic == msForbidden)
            states.SetMicrophoneStatus(msRequesting);
        else if (mic == msRequesting)
            states.SetMicrophoneStatus(msNone);
    } else if (type == RequestType::Camera) {
        if (states.CameraStatus() == csNone)
            states.SetCameraStatus(csRequesting);
        else if (states.CameraStatus() == csRequesting)
            states.SetCameraStatus(csNone);
    }
}

} // namespace

ModerationService::ModerationService(IServiceHost& host, IParticipantStates& states)
    : m_host(host), m_states(states) {
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
    if (TParticipantStatusRecord* states = m_states.statesOf(*member))
        states->SetMicrophoneStatus(packet.header.Command == cmGiveMicrophone ? msGranted : msForbidden);
    m_host.sendToRoom(*room, from, {packet.header.Command, TMicrophoneRightMessage{user}.encode()});
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
    if (TParticipantStatusRecord* states = m_states.statesOf(*member);
        states && states->MicrophoneStatus() != msSpeaking)
        states->SetMicrophoneStatus(message.userType > 0 ? msGranted : msForbidden);
    m_host.sendToRoom(*room, from, {cmSetAccountType, message.encode()});
}

void ModerationService::relaySignal(ClientConnection& from, const TIncomingPacket& packet) {
    auto reader = packet.payload();
    const TSignalMessage message = TSignalMessage::decode(reader);
    const std::optional<std::int32_t> room = m_host.members().roomOf(from);
    if (!room)
        return;
    if (TParticipantStatusRecord* states = m_states.statesOf(from))
        states->SetMotions(message.value);
    m_host.sendToRoom(*room, from, {cmSignal, message.encode()});
}

void ModerationService::relayRequest(ClientConnection& from, const TIncomingPacket& packet) {
    auto reader = packet.payload();
    TRequestRecord record = TRequestRecord::decode(reader);
    // Receivers act on the sender named in the record: it names the sender, whatever the client wrote.
    record.SetFrom(from.account().UserId());
    const std::optional<std::int32_t> room = m_host.members().roomOf(from);
    if (!room)
        return;
    if (TParticipantStatusRecord* states = m_states.statesOf(from))
        toggleRequest(*states, record.Type());
    m_host.sendToRoom(*room, from, {cmRequest, record.toByteArray()});
}

void ModerationService::clearMotions(ClientConnection& from) {
    const std::optional<std::int32_t> room = ModeratorRoom(m_host, from, cmClearMotions);
    if (!room)
        return;
    for (const ClientConnection* member : m_host.members().in(*room))
        if (TParticipantStatusRecord* states = m_states.statesOf(*member)) {
            states->SetMotions(Motion::None);
            if (states->MicrophoneStatus() == msRequesting)
                states->SetMicrophoneStatus(msNone);
            if (states->CameraStatus() == csRequesting)
                states->SetCameraStatus(csNone);
        }
    m_host.sendToRoom(*room, from, {cmClearMotions, {}});
}

} // namespace orv::server
