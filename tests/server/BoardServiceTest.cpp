// The server's part of the whiteboard: drawing batches reach the rest of the room and the board's history.
#include "protocol/BoardMessages.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/RoomMessages.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/TestAccounts.h"

#include "BoardService.h"
#include "SessionServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace orv {
namespace {

using test::ReceivedPacket;
using test::SimulatedClient;

server::ServerConfig boardClassConfig() {
    // ann moderates
    return test::ClassroomConfig({{"ann", 2, 1000}, {"ben", 3}, {"cat", 4}, {"dan", 5}}, {100, 200});
}

TBBItem Record(int board, std::uint8_t kind, std::uint16_t x) {
    TBBItem item;
    item.SetBoard(std::uint8_t(board));
    item.SetKind(kind);
    item.SetX1(x);
    item.SetPenWidth(2);
    return item;
}

// The packets a client received before the reply to a room list request it sends now: the server answers in
// order, so everything sent to it earlier is there.
// The drawing batches that reached the client so far; what other services send meanwhile (participants
// joining) is passed over.
std::vector<ReceivedPacket> Received(SimulatedClient& client,
                                     std::set<std::uint16_t> codes = {cmBoardDrawing}) {
    client.sendPacket(cmRoomList);
    std::vector<ReceivedPacket> before;
    for (auto packet = client.readPacket(); packet.header.Command != cmRoomList; packet = client.readPacket())
        if (codes.contains(packet.header.Command))
            before.push_back(packet);
    return before;
}

struct BoardRoom {
    server::BoardService* board = nullptr;
    test::ServerThread server{boardClassConfig(), [this](server::IServiceHost& host) {
                                  server::Services services = server::createServices(host);
                                  for (const auto& service : services)
                                      if (auto* found = dynamic_cast<server::BoardService*>(service.get()))
                                          board = found;
                                  return services;
                              }};
    std::map<std::string, std::unique_ptr<SimulatedClient>> clients;

