// The server's bulk-transfer port spoken to byte by byte: who may upload and download what, the codes of
// every refusal, malformed requests, and connections that stall.
#include "protocol/RoomMessages.h"
#include "protocol/TransferMessages.h"
#include "support/QtPrinters.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/TestAccounts.h"

#include "SessionServer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace orv {
namespace {

using test::SimulatedClient;

constexpr std::uint16_t kTeacher = 1, kAlice = 2, kNobody = 99;

struct Classroom {
    static server::ServerConfig config(const QString& store) {
        server::ServerConfig c = test::ClassroomConfig(
            {{"teacher", kTeacher, 0, {}, "Example", 1000}, {"alice", kAlice, 0, {}, "Example"}}, {100, 200});
        c.storePath = store;
        for (auto& [number, room] : c.rooms)
            room.members = QStringList{"alice"};
        return c;
    }

    QTemporaryDir store;
    test::ServerThread server{config(store.path())};
    std::uint16_t bulkPort = server.listenBulk();
    std::map<std::uint16_t, std::unique_ptr<SimulatedClient>> signedIn;

    Classroom() {
        for (const auto& [name, id] : {std::pair{"teacher", kTeacher}, std::pair{"alice", kAlice}}) {
            auto client = std::make_unique<SimulatedClient>();
            client->connectAndSignIn(server.port(), name, test::PasswordOf(name));
            client->sendPacket(cmEnterRoom, TEnterRoomRequest{100}.encode());
            EXPECT_EQ(client->readPacket().header.ResultCode, 0);
            signedIn[id] = std::move(client);
        }
    }

