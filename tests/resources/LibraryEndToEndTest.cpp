// The libraries through our session server: a moderator uploads a document and an image, shows the image on
// board 3 and presents the document to everybody; a participant sees the image on that board and is offered
// the document, which opens once accepted; both acknowledgements mark the moderator's participant list.
// Deleting follows the library right, and a library image presented to a board reaches a late joiner too.
#include "board/BoardJpeg.h"
#include "board/BoardModule.h"
#include "protocol/LibraryMessages.h"
#include "resources/LibraryModule.h"
#include "resources/ResourcesModule.h"
#include "roster/RosterModule.h"
#include "roster/UserNode.h"
#include "support/LiveClient.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"

#include "ServerConfig.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

constexpr std::uint16_t kTeacher = 1, kAlice = 2, kBob = 3;

server::ServerConfig Classroom(const QString& store) {
    server::ServerConfig c =
        test::ClassroomConfig({{"teacher", kTeacher, 1000, "Teacher"}, {"alice", kAlice}, {"bob", kBob}});
    c.storePath = store;
    return c;
}

// What finished downloads do in the program: documents open, pictures are drawn on the board.
struct ProgramActions final : IDownloadActions {
    explicit ProgramActions(Whiteboard& drawnOn) : boards(drawnOn) {}
    void OpenDocument(const QString& path) override {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        opened.push_back(f.readAll());
    }
    void RefuseToOpen(const QString&) override {}
    void DrawOnBoard(int board, const QImage& image) override { boards.DrawPicture(board, image); }
    Whiteboard& boards;
    std::vector<QByteArray> opened;
};

