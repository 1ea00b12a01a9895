#include "LibraryService.h"

#include "BoardContent.h"
#include "ClientConnection.h"
#include "ResourceStore.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServiceHost.h"

#include "protocol/LibraryMessages.h"

namespace orv::server {

LibraryService::LibraryService(IServiceHost& host, IBoardContent& boards) : m_host(host), m_boards(boards) {
    host.registerHandler({cmDocumentList, cmImageList, cmPresentationList}, 0,
                         [this](ClientConnection& from, const TIncomingPacket& packet) {
                             answerList(from, packet.header.Command);
                         });
    // Web links are deleted by their own service.
    host.registerHandler(
        {cmDeleteDocument, cmDeleteImage, cmDeletePresentation}, int(TResourceDeleteMessage::kSize),
        [this](ClientConnection& from, const TIncomingPacket& packet) { erase(from, packet); });
    host.registerHandler(
        {cmPushDocument, cmPushImage, cmPushPresentation}, int(TResourcePushMessage::kSize),
        [this](ClientConnection& from, const TIncomingPacket& packet) { push(from, packet); });
}

void LibraryService::answerList(ClientConnection& requester, std::uint16_t command) {
    const auto room = m_host.members().roomOf(requester);
    const auto kind = ListKindOf(command);
    if (!room || !kind)
        return;
    TResourceListMessage list;
    list.records = m_host.resources().list(*room, ListOf(*kind));
    m_host.reply(requester, {command, list.encode()});
}

void LibraryService::erase(ClientConnection& requester, const TIncomingPacket& packet) {
    const std::uint16_t command = packet.header.Command;
    const auto room = m_host.members().roomOf(requester);
    const auto kind = DeleteKindOf(command);
    if (!room || !kind)
        return;
    if (!m_host.rights().mayManageLibrary(requester)) {
        m_host.log(QString("%1: delete refused, no library rights").arg(requester.who()));
        m_host.reply(requester, {command, {}, ResultCode::NoPermission});
        return;
    }
    auto reader = packet.payload();
    const TResourceDeleteMessage request = TResourceDeleteMessage::decode(reader);
    const std::uint16_t result = m_host.resources().remove(*room, ListOf(*kind), request.record);
    m_host.log(QString("%1: delete of \"%2\" from room %3: result %4")
                   .arg(requester.who(), request.record.FileName())
                   .arg(*room)
                   .arg(result));
    m_host.reply(requester, {command, {}, result});
}

void LibraryService::push(ClientConnection& sender, const TIncomingPacket& packet) {
    const std::uint16_t command = packet.header.Command;
    const auto room = m_host.members().roomOf(sender);
    if (!room)
        return;
    auto reader = packet.payload();
    const TResourcePushMessage message = TResourcePushMessage::decode(reader);
    const QByteArray payload = message.encode();
    if (command == cmPushDocument) {
        // A document goes to the room from a moderator or the lock holder.
        if (!m_host.rights().mayLead(sender)) {
            m_host.log(QString("%1: document push refused").arg(sender.who()));
            m_host.reply(sender, {command, {}, ResultCode::NoPermission});
            return;
        }
        m_host.sendToOthersInRoom(sender, {command, payload});
        return;
    }
    // A library image or a slide goes on a public board for everybody: from the lock holder or a moderator.
    if (!m_boards.mayShowOnBoard(sender, message.board)) {
        m_host.log(
            QString("%1: code %2 for board %3 refused").arg(sender.who()).arg(command).arg(message.board));
        m_host.reply(sender, {command, {}, ResultCode::BoardDenied});
        return;
    }
    m_host.sendToOthersInRoom(sender, {command, payload});
    if (!m_boards.keep(*room, message.board, {command, sender.account().UserId(), payload}))
        m_host.log(QString("board %1 of room %2: history full, code %3 not kept")
                       .arg(message.board)
                       .arg(*room)
                       .arg(command));
}

} // namespace orv::server
