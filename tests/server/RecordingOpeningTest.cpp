// A recording started in the middle of a session opens with the room as it was then, as one entering at that
// moment would be sent it: voice settings changed since the server started, every grant, the boards'
// histories, the lock holder's board, the main view, a running share's picture and the tour's page.
#include "protocol/AppShareMessages.h"
#include "protocol/AudioControlMessages.h"
#include "protocol/BoardMessages.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/ChatMessages.h"
#include "protocol/ModerationMessages.h"
#include "protocol/RecordingMessages.h"
#include "protocol/RoomMessages.h"
#include "protocol/RosterMessages.h"
#include "protocol/SessionMessages.h"
#include "protocol/WebTourMessages.h"
#include "support/ServerThread.h"
#include "support/SimulatedRoom.h"
#include "support/TestAccounts.h"

#include "RecordingFiles.h"
#include "ResourceStore.h"
#include "SessionServer.h"

#include <QBuffer>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace orv::recording_opening {

using test::ReceivedPacket;

constexpr std::uint16_t kMod = 1, kAnn = 2, kBen = 3;

server::ServerConfig OpeningConfig() {
    server::ServerConfig c = test::ClassroomConfig({{"mod", kMod, 1000}, {"ann", kAnn}, {"ben", kBen}});
    server::RoomConfig& room = c.rooms[100];
    room.sharing = room.recorder = true;
    room.microphones = 1;
    room.codec = 1;
    return c;
}

struct RecordedPacket {
    TPacketHeader header;
    QByteArray payload;
};

std::vector<RecordedPacket> ReadRecording(const QString& path) {
    std::vector<RecordedPacket> packets;
    std::int64_t offset = std::int64_t(TRecordedSessionHeader::kSize);
    for (QByteArray p = server::RecordingShelf::packetAt(path, offset); !p.isEmpty();
         p = server::RecordingShelf::packetAt(path, offset)) {
        packets.push_back({TPacketHeader::decode(QByteArrayView(p)), p.mid(qsizetype(TPacketHeader::kSize))});
        offset += p.size();
    }
    return packets;
}