    BoardRoom() {
        const std::pair<const char*, std::int32_t> seats[] = {
            {"ann", 100}, {"ben", 100}, {"cat", 100}, {"dan", 200}};
        for (const auto& [name, number] : seats) {
            auto client = std::make_unique<SimulatedClient>();
            client->connectAndSignIn(server.port(), name, QString(name) + "pw");
            client->sendPacket(cmEnterRoom, TEnterRoomRequest{number}.encode());
            EXPECT_EQ(client->readPacket().header.ResultCode, 0);
            client->roomId = std::uint16_t(number);
            clients[name] = std::move(client);
        }
    }
    std::vector<TBoardDrawingBatch> history(std::int32_t room, std::int32_t boardIndex) {
        std::vector<TBoardDrawingBatch> batches;
        server.call([&](server::SessionServer&) { batches = board->history().batches(room, boardIndex); });
        return batches;
    }
};

TEST(BoardService, RelaysABatchToTheRestOfTheRoomAndKeepsItForItsBoard) {
    BoardRoom room;
    ASSERT_NE(room.board, nullptr) << "the service list runs the board service";
    const TBoardDrawingBatch first{2, {Record(2, BoardKind::MoveTo, 5), Record(2, BoardKind::Line, 9)}};
    const TBoardDrawingBatch second{2, {Record(2, BoardKind::MoveTo, 1), Record(2, BoardKind::Oval, 2)}};
    const TBoardDrawingBatch other{4, {Record(4, BoardKind::MoveTo, 1), Record(4, BoardKind::Fill, 2)}};
    room.clients["ann"]->sendPacket(cmGiveBoard, TBoardAccessMessage{3}.encode()); // ben may draw
    Received(*room.clients["ann"], {});
    room.clients["ann"]->sendPacket(cmBoardDrawing, first.encode());
    room.clients["ben"]->sendPacket(cmBoardDrawing, second.encode() + QByteArray(7, 'x')); // a partial record
    room.clients["ann"]->sendPacket(cmBoardDrawing, other.encode());

    EXPECT_EQ(Received(*room.clients["dan"]).size(), 0u) << "another room";
    const auto ann = Received(*room.clients["ann"]);
    ASSERT_EQ(ann.size(), 1u);
    EXPECT_EQ(ann[0].payload, second.encode()) << "whole records only";
    EXPECT_EQ(ann[0].header.UserId, 3);
    EXPECT_EQ(Received(*room.clients["ben"]).size(), 2u);
    const auto cat = Received(*room.clients["cat"]);
    ASSERT_EQ(cat.size(), 3u);
    EXPECT_EQ(cat[0].header.Command, cmBoardDrawing);
    EXPECT_EQ(cat[0].header.UserId, 2);
    EXPECT_EQ(cat[0].header.RoomId, 100);
    EXPECT_EQ(cat[0].payload, first.encode());

    const auto board2 = room.history(100, 2);
    ASSERT_EQ(board2.size(), 2u);
    EXPECT_EQ(board2[0].items, first.items);
    EXPECT_EQ(board2[1].items, second.items);
    EXPECT_EQ(room.history(100, 4).size(), 1u);
    EXPECT_TRUE(room.history(100, 3).empty());
    EXPECT_TRUE(room.history(200, 2).empty());
}

TEST(BoardService, BatchesNoOtherBoardCanTakeAreNeitherRelayedNorKept) {
    BoardRoom room;
    const TBoardDrawingBatch refused[] = {
        {0, {Record(0, BoardKind::MoveTo, 1), Record(0, BoardKind::Line, 2)}}, // the private board
        {6, {Record(6, BoardKind::MoveTo, 1), Record(6, BoardKind::Line, 2)}},
        {-1, {Record(255, BoardKind::MoveTo, 1), Record(255, BoardKind::Line, 2)}},
        {2, {Record(2, BoardKind::MoveTo, 1), Record(3, BoardKind::Line, 2)}}, // a record on another board
        {2, {}},
    };
    for (const TBoardDrawingBatch& batch : refused)
        room.clients["ann"]->sendPacket(cmBoardDrawing, batch.encode());
    EXPECT_TRUE(Received(*room.clients["ben"]).empty());
    for (int b = -1; b <= 6; ++b)
        EXPECT_TRUE(room.history(100, b).empty()) << b;

    // Too short for the board index: the sender is dropped, as for any payload that cannot be read.
    Received(*room.clients["ann"]); // what reached it before, so that only the close is left to read
    room.clients["ann"]->sendPacket(cmBoardDrawing, QByteArray(2, '\0'));
    EXPECT_TRUE(room.clients["ann"]->closedByServer());
    EXPECT_TRUE(Received(*room.clients["ben"]).empty());
}

TEST(BoardService, TheLockIsGrantedToOneWithAccessAndReleasedWhenItsHolderLeaves) {
    BoardRoom room;
    const std::set<std::uint16_t> lockCodes = {cmLockBoard, cmUnlockBoard, cmGiveBoard, cmBanBoard};
    room.clients["ben"]->sendPacket(cmLockBoard);
    auto ben = Received(*room.clients["ben"], lockCodes);
    ASSERT_EQ(ben.size(), 1u);
    EXPECT_EQ(ben[0].header.ResultCode, ResultCode::BoardDenied) << "no access yet";

    room.clients["cat"]->sendPacket(cmGiveBoard, TBoardAccessMessage{3}.encode()); // not a moderator: refused
    auto cat = Received(*room.clients["cat"], lockCodes);
    ASSERT_EQ(cat.size(), 1u);
    EXPECT_EQ(cat[0].header.Command, cmGiveBoard);
    EXPECT_EQ(cat[0].header.ResultCode, ResultCode::NoPermission);
    EXPECT_TRUE(cat[0].payload.isEmpty());

    // Each step waits for the server to have handled it, so cat hears them in this order.
    room.clients["ann"]->sendPacket(cmGiveBoard, TBoardAccessMessage{3}.encode());
    Received(*room.clients["ann"], lockCodes);
    room.clients["ben"]->sendPacket(cmLockBoard);
    Received(*room.clients["ben"], lockCodes);
    room.clients["cat"]->sendPacket(cmLockBoard); // held by ben
    cat = Received(*room.clients["cat"], lockCodes);
    ASSERT_EQ(cat.size(), 3u);
    EXPECT_EQ(cat[0].header.Command, cmGiveBoard);
    EXPECT_EQ(cat[0].payload, TBoardAccessMessage{3}.encode());
    EXPECT_EQ(cat[1].header.Command, cmLockBoard);
    EXPECT_EQ(cat[1].header.UserId, 3);
    EXPECT_EQ(cat[1].header.ResultCode, 0);
    EXPECT_EQ(cat[2].header.ResultCode, ResultCode::BoardDenied);
    std::uint16_t holder = 0;
    room.server.call([&](server::SessionServer&) { holder = room.board->lockHolder(100); });
    EXPECT_EQ(holder, 3);

    room.clients["ben"].reset(); // ben leaves: everybody hears the lock is free
    std::vector<ReceivedPacket> ann;
    for (int attempt = 0; attempt < 100 && (ann.empty() || ann.back().header.Command != cmUnlockBoard);
         ++attempt)
        for (const ReceivedPacket& p : Received(*room.clients["ann"], lockCodes))
            ann.push_back(p);
    ASSERT_FALSE(ann.empty());
    EXPECT_EQ(ann.back().header.Command, cmUnlockBoard);
    EXPECT_EQ(ann.back().header.UserId, 3);
}

TEST(BoardService, BoardHistoryHoldsWhatChangedTheBoardSinceItsLastClear) {
    BoardRoom room;
    room.clients["ann"]->sendPacket(cmLockBoard);
    const TBoardDrawingBatch batch{2, {Record(2, BoardKind::MoveTo, 5), Record(2, BoardKind::Line, 9)}};
    TBoardTextMessage text;
    text.board = 2;
    text.record.SetBoard(2);
    text.text = "Hi";
    room.clients["ben"]->sendPacket(cmClearBoard,
                                    TBoardIndexMessage{2}.encode()); // without the lock: ignored
    room.clients["ann"]->sendPacket(cmBoardDrawing, batch.encode());
    room.clients["ann"]->sendPacket(cmClearBoard, TBoardIndexMessage{2}.encode());
    room.clients["ann"]->sendPacket(cmBoardText, text.encode());
    room.clients["ann"]->sendPacket(cmPointer, TPointerMessage{1, 2, 2, pkLeft}.encode());
    room.clients["ann"]->sendPacket(cmShowBoardHolder, TBoardIndexMessage{2}.encode());

    room.clients["cat"]->sendPacket(cmLoadBoard, TBoardIndexMessage{2}.encode());
    room.clients["cat"]->sendPacket(cmShowBoard, TBoardIndexMessage{1}.encode());
    const auto cat = Received(*room.clients["cat"], {cmLoadBoard, cmShowBoard, cmShowBoardHolder, cmPointer});
    ASSERT_EQ(cat.size(), 4u);
    EXPECT_EQ(cat[0].header.Command, cmPointer);
    EXPECT_EQ(cat[1].header.Command, cmShowBoardHolder);
    EXPECT_EQ(cat[2].header.Command, cmLoadBoard);
    EXPECT_EQ(cat[2].payload, EmbedPacket(cmBoardText, 2, text.encode()));
    EXPECT_EQ(cat[3].header.Command, cmShowBoard);
    EXPECT_EQ(cat[3].payload, TBoardIndexMessage{2}.encode()) << "the lock holder's board";

    room.clients["cat"]->sendPacket(cmLoadBoard, TBoardIndexMessage{4}.encode());
    room.clients["cat"]->sendPacket(cmShowLibraryImage, TBoardPictureMessage{3, {}, {}}.encode());
    const auto empty = Received(*room.clients["cat"], {cmLoadBoard, cmShowLibraryImage});
    ASSERT_EQ(empty.size(), 2u);
    EXPECT_TRUE(empty[0].payload.isEmpty());
    EXPECT_EQ(empty[1].header.ResultCode, ResultCode::BoardDenied) << "without the lock";
}

} // namespace
} // namespace orv