struct LibraryClient : test::LiveClient {
    explicit LibraryClient(const QString& folder)
        : LiveClient(folder), home(folder), resources(context, {folder}, takeActions()),
          library(context, resources, roster.Directory(), roster.Marks(), {folder, folder}) {
        board.SetTransfers(&resources, folder);
        library.Library().SetBoards(&board.Sharing());
        library.Library().SetOfferDocument([this](const TDocumentOffer& o) { offers.push_back(o); });
        add(roster);
        add(board);
        add(resources);
        add(library);
    }
    ~LibraryClient() {
        library.EndSession();
        resources.EndSession();
        board.EndSession();
    }
    std::unique_ptr<IDownloadActions> takeActions() {
        auto own = std::make_unique<ProgramActions>(board.Boards());
        actions = own.get();
        return own;
    }
    QString file(const QString& name, const QByteArray& bytes) const {
        const QString path = QDir(home).filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    // The participant's mark in the list; none while the participant is not in it.
    std::optional<int> mark(std::uint16_t user) {
        const TUserNode* entry = roster.Participants().FindEntry(user);
        return entry ? std::optional<int>(entry->ActivityImageIndex()) : std::nullopt;
    }
    bool settled() {
        return pumpUntil([&] { return resources.RunningTransfers() == 0; });
    }

    QString home;
    TRosterModule roster{context};
    TBoardModule board{context};
    ProgramActions* actions = nullptr;
    TResourcesModule resources;
    TLibraryModule library;
    std::vector<TDocumentOffer> offers;
};

QImage Picture() {
    QImage picture(160, 120, QImage::Format_RGB32);
    picture.fill(QColor(30, 90, 160));
    QPainter(&picture).fillRect(40, 30, 80, 60, QColor(250, 210, 20));
    return picture;
}

const TResourceRecord* Named(const TLibraryList& list, const QString& name) {
    for (const TResourceRecord& r : list.Items())
        if (r.FileName() == name)
            return &r;
    return nullptr;
}

TEST(LibraryEndToEnd, PresentedImageAndDocumentReachTheRoomAndAreAcknowledged) {
    QTemporaryDir store, homes[3];
    test::ServerThread server(Classroom(store.path()));
    server.listenBulk();
    LibraryClient teacher(homes[0].path()), alice(homes[1].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    ASSERT_TRUE(pumpUntil([&] { return teacher.mark(kAlice).has_value(); }))
        << "alice in the teacher's roster";
    TResourceLibrary& library = teacher.library.Library();

    // Uploads: the lists reload by themselves once the server has the files.
    const QByteArray notes = "Pendulum notes: T = 2 pi sqrt(L / g)\n";
    library.UploadDocument(teacher.file("Pendulum.TXT", notes), "  notes  ");
    QByteArray jpeg = EncodeBoardJpeg(Picture());
    teacher.resources.StartUpload(teacher.file("Pendulum.jpg", jpeg), "The pendulum", {}, tkLibraryImage);
    teacher.library
        .ShowImages(); // the window asks for its list; it is empty so far or already holds the image
    ASSERT_TRUE(pumpUntil([&] { return Named(library.Documents(), "Pendulum.TXT"); }));
    ASSERT_TRUE(pumpUntil([&] { return Named(library.Images(), "Pendulum.jpg"); }));
    const TResourceRecord document = *Named(library.Documents(), "Pendulum.TXT");
    EXPECT_EQ(document.Description(), "notes");
    EXPECT_EQ(document.FileSize(), notes.size());
    EXPECT_EQ(document.OwnerName(), "Teacher Tester");

    // The image onto board 3 for everybody.
    teacher.board.Sharing().SwitchBoard(3, false);
    library.LoadImage(*Named(library.Images(), "Pendulum.jpg"));
    ASSERT_TRUE(pumpUntil([&] { return alice.board.Boards().CurrentBoard() == 3; }));
    const QImage expected = *DecodeBoardJpeg(jpeg);
    ASSERT_TRUE(pumpUntil(
        [&] { return alice.board.Boards().Board(3).Image().pixel(80, 60) == expected.pixel(80, 60); }));
    EXPECT_EQ(alice.board.Boards().Board(3).Image().pixel(10, 10), expected.pixel(10, 10));
    ASSERT_TRUE(pumpUntil([&] { return teacher.mark(kAlice) == MotionPicture::LoadMark; }))
        << "alice's acknowledgement marks her entry";

    // The document to everybody: the marks start afresh, alice is asked, and her OK opens it.
    ASSERT_TRUE(library.Launch(document));
    EXPECT_NE(teacher.mark(kAlice), MotionPicture::LoadMark);
    ASSERT_TRUE(pumpUntil([&] { return alice.offers.size() == 1; }));
    EXPECT_EQ(alice.offers[0].senderName, "Teacher Tester");
    EXPECT_EQ(alice.offers[0].record.FileName(), "Pendulum.TXT");
    alice.library.Library().AcceptOffer(alice.offers[0]);
    ASSERT_TRUE(pumpUntil([&] { return alice.actions->opened.size() == 1; }));
    EXPECT_EQ(alice.actions->opened[0], notes);
    ASSERT_TRUE(pumpUntil([&] { return teacher.mark(kAlice) == MotionPicture::LoadMark; }));
    ASSERT_TRUE(pumpUntil([&] { return teacher.actions->opened.size() == 1; }))
        << "opened at the presenter too";

    // Deleting: refused to alice, done for the teacher, and the list follows.
    alice.library.Library().Delete(document, tkDocument);
    ASSERT_FALSE(alice.dialogs.shown.isEmpty());
    EXPECT_EQ(alice.dialogs.shown.back(), "error: You don't have permission to delete public resources");
    const qsizetype shown = alice.dialogs.shown.size();
    alice.sender.Send(cmDeleteDocument, TResourceDeleteMessage{document}.encode()); // past the client's check
    ASSERT_TRUE(pumpUntil([&] { return alice.dialogs.shown.size() > shown; }));
    EXPECT_TRUE(alice.dialogs.shown.back().startsWith("error: Unable to delete resource."));
    library.Delete(document, tkDocument);
    ASSERT_TRUE(pumpUntil([&] { return !Named(library.Documents(), "Pendulum.TXT"); }));
    EXPECT_TRUE(teacher.settled());
    EXPECT_TRUE(alice.settled());
}

TEST(LibraryEndToEnd, APresentedLibraryImageReachesALateJoiner) {
    QTemporaryDir store, homes[2];
    test::ServerThread server(Classroom(store.path()));
    server.listenBulk();
    LibraryClient teacher(homes[0].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    const QByteArray jpeg = EncodeBoardJpeg(Picture());
    teacher.resources.StartUpload(teacher.file("Map.jpg", jpeg), "Map", {}, tkLibraryImage);
    ASSERT_TRUE(teacher.settled());
    teacher.library.Library().Request(tkLibraryImage);
    ASSERT_TRUE(pumpUntil([&] { return Named(teacher.library.Library().Images(), "Map.jpg"); }));
    // Another client's way of showing it: packet 31, which the server relays and keeps with board 4.
    teacher.sender.Send(
        cmPushImage, TResourcePushMessage{4, *Named(teacher.library.Library().Images(), "Map.jpg")}.encode());

    LibraryClient bob(homes[1].path());
    bob.enter(server.port(), "bob", test::PasswordOf("bob"), 100);
    const QImage expected = *DecodeBoardJpeg(jpeg);
    ASSERT_TRUE(pumpUntil(
        [&] { return bob.board.Boards().Board(4).Image().pixel(80, 60) == expected.pixel(80, 60); }, 20000))
        << "drawn from the board's history";
    EXPECT_TRUE(bob.settled());
}

} // namespace
} // namespace orv
