#include "PollService.h"

#include "ClientConnection.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServiceHost.h"

#include "protocol/PollMessages.h"

namespace orv::server {

PollService::PollService(IServiceHost& host) : m_host(host) {
    host.registerHandler({cmPoll}, int(TPollRecord::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             relayPoll(c, TPollRecord::decode(payload));
                         });
    host.registerHandler({cmPollAnswer}, int(TPollAnswerMessage::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             const TPollAnswerMessage answer = TPollAnswerMessage::decode(payload);
                             relayToMember(c, answer.pollSender, cmPollAnswer, answer.encode());
                         });
    host.registerHandler({cmAcknowledge}, int(TAcknowledgeMessage::kSize),
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             const TAcknowledgeMessage ack = TAcknowledgeMessage::decode(payload);
                             relayToMember(c, ack.acknowledged, cmAcknowledge, ack.encode());
                         });
}

void PollService::relayPoll(ClientConnection& sender, TPollRecord record) {
    if (!m_host.members().roomOf(sender))
        return;
    if (!m_host.rights().isModerator(sender)) {
        m_host.log(QString("%1: poll refused, not a moderator").arg(sender.who()));
        return;
    }
    // Receivers answer to the sender the record names: it is the connection's own user.
    record.SetFromId(sender.account().UserId());
    if (record.ToId() == 0)
        m_host.sendToOthersInRoom(sender, {cmPoll, record.encode()});
    else
        relayToMember(sender, record.ToId(), cmPoll, record.encode());
}

bool PollService::relayToMember(ClientConnection& sender, std::uint16_t userId, std::uint16_t command,
                                const QByteArray& payload) {
    const auto room = m_host.members().roomOf(sender);
    if (!room)
        return false;
    for (const ClientConnection* member : m_host.members().in(*room))
        if (member->account().UserId() == userId)
            return m_host.sendToUser(userId, sender, {command, payload});
    m_host.log(QString("%1: code %2 for user %3, who is not in the room")
                   .arg(sender.who())
                   .arg(command)
                   .arg(userId));
    return false;
}

} // namespace orv::server
