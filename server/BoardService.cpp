#include "BoardService.h"

#include "ClientConnection.h"
#include "ResourceStore.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServiceHost.h"

#include "protocol/BoardSharingMessages.h"
#include "protocol/Constants.h"
#include "protocol/SessionMessages.h"

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
    host.registerHandler(
        {cmSetView}, int(TViewMessage::kSize),
        [this](ClientConnection& from, const TIncomingPacket& packet) { setView(from, packet); });
    host.registerHandler({cmCurrentView}, int(TViewMessage::kSize),
                         [this](ClientConnection& from, const TIncomingPacket&) {
                             if (const RoomBoards* room = roomOf(from))
                                 m_host.reply(from, {cmCurrentView, TViewMessage{room->view}.encode()});
                         });
    host.registerMembershipHandler([this](ClientConnection& member, std::int32_t room, MemberChange change) {
        if (change == MemberChange::Left)
            left(member, room);
    });
    host.registerRoomStateHandler([this](const ClientConnection&, std::int32_t room,
                                         std::vector<RoomStatePacket>& state) { addState(room, state); });
}

// What a newcomer loads and asks: each public board's history, the lock holder's board, the main view.
void BoardService::addState(std::int32_t room, std::vector<RoomStatePacket>& state) const {
    for (std::int32_t board = 0; board < kBoardCount; ++board)
        if (IsPublicBoard(board) && !m_history.entries(room, board).empty())
            state.push_back({0, {cmLoadBoard, m_history.serve(room, board)}});
    const auto it = m_rooms.find(room);
    if (it == m_rooms.end())
        return;
    const std::uint16_t holder = m_host.rights().lockHolder(room);
    if (holder != 0 && it->second.board != 0)
        state.push_back({holder, {cmShowBoardHolder, TBoardIndexMessage{it->second.board}.encode()}});
    if (it->second.view != 0)
        state.push_back({0, {cmCurrentView, TViewMessage{it->second.view}.encode()}});
}

std::uint16_t BoardService::lockHolder(std::int32_t room) const {
    return m_host.rights().lockHolder(room);
}

// Slides and library images: the lock holder, or a moderator, whose library and slide windows show them
// without asking for the lock first.
bool BoardService::mayShowOnBoard(const ClientConnection& member, std::int32_t board) {
    const RoomRights& rights = m_host.rights();
    return IsPublicBoard(board) && (rights.holdsLock(member) || rights.isModerator(member));
}

bool BoardService::keep(std::int32_t room, std::int32_t board, BoardHistoryEntry entry) {
    return m_history.append(room, board, std::move(entry));
}

BoardService::RoomBoards* BoardService::roomOf(const ClientConnection& client) {
    const auto room = m_host.members().roomOf(client);
    return room ? &m_rooms[*room] : nullptr;
}

bool BoardService::allowed(const ClientConnection& from, bool right, std::uint16_t command) {
    if (!right)
        m_host.log(QString("%1 may not send command %2").arg(from.who()).arg(command));
    return right;
}

void BoardService::relay(ClientConnection& from, const TBoardDrawingBatch& batch) {
    const auto room = m_host.members().roomOf(from);
    if (!room || !allowed(from, m_host.rights().mayUseBoards(from), cmBoardDrawing))
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
    RoomRights& rights = m_host.rights();
    const std::int32_t number = *m_host.members().roomOf(from);
    const std::uint16_t user = UserOf(from);
    const std::uint16_t holder = rights.lockHolder(number);
    // A moderator may take the lock from a participant; nobody else takes it from its holder.
    const bool free = holder == 0 || holder == user || rights.isModerator(from);
    if (!allowed(from, rights.mayUseBoards(from) && free, cmLockBoard)) {
        m_host.reply(from, {cmLockBoard, {}, ResultCode::BoardDenied});
        return;
    }
    rights.setLockHolder(number, user);
    m_host.sendToRoom(number, from, {cmLockBoard, {}});
}

void BoardService::unlock(ClientConnection& from) {
    const auto room = m_host.members().roomOf(from);
    if (room && m_host.rights().lockHolder(*room) == UserOf(from))
        release(*room, from);
}

void BoardService::release(std::int32_t room, const ClientConnection& holder) {
    m_host.rights().setLockHolder(room, 0);
    m_host.sendToRoom(room, holder, {cmUnlockBoard, {}});
}

void BoardService::access(ClientConnection& from, const TIncomingPacket& packet) {
    RoomBoards* room = roomOf(from);
    if (!room)
        return;
    auto reader = packet.payload();
    const std::uint16_t user = TBoardAccessMessage::decode(reader).userId;
    if (!allowed(from, m_host.rights().isModerator(from), packet.header.Command)) {
        m_host.reply(from, {packet.header.Command, {}, ResultCode::NoPermission});
        return;
    }
    const std::int32_t number = *m_host.members().roomOf(from);
    const bool granted = packet.header.Command == cmGiveBoard;
    m_host.rights().setBoardAccess(number, user, granted);
    m_host.sendToRoom(number, from, {packet.header.Command, TBoardAccessMessage{user}.encode()});
    if (!granted && m_host.rights().lockHolder(number) == user)
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
        break;
    default:
        return;
    }
    // The pointer and text need public-board access; a clear and a picture the lock too.
    const RoomRights& rights = m_host.rights();
    const bool placing = command == cmClearBoard || command == cmBoardImage;
    if (!allowed(from, placing ? rights.holdsLock(from) : rights.mayUseBoards(from), command))
        return;
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
    if (packet.header.Command == cmShowBoardHolder && m_host.rights().holdsLock(from) &&
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
    if (!IsBoardIndex(message.board)) {
        m_host.reply(from, {command, {}, ResultCode::InvalidParameter});
        return;
    }
    if (!allowed(from, !IsPublicBoard(message.board) || mayShowOnBoard(from, message.board), command)) {
        m_host.reply(from, {command, {}, ResultCode::BoardDenied});
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

void BoardService::setView(ClientConnection& from, const TIncomingPacket& packet) {
    RoomBoards* room = roomOf(from);
    if (!room)
        return;
    auto reader = packet.payload();
    const std::int32_t view = TViewMessage::decode(reader).view;
    // A view no client can show is passed over, as clients do.
    if (!allowed(from, m_host.rights().mayLead(from), cmSetView) || view < 0 || view > 2)
        return;
    room->view = view;
    m_host.sendToOthersInRoom(from, {cmSetView, TViewMessage{view}.encode()});
}

void BoardService::left(ClientConnection& member, std::int32_t room) {
    if (m_host.rights().lockHolder(room) == UserOf(member))
        release(room, member);
    if (m_host.members().count(room) == 0)
        m_rooms.erase(room);
}

} // namespace orv::server