    // One transfer connection: the request's bytes, then whatever the server answers until it closes.
    test::ReceivedPacket exchange(const QByteArray& request) {
        SimulatedClient bulk;
        bulk.connect(bulkPort);
        bulk.send(request);
        test::ReceivedPacket reply = bulk.readPacket();
        EXPECT_TRUE(bulk.closedByServer()) << "one exchange per connection";
        return reply;
    }
    test::ReceivedPacket upload(std::uint16_t user, TTransferKind kind, const QString& name,
                                const QByteArray& content, std::uint16_t room = 100) {
        TResourceRecord record;
        record.SetFileName(name);
        record.SetFileSize(std::int32_t(content.size()));
        return exchange(MakeUploadRequest(kind, user, room, record).encode() + content);
    }
    test::ReceivedPacket download(std::uint16_t user, TTransferKind kind, const QString& name,
                                  std::uint16_t room = 100) {
        return exchange(MakeDownloadRequest(kind, user, room, name, "/tmp/wherever/" + name, {}).encode());
    }
};

TEST(BulkTransfer, AnUploadIsKeptAndDownloadedWithTheRequestersPath) {
    Classroom room;
    const QByteArray content(300000, 'c');
    const auto uploaded = room.upload(kTeacher, tkDocument, "Plan.DOC", content);
    EXPECT_EQ(uploaded.header.ResultCode, 0);
    EXPECT_EQ(uploaded.header.Command, cmUploadDocumentDone);
    EXPECT_EQ(uploaded.header.UserId, kTeacher);
    EXPECT_EQ(uploaded.header.DataSize, 0);

    const auto reply = room.download(kAlice, tkDocument, "plan.doc");
    EXPECT_EQ(reply.header.ResultCode, 0);
    EXPECT_EQ(reply.header.Command, cmDownloadDocument);
    ASSERT_EQ(reply.header.DataSize, 773 + 300000);
    PayloadReader reader(reply.payload);
    TResourceRecord record;
    record.readFrom(reader);
    EXPECT_EQ(record.FileName(), "Plan.DOC");
    EXPECT_EQ(record.FileSize(), 300000);
    EXPECT_EQ(record.LocalPath(), "/tmp/wherever/plan.doc");
    EXPECT_EQ(record.OwnerName(), "teacher Example");
    EXPECT_EQ(reply.payload.mid(773), content);

    const auto link = room.upload(kTeacher, tkWebLink, "https://example.org/", {});
    EXPECT_EQ(link.header.ResultCode, 0) << "a web link comes without a file";
    EXPECT_EQ(link.header.Command, cmAddWebLink);
    std::size_t links = 0;
    room.server.call([&](server::SessionServer& s) {
        links = s.resources().list(100, server::ResourceList::WebLinks).size();
    });
    EXPECT_EQ(links, 1u);
}

TEST(BulkTransfer, RefusalsCarryTheCodeOfTheirReason) {
    Classroom room;
    ASSERT_EQ(room.upload(kTeacher, tkDocument, "taken.pdf", "first").header.ResultCode, 0);
    const struct {
        const char* what;
        std::function<test::ReceivedPacket()> run;
        std::uint16_t code;
    } cases[] = {
        {"a participant without library rights uploading a document",
         [&] { return room.upload(kAlice, tkDocument, "mine.pdf", "x"); }, ResultCode::NoPermission},
        {"a library image from the same", [&] { return room.upload(kAlice, tkLibraryImage, "a.jpg", "x"); },
         ResultCode::NoPermission},
        {"a name the documents already have",
         [&] { return room.upload(kTeacher, tkDocument, "TAKEN.pdf", "x"); }, ResultCode::FileExists},
        {"a picture above 50 KB",
         [&] { return room.upload(kAlice, tkPicture, "me.jpg", QByteArray(51201, 'j')); },
         ResultCode::UploadFailed},
        {"a web link with file bytes", [&] { return room.upload(kTeacher, tkWebLink, "http://x/", "x"); },
         ResultCode::InvalidParameter},
        {"a user not signed in", [&] { return room.upload(kNobody, tkPicture, "me.jpg", "x"); },
         ResultCode::NoPermission},
        {"a room the user is not in", [&] { return room.download(kAlice, tkDocument, "taken.pdf", 200); },
         ResultCode::NoPermission},
        {"a document nobody uploaded", [&] { return room.download(kAlice, tkDocument, "nothing.pdf"); },
         ResultCode::FileNotFound},
        {"a slide of no presentation", [&] { return room.download(kAlice, tkSlide, "Slide_1.JPG"); },
         ResultCode::FileNotFound},
        {"a picture nobody uploaded", [&] { return room.download(kAlice, tkPicture, "2.jpg"); },
         ResultCode::FileNotFound},
    };
    for (const auto& c : cases) {
        const auto reply = c.run();
        EXPECT_EQ(reply.header.ResultCode, c.code) << c.what;
        EXPECT_EQ(reply.header.DataSize, 0) << c.what;
    }
    EXPECT_EQ(room.upload(kAlice, tkPicture, "me.jpg", QByteArray(51200, 'j')).header.ResultCode, 0)
        << "a picture of exactly 50 KB";
    EXPECT_EQ(room.download(kTeacher, tkPicture, "2.jpg").payload.size(), 773 + 51200);
}

TEST(BulkTransfer, MalformedRequestsAreAnsweredWithInvalidParameter) {
    Classroom room;
    TResourceRecord record;
    record.SetFileName("a.txt");
    record.SetFileSize(10);
    auto withHeader = [&](std::uint16_t command, std::int32_t dataSize) {
        TPacketHeader header;
        FillHeader(command, kTeacher, 100, header);
        header.DataSize = dataSize;
        return header.toByteArray() + record.toByteArray();
    };
    const struct {
        const char* what;
        QByteArray request;
    } cases[] = {
        {"a control command", withHeader(cmHeartbeat, 773)},
        {"an upload whose file does not fill its DataSize", withHeader(cmUploadDocument, 773 + 11)},
        {"an upload whose file is larger than its DataSize", withHeader(cmUploadDocument, 773 + 9)},
        {"a download with bytes after its record", withHeader(cmDownloadDocument, 800)},
        {"a negative DataSize", withHeader(cmDownloadDocument, -1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(room.exchange(c.request).header.ResultCode, ResultCode::InvalidParameter) << c.what;
}

TEST(BulkTransfer, AConnectionThatStallsIsDroppedAndItsPartialUploadForgotten) {
    Classroom room;
    room.server.call([](server::SessionServer& s) { s.bulk()->setStallTimeoutMs(200); });
    TResourceRecord record;
    record.SetFileName("half.pdf");
    record.SetFileSize(1000);
    SimulatedClient bulk;
    bulk.connect(room.bulkPort);
    bulk.send(MakeUploadRequest(tkDocument, kTeacher, 100, record).encode() + QByteArray(500, 'h'));
    EXPECT_TRUE(bulk.closedByServer());
    EXPECT_EQ(room.download(kTeacher, tkDocument, "half.pdf").header.ResultCode, ResultCode::FileNotFound);
    const QStringList left = QDir(room.store.filePath("room-100/documents")).entryList(QDir::Files);
    EXPECT_TRUE(left.isEmpty()) << left.join(", ").toStdString();
}

TEST(BulkTransfer, TheServersEndStopsADownloadThatIsNotBeingRead) {
    auto room = std::make_unique<Classroom>();
    ASSERT_EQ(room->upload(kTeacher, tkDocument, "big.bin", QByteArray(32 << 20, 'b')).header.ResultCode, 0);
    SimulatedClient bulk;
    bulk.connect(room->bulkPort);
    bulk.send(MakeDownloadRequest(tkDocument, kTeacher, 100, "big.bin", "/tmp/big.bin", {}).encode());
    EXPECT_EQ(bulk.readHeader().DataSize, 773 + (32 << 20)); // and then nothing more is read
    QElapsedTimer timer;
    timer.start();
    room.reset();
    EXPECT_LT(timer.elapsed(), 5000);
    qint64 received = 0;
    QByteArray block(64 * 1024, Qt::Uninitialized);
    try {
        for (;; received += block.size())
            bulk.tcp.readExact(block.data(), std::size_t(block.size()));
    } catch (const EChannelError&) {
    }
    EXPECT_LT(received, 32 << 20) << "the connection ended before the file did";
}

} // namespace
} // namespace orv