QByteArray Png() {
    QImage image(32, 16, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

class SessionUnderWay : public test::SimulatedRoom {
public:
    explicit SessionUnderWay(test::ServerThread& server) : SimulatedRoom(server.port()) {
        for (const char* name : {"mod", "ann", "ben"}) {
            signIn(name);
            enter(name, 100);
        }
        settle();
    }
    void settle() {
        for (const char* name : {"mod", "ann", "ben"})
            received(name);
    }
    void send(const std::string& name, TCommandCode command, const QByteArray& payload = {}) {
        (*this)[name].sendPacket(command, payload);
        settle();
    }
};

TBoardDrawingBatch Stroke(int board) {
    TBBItem item;
    item.SetBoard(std::uint8_t(board));
    item.SetKind(BoardKind::Line);
    item.SetPenWidth(3);
    item.SetX2(200);
    item.SetY2(120);
    return {board, {item}};
}

TEST(RecordingOpening, HoldsTheRoomAsOneEnteringThenWouldBeSentIt) {
    test::ServerThread server(OpeningConfig());
    SessionUnderWay room(server);
    // Before the recorder starts: voice settings changed, grants, the boards drawn on, a share, a tour.
    room.send("mod", cmSetAudioCodec, TRoomVoiceValue{3}.encode());
    room.send("mod", cmSetMicrophoneCount, TRoomVoiceValue{3}.encode());
    room.send("mod", cmGiveMicrophone, TMicrophoneRightMessage{kAnn}.encode());
    room.send("mod", cmGiveBoard, TBoardAccessMessage{kAnn}.encode());
    room.send("ann", cmBoardDrawing, Stroke(2).encode());
    room.send("mod", cmLockBoard);
    room.send("mod", cmBoardDrawing, Stroke(3).encode());
    TBoardTextMessage text;
    text.board = 3;
    text.record.SetBoard(3);
    text.text = "Kepler";
    room.send("mod", cmBoardText, text.encode());
    room.send("mod", cmShowBoardHolder, TBoardIndexMessage{3}.encode());
    room.send("mod", cmSetView, TViewMessage{2}.encode());
    TSharingRecord sharing;
    sharing.SetMode(smDesktop);
    sharing.SetWidth(64);
    sharing.SetHeight(32);
    sharing.SetColumns(2);
    sharing.SetRows(2);
    room.send("mod", cmStartSharing, sharing.toByteArray());
    TTileRecord tile;
    tile.SetIndex(1);
    tile.SetVersion(1);
    tile.SetX(32);
    tile.SetWidth(32);
    tile.SetHeight(16);
    QByteArray tiles;
    AppendScreenTile(tiles, tile, Png());
    room.send("mod", cmScreenUpdate, tiles);
    TWebLinkPush page;
    page.record.SetFileName("https://example.org/orbits");
    room.send("mod", cmPushWebLink, page.encode());

    // What ben, already there, would load of the boards: the recording must hold the same.
    std::map<std::int32_t, QByteArray> histories;
    for (const std::int32_t board : {2, 3}) {
        room["ben"].sendPacket(cmLoadBoard, TBoardIndexMessage{board}.encode());
        histories[board] = room["ben"].readPacket().payload;
    }

    room["mod"].sendPacket(cmStartRecording, TRecorderCredentials().toByteArray());
    ASSERT_EQ(room["mod"].readPacket().header.ResultCode, 0);
    TChatMessage chat;
    chat.text = "after the start";
    room.send("ann", cmChat, chat.encode());
    ASSERT_EQ(room.ask("mod", cmStopRecording).header.ResultCode, 0);

    QString folder;
    server.call(
        [&](server::SessionServer& s) { folder = QDir(s.resources().root()).filePath("recordings"); });
    const auto list = server::RecordingShelf(folder).list();
    ASSERT_EQ(list.size(), 1u);
    const std::vector<RecordedPacket> packets =
        ReadRecording(*server::RecordingShelf(folder).find(list[0].SessionId()));

    std::vector<std::uint16_t> commands;
    for (const RecordedPacket& p : packets)
        commands.push_back(p.header.Command);
    const std::vector<std::uint16_t> opening{
        cmEnterRoom,   cmParticipantList, cmParticipantStates, cmLoadBoard,   cmLoadBoard, cmShowBoardHolder,
        cmCurrentView, cmStartSharing,    cmScreenImage,       cmPushWebLink, cmChat};
    ASSERT_EQ(commands, opening);
    const double start = packets[0].header.Stamp;
    for (std::size_t i = 0; i + 1 < packets.size(); ++i)
        EXPECT_DOUBLE_EQ(packets[i].header.Stamp, start) << "the room's state is stamped at the start";

    PayloadReader entryReader(packets[0].payload);
    const TRoomEntryReply entry = TRoomEntryReply::decode(entryReader);
    EXPECT_EQ(entry.room.AudioCodec(), 3) << "the codec the room has, not the configured one";
    EXPECT_EQ(entry.room.MicrophoneCount(), 3);
    EXPECT_EQ(entry.room.BoardHolder(), kMod);
    EXPECT_EQ(entry.account.UserId(), kMod);

    PayloadReader listReader(packets[1].payload);
    EXPECT_EQ(TParticipantListReply::decode(listReader).participants.size(), 3u);
    PayloadReader statesReader(packets[2].payload);
    bool annSeen = false;
    for (const TParticipantStatusRecord& s : TParticipantStatesReply::decode(statesReader).states)
        if (s.UserId() == kAnn) {
            annSeen = true;
            EXPECT_EQ(s.MicrophoneStatus(), msGranted);
            EXPECT_TRUE(s.BoardAllowed());
        }
    EXPECT_TRUE(annSeen);

    EXPECT_EQ(packets[3].payload, histories[2]);
    EXPECT_EQ(packets[4].payload, histories[3]);
    EXPECT_EQ(packets[5].header.UserId, kMod);
    EXPECT_EQ(packets[5].payload, TBoardIndexMessage{3}.encode());
    EXPECT_EQ(packets[6].payload, TViewMessage{2}.encode());
    EXPECT_EQ(packets[7].header.UserId, kMod);
    TScreenTileWalker walker(packets[8].payload);
    const auto recordedTile = walker.next();
    ASSERT_TRUE(recordedTile);
    EXPECT_EQ(recordedTile->record.Index(), 1);
    EXPECT_EQ(recordedTile->png, Png());
    EXPECT_EQ(packets[9].payload, page.encode());
    EXPECT_EQ(packets[10].header.UserId, kAnn);
}

} // namespace orv::recording_opening
