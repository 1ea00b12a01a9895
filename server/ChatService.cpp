#include "ChatService.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServiceHost.h"

namespace orv::server {

ChatService::ChatService(IServiceHost& host) : m_host(host) {
    host.registerHandler({cmChat, cmPrivateChat}, IServiceHost::kAnySize,
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             onMessage(c, p.header.Command,
                                       TChatMessage::decode(payload, TChatTextForm::Wide));
                         });
    host.registerHandler({cmClearNotes}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { clearNotes(c); });
    host.registerHandler({cmChatPermissions}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { answerLevel(c); });
    host.registerHandler({cmSetChatPermissions}, TChatPermissionMessage::kSize,
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             setLevel(c, TChatPermissionMessage::decode(payload).level);
                         });
}

std::int32_t ChatService::levelOf(std::int32_t room) const {
    const auto it = m_levels.find(room);
    return it == m_levels.end() ? cpAllowAll : it->second;
}

bool ChatService::mayChat(const ClientConnection& sender, std::int32_t room, TChatKind kind) const {
    if (m_host.rights().isModerator(sender))
        return true;
    switch (levelOf(room)) {
    case cpDenyAll:
        return false;
    case cpPublicOnly:
        return kind != ckPrivate;
    default:
        return true;
    }
}

void ChatService::onMessage(ClientConnection& sender, std::uint16_t command, TChatMessage message) {
    const auto room = m_host.members().roomOf(sender);
    const TChatKind kind = message.record.Kind();
    // Notes go as cmChat, messages with the command of their kind; anything else, or from outside a room, is
    // dropped.
    const bool fits = command == cmPrivateChat ? kind == ckPrivate : kind == ckPublic || kind == ckNote;
    if (!room || !fits || message.record.TextSize() == 0)
        return;
    if (kind != ckNote && !mayChat(sender, *room, kind)) {
        m_host.log(QString("%1: chat message refused by the room's permission level %2")
                       .arg(sender.who())
                       .arg(levelOf(*room)));
        return;
    }
    // Receivers learn the sender from the record: it names the connection's own user and room.
    message.record.SetFrom(sender.account().UserId());
    message.record.SetRoom(std::uint16_t(*room));
    if (kind == ckPublic)
        relayPublic(sender, *room, message);
    else if (kind == ckPrivate)
        relayToAddressee(sender, *room, cmPrivateChat, message, true);
    else if (message.record.To() == 0)
        m_host.sendToOthersInRoom(sender, {cmChat, message.encode()});
    else
        relayToAddressee(sender, *room, cmChat, message, false);
}

void ChatService::relayPublic(ClientConnection& sender, std::int32_t room, const TChatMessage& message) {
    m_host.sendToRoom(room, sender, {cmChat, message.encode()});
}

void ChatService::relayToAddressee(ClientConnection& sender, std::int32_t room, std::uint16_t command,
                                   const TChatMessage& message, bool echo) {
    const std::uint16_t to = message.record.To();
    bool present = false;
    for (const ClientConnection* member : m_host.members().in(room))
        present = present || (member->account().UserId() == to && member != &sender);
    if (!present)
        return; // only to someone in the same room
    const QByteArray payload = message.encode();
    m_host.sendToUser(to, sender, {command, payload});
    if (echo)
        m_host.reply(sender, {command, payload});
}

void ChatService::clearNotes(ClientConnection& sender) {
    const auto room = m_host.members().roomOf(sender);
    if (!room)
        return;
    if (!m_host.rights().isModerator(sender)) {
        m_host.reply(sender, {cmClearNotes, {}, ResultCode::NoPermission});
        return;
    }
    // Everybody in the room empties the list, the moderator who asked included.
    m_host.sendToRoom(*room, sender, {cmClearNotes, {}});
}

void ChatService::answerLevel(ClientConnection& requester) {
    const auto room = m_host.members().roomOf(requester);
    m_host.reply(requester,
                 {cmChatPermissions, TChatPermissionMessage{room ? levelOf(*room) : cpAllowAll}.encode()});
}

void ChatService::setLevel(ClientConnection& sender, std::int32_t level) {
    const auto room = m_host.members().roomOf(sender);
    if (!room)
        return;
    const QByteArray current = TChatPermissionMessage{levelOf(*room)}.encode();
    if (!m_host.rights().isModerator(sender)) {
        m_host.reply(sender, {cmSetChatPermissions, current, ResultCode::NoPermission});
        return;
    }
    if (!IsKnown(TChatPermission(level))) {
        m_host.reply(sender, {cmSetChatPermissions, current, ResultCode::InvalidParameter});
        return;
    }
    m_levels[*room] = level;
    m_host.log(
        QString("%1 set the chat permission level of room %2 to %3").arg(sender.who()).arg(*room).arg(level));
    m_host.sendToRoom(*room, sender, {cmSetChatPermissions, TChatPermissionMessage{level}.encode()});
}

} // namespace orv::server
