// The server's libraries: lists per room from the store, deletes by those with library rights only, and
// presents relayed to the rest of the room, library images kept with their board.
#include "protocol/BoardSharingMessages.h"
#include "protocol/LibraryMessages.h"
#include "protocol/ResultCodes.h"
#include "support/ServerThread.h"
#include "support/SimulatedRoom.h"
#include "support/TestAccounts.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::ReceivedPacket;

// One document and one image in room 100, written as by hand.
void FillStore(const QString& root) {
    const auto add = [&](const QString& list, const QString& name, const QByteArray& bytes) {
        const QString folder = QDir(root).filePath("room-100/" + list);
        QDir().mkpath(folder);
        QFile f(QDir(folder).filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        QSettings index(QDir(folder).filePath("index.ini"), QSettings::IniFormat);
        index.setValue("1/name", name);
        index.setValue("1/description", "kept by hand");
        index.setValue("1/owner", "Ann Tester");
    };
    add("documents", "Syllabus.pdf", QByteArray(1536, 'p'));
    add("images", "Map.jpg", QByteArray(2560, 'j'));
}

struct Library : ::testing::Test {
    Library() {
        FillStore(store.path());
        for (const auto& [name, number] : {std::pair{"ann", 100}, {"ben", 100}, {"cal", 100}, {"dan", 200}}) {
            room.signIn(name);
            room.enter(name, number);
        }
    }
    server::ServerConfig config() {
        // ann moderates; cal keeps the library without moderating
        server::ServerConfig c = test::ClassroomConfig(
            {{"ann", 2, 1000}, {"ben", 3}, {"cal", 4, 0, {}, "Tester", 1000}, {"dan", 5}}, {100, 200});
        c.storePath = store.path();
        return c;
    }
    // The first packet of `command` the client gets.
    ReceivedPacket ask(const std::string& name, std::uint16_t command, const QByteArray& payload = {}) {
        room[name].sendPacket(command, payload);
        for (;;) {
            ReceivedPacket p = room[name].readPacket();
            if (p.header.Command == command)
                return p;
        }
    }
    std::vector<TResourceRecord> list(const std::string& name, std::uint16_t command) {
        const ReceivedPacket reply = ask(name, command);
        PayloadReader reader(reply.payload);
        return TResourceListMessage::decode(reader).records;
    }
    std::vector<ReceivedPacket> received(const std::string& name, std::uint16_t command) {
        std::vector<ReceivedPacket> out;
        for (const ReceivedPacket& p : room.received(name))
            if (p.header.Command == command)
                out.push_back(p);
        return out;
    }

    QTemporaryDir store;
    test::ServerThread server{config()};
    test::SimulatedRoom room{server.port()};
};

TEST_F(Library, ListsComeFromTheStoreOfTheRoom) {
    const auto documents = list("ben", cmDocumentList);
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0].FileName(), "Syllabus.pdf");
    EXPECT_EQ(documents[0].FileSize(), 1536);
    EXPECT_EQ(documents[0].FileExt(), ".pdf");
    EXPECT_EQ(documents[0].OwnerName(), "Ann Tester");
    EXPECT_EQ(list("ben", cmImageList).size(), 1u);
    EXPECT_TRUE(list("ben", cmPresentationList).empty());
    EXPECT_TRUE(list("dan", cmDocumentList).empty()) << "another room's library";
}

TEST_F(Library, DeletingNeedsTheLibraryRight) {
    const TResourceRecord document = list("ben", cmDocumentList).at(0);
    TResourceRecord image = list("ben", cmImageList).at(0);
    const QByteArray erase = TResourceDeleteMessage{document}.encode();
    EXPECT_EQ(ask("ben", cmDeleteDocument, erase).header.ResultCode, ResultCode::NoPermission);
    EXPECT_EQ(list("ben", cmDocumentList).size(), 1u);
    EXPECT_EQ(ask("cal", cmDeleteDocument, erase).header.ResultCode, 0) << "the resource role is enough";
    EXPECT_TRUE(list("ben", cmDocumentList).empty());
    EXPECT_FALSE(QFile::exists(QDir(store.path()).filePath("room-100/documents/Syllabus.pdf")));
    EXPECT_EQ(ask("cal", cmDeleteDocument, erase).header.ResultCode, ResultCode::ResourceNotDeleted);
    image.SetResourceId(99); // a record whose number is stale still names its file
    EXPECT_EQ(ask("ann", cmDeleteImage, TResourceDeleteMessage{image}.encode()).header.ResultCode, 0);
    EXPECT_TRUE(list("ann", cmImageList).empty());
}

TEST_F(Library, PresentsReachTheRestOfTheRoomAndImagesStayWithTheirBoard) {
    const TResourceRecord document = list("ben", cmDocumentList).at(0);
    const TResourceRecord image = list("ben", cmImageList).at(0);
    // A document for everybody: from a moderator or the lock holder, as the library window asks.
    EXPECT_EQ(ask("ben", cmPushDocument, TResourcePushMessage{0, document}.encode()).header.ResultCode,
              ResultCode::NoPermission);
    EXPECT_TRUE(received("cal", cmPushDocument).empty()) << "a refused push reaches nobody";
    room["ann"].sendPacket(cmPushDocument, TResourcePushMessage{0, document}.encode());
    EXPECT_TRUE(received("ann", cmPushDocument).empty()) << "not back to the presenter";
    const auto ben = received("ben", cmPushDocument);
    ASSERT_EQ(ben.size(), 1u);
    EXPECT_EQ(ben[0].header.UserId, 2);
    EXPECT_EQ(ben[0].payload, (TResourcePushMessage{0, document}.encode()));
    EXPECT_EQ(received("cal", cmPushDocument).size(), 1u);
    EXPECT_TRUE(received("dan", cmPushDocument).empty());

    // A library image for a public board: from the lock holder or a moderator only.
    EXPECT_EQ(ask("ben", cmPushImage, TResourcePushMessage{2, image}.encode()).header.ResultCode,
              ResultCode::BoardDenied);
    EXPECT_EQ(ask("ann", cmPushImage, TResourcePushMessage{0, image}.encode()).header.ResultCode,
              ResultCode::BoardDenied)
        << "never the private board";
    room["ann"].sendPacket(cmPushImage, TResourcePushMessage{2, image}.encode());
    EXPECT_TRUE(received("ann", cmPushImage).empty());
    EXPECT_EQ(received("cal", cmPushImage).size(), 1u);
    // Shown through the board instead: the request is the list's record, whose FileSize is the file's.
    const ReceivedPacket shown = ask("ann", cmShowLibraryImage, TBoardPictureMessage{3, image, {}}.encode());
    EXPECT_EQ(shown.header.ResultCode, 0);
    EXPECT_EQ(shown.payload.size(), 777 + 2560);
    const ReceivedPacket history = ask("dan", cmLoadBoard, TBoardIndexMessage{2}.encode());
    EXPECT_TRUE(history.payload.isEmpty()) << "another room's board";
    room.enter("dan", 100);
    const ReceivedPacket late = ask("dan", cmLoadBoard, TBoardIndexMessage{2}.encode());
    TBoardHistoryWalker walker(late.payload);
    const auto entry = walker.next();
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->header.Command, cmPushImage);
    EXPECT_EQ(entry->header.UserId, 2);
    EXPECT_EQ(entry->payload, (TResourcePushMessage{2, image}.encode()));
}

} // namespace
} // namespace orv
