#include "BoardService.h"

#include "ClientConnection.h"
#include "ResourceStore.h"
#include "RoomMembers.h"
#include "ServiceHost.h"

#include "protocol/BoardSharingMessages.h"
#include "protocol/Constants.h"

#include <QFile>

#include <algorithm>

namespace orv::server {

namespace {

// A batch another participant can draw: records, all of them on the public board the packet names.
// The private board is never shared, and a record on another board would reach boards whose history
// does not hold it.
bool IsSharedBatch(const TBoardDrawingBatch& batch) {
    return IsPublicBoard(batch.board) && !batch.items.empty() &&
           std::all_of(batch.items.begin(), batch.items.end(),
                       [&](const TBBItem& item) { return item.Board() == batch.board; });
}

std::uint16_t UserOf(const ClientConnection& client) {
    return client.account().UserId();
}

bool IsModerator(const ClientConnection& client) {
    return client.account().IsModerator();
}

} // namespace

BoardService::BoardService(IServiceHost& host) : m_host(host) {
    host.registerHandler({cmBoardDrawing}, IServiceHost::kAnySize,
                         [this](ClientConnection& from, const TIncomingPacket& packet) {
                             auto reader = packet.payload();
                             relay(from, TBoardDrawingBatch::decode(reader));
                         });
    host.registerHandler({cmLockBoard}, 0,
                         [this](ClientConnection& from, const TIncomingPacket&) { lock(from); });
    host.registerHandler({cmUnlockBoard}, 0,
                         [this](ClientConnection& from, const TIncomingPacket&) { unlock(from); });
    host.registerHandler(
        {cmGiveBoard, cmBanBoard}, int(TBoardAccessMessage::kSize),
        [this](ClientConnection& from, const TIncomingPacket& packet) { access(from, packet); });
    host.registerHandler(
        {cmPointer, cmBoardImage, cmBoardText, cmClearBoard}, IServiceHost::kAnySize,
        [this](ClientConnection& from, const TIncomingPacket& packet) { share(from, packet); });
    host.registerHandler(
        {cmShowBoard, cmShowBoardHolder}, int(TBoardIndexMessage::kSize),
        [this](ClientConnection& from, const TIncomingPacket& packet) { showBoard(from, packet); });
    host.registerHandler({cmLoadBoard}, int(TBoardIndexMessage::kSize),
                         [this](ClientConnection& from, const TIncomingPacket& packet) {
                             const auto room = m_host.members().roomOf(from);
                             if (!room)
                                 return;
                             auto reader = packet.payload();
                             const std::int32_t board = TBoardIndexMessage::decode(reader).board;
                             m_host.reply(from, {cmLoadBoard, m_history.serve(*room, board)});
                         });
    host.registerHandler(
        {cmShowSlide, cmShowLibraryImage}, IServiceHost::kAnySize,
        [this](ClientConnection& from, const TIncomingPacket& packet) { showPicture(from, packet); });
    host.registerMembershipHandler([this](ClientConnection& member, std::int32_t room, MemberChange change) {
        if (change == MemberChange::Left)
            left(member, room);
        else
            entered(member, room);
    });
}

std::uint16_t BoardService::lockHolder(std::int32_t room) const {
    const auto found = m_rooms.find(room);
    return found == m_rooms.end() ? 0 : found->second.lockHolder;
}

bool BoardService::mayShowOnBoard(const ClientConnection& member, std::int32_t board) {
    const RoomBoards* room = roomOf(member);
    return room && IsPublicBoard(board) && (room->lockHolder == UserOf(member) || IsModerator(member));
}

bool BoardService::keep(std::int32_t room, std::int32_t board, BoardHistoryEntry entry) {
    return m_history.append(room, board, std::move(entry));
}

BoardService::RoomBoards* BoardService::roomOf(const ClientConnection& client) {
    const auto room = m_host.members().roomOf(client);
    return room ? &m_rooms[*room] : nullptr;
}

bool BoardService::hasAccess(const ClientConnection& client, const RoomBoards& room) const {
    return IsModerator(client) || room.access.contains(UserOf(client));
}

void BoardService::relay(ClientConnection& from, const TBoardDrawingBatch& batch) {
    const auto room = m_host.members().roomOf(from);
    if (!room)
        return;
    if (!IsSharedBatch(batch)) {
        m_host.log(QString("%1 drawing batch for board %2 not shared").arg(from.who()).arg(batch.board));
        return;
    }
    m_host.sendToOthersInRoom(from, {cmBoardDrawing, batch.encode()});
    if (!m_history.append(*room, UserOf(from), batch))
        m_host.log(QString("board %1 of room %2: history full, batch not kept").arg(batch.board).arg(*room));
}

void BoardService::lock(ClientConnection& from) {
    RoomBoards* room = roomOf(from);
    if (!room)
        return;
    const std::uint16_t user = UserOf(from);
    // A moderator may take the lock from a participant; nobody else takes it from its holder.
    const bool free = room->lockHolder == 0 || room->lockHolder == user || IsModerator(from);
    if (!hasAccess(from, *room) || !free) {
        m_host.reply(from, {cmLockBoard, {}, ResultCode::NotPermitted});
        return;
    }
    room->lockHolder = user;
    m_host.sendToRoom(*m_host.members().roomOf(from), from, {cmLockBoard, {}});
}

void BoardService::unlock(ClientConnection& from) {
    RoomBoards* room = roomOf(from);
    if (room && room->lockHolder == UserOf(from))
        release(*m_host.members().roomOf(from), from);
}

void BoardService::release(std::int32_t room, const ClientConnection& holder) {
    m_rooms[room].lockHolder = 0;
    m_host.sendToRoom(room, holder, {cmUnlockBoard, {}});
}

void BoardService::access(ClientConnection& from, const TIncomingPacket& packet) {
    RoomBoards* room = roomOf(from);
    if (!room)
        return;
    auto reader = packet.payload();
    const std::uint16_t user = TBoardAccessMessage::decode(reader).userId;
    if (!IsModerator(from)) {
        m_host.log(QString("%1 may not change board access").arg(from.who()));
        m_host.reply(from, {packet.header.Command, {}, ResultCode::NoPermission});
        return;
    }
    const std::int32_t number = *m_host.members().roomOf(from);
    const bool granted = packet.header.Command == cmGiveBoard;
    if (granted)
        room->access.insert(user);
    else
        room->access.erase(user);
    m_host.sendToRoom(number, from, {packet.header.Command, TBoardAccessMessage{user}.encode()});
    if (!granted && room->lockHolder == user)
        release(number, from);
}

void BoardService::share(ClientConnection& from, const TIncomingPacket& packet) {
    RoomBoards* room = roomOf(from);
    if (!room)
        return;
    const std::int32_t number = *m_host.members().roomOf(from);
    const std::uint16_t command = packet.header.Command;
    auto reader = packet.payload();
    std::int32_t board = 0;
    QByteArray payload;
    switch (command) {
    case cmPointer: {
        const TPointerMessage m = TPointerMessage::decode(reader);
        board = m.board;
        payload = m.encode();
        break;
    }
    case cmBoardImage: {
        const TBoardImageMessage m = TBoardImageMessage::decode(reader);
        board = m.board;
        payload = m.encode();
        break;
    }
    case cmBoardText: {
        const TBoardTextMessage m = TBoardTextMessage::decode(reader);
        board = m.board;
        payload = m.encode();
        break;
    }
    case cmClearBoard:
        board = TBoardIndexMessage::decode(reader).board;
        payload = TBoardIndexMessage{board}.encode();
        if (room->lockHolder != UserOf(from) && !IsModerator(from)) {
            m_host.log(QString("%1 may not clear board %2 without the lock").arg(from.who()).arg(board));
            return;
        }
        break;
    default:
        return;
    }
    if (!IsPublicBoard(board)) {
        m_host.log(QString("%1 code %2 for board %3 not shared").arg(from.who()).arg(command).arg(board));
        return;
    }
    m_host.sendToOthersInRoom(from, {command, payload});
    if (command == cmClearBoard)
        m_history.restart(number, board);
    else if (command != cmPointer && !m_history.append(number, board, {command, UserOf(from), payload}))
        m_host.log(QString("board %1 of room %2: history full, code %3 not kept")
                       .arg(board)
                       .arg(number)
                       .arg(command));
}

void BoardService::showBoard(ClientConnection& from, const TIncomingPacket& packet) {
    RoomBoards* room = roomOf(from);
    if (!room)
        return;
    auto reader = packet.payload();
    const std::int32_t board = TBoardIndexMessage::decode(reader).board;
    if (packet.header.Command == cmShowBoardHolder && room->lockHolder == UserOf(from) &&
        IsPublicBoard(board)) {
        room->board = board;
        m_host.sendToRoom(*m_host.members().roomOf(from), from,
                          {cmShowBoardHolder, TBoardIndexMessage{board}.encode()});
        return;
    }
    // Anybody else asks where the room's boards are: the lock holder's board, else where the asker is.
    const std::int32_t shown = room->board != 0 ? room->board : (IsBoardIndex(board) ? board : 1);
    m_host.reply(from, {cmShowBoard, TBoardIndexMessage{shown}.encode()});
}

void BoardService::showPicture(ClientConnection& from, const TIncomingPacket& packet) {
    RoomBoards* room = roomOf(from);
    if (!room)
        return;
    const std::int32_t number = *m_host.members().roomOf(from);
    const std::uint16_t command = packet.header.Command;
    auto reader = packet.payload();
    TBoardPictureMessage message = TBoardPictureMessage::decodeRequest(reader);
    if (!IsBoardIndex(message.board) ||
        (IsPublicBoard(message.board) && room->lockHolder != UserOf(from) && !IsModerator(from))) {
        m_host.reply(from, {command, {}, ResultCode::NotPermitted});
        return;
    }
    const auto found =
        m_host.resources().find(number, command == cmShowSlide ? tkSlide : tkLibraryImage, message.record);
    QFile file(found ? found->path : QString());
    const std::int64_t limit = kMaxControlPayload - 4 - std::int64_t(TResourceRecord::kSize);
    if (!found || file.size() > limit || !file.open(QIODevice::ReadOnly)) {
        m_host.reply(from, {command, {}, ResultCode::FileNotFound});
        return;
    }
    message.record = found->record;
    message.jpeg = file.readAll();
    message.record.SetFileSize(std::int32_t(message.jpeg.size()));
    const QByteArray payload = message.encode();
    if (!IsPublicBoard(message.board)) { // the private board is the asker's alone
        m_host.reply(from, {command, payload});
        return;
    }
    m_host.sendToRoom(number, from, {command, payload});
    m_history.restart(number, message.board, {command, UserOf(from), payload});
}

// Who holds the lock is told to a participant who enters, as it would have been told when it was granted.
void BoardService::entered(ClientConnection& member, std::int32_t room) {
    const std::uint16_t holder = lockHolder(room);
    if (holder == 0)
        return;
    for (ClientConnection* other : m_host.members().in(room))
        if (UserOf(*other) == holder && other != &member) {
            m_host.sendToUser(UserOf(member), *other, {cmLockBoard, {}});
            return;
        }
}

void BoardService::left(ClientConnection& member, std::int32_t room) {
    const auto found = m_rooms.find(room);
    if (found == m_rooms.end())
        return;
    found->second.access.erase(UserOf(member));
    if (found->second.lockHolder == UserOf(member))
        release(room, member);
}

} // namespace orv::server
