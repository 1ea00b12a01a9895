// The resources module's transfers against our session server, signed in and in the room: every upload and
// download kind there and back, directly and through real SOCKS 5 proxies; eight transfers at once; files
// that cannot be sent; and the session's end while transfers hang or wait for the main thread.
#include "board/BoardMessageIds.h"
#include "link/ErrorMessages.h"
#include "platform/MessageRouter.h"
#include "protocol/RoomMessages.h"
#include "resources/ResourceMessageIds.h"
#include "resources/ResourcesModule.h"
#include "session/ResourceTransfers.h"
#include "support/EventPump.h"
#include "support/FakeSession.h"
#include "support/QtPrinters.h"
#include "support/ServerThread.h"
#include "support/SimulatedClient.h"
#include "support/SocksProxies.h"
#include "support/TestAccounts.h"
#include "tests/resources/ScriptedFileService.h"

#include "ResourceStore.h"
#include "SessionServer.h"
#include "support/FileBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

namespace orv {
namespace {

using test::pumpUntil;
using test::RecordingSink;

constexpr std::uint16_t kTeacher = 1, kAlice = 2;

server::ServerConfig ClassroomConfig(const QString& store) {
    server::ServerConfig c = test::ClassroomConfig(
        {{"teacher", kTeacher, 0, {}, "Example", 1000}, {"alice", kAlice, 0, {}, "Example"}});
    c.storePath = store;
    c.rooms[100].name = "Physics 101";
    return c;
}

struct Classroom {
    QTemporaryDir store;
    test::ServerThread server{ClassroomConfig(store.path())};
    std::uint16_t bulkPort = server.listenBulk();
};

// What finished downloads asked of the main thread.
struct RecordingActions final : IDownloadActions {
    void OpenDocument(const QString& path) override {
        onMainThread &= QThread::currentThread() == qApp->thread();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        opened.push_back({path, f.readAll()});
    }
    void RefuseToOpen(const QString& path) override {
        onMainThread &= QThread::currentThread() == qApp->thread();
        refused << path;
    }
    void DrawOnBoard(int board, const QImage& image) override {
        onMainThread &= QThread::currentThread() == qApp->thread();
        drawn.push_back({board, image});
    }
    std::vector<std::pair<QString, QByteArray>> opened;
    QStringList refused;
    std::vector<std::pair<int, QImage>> drawn;
    bool onMainThread = true;
};

struct CountingCursor final : IBusyCursor {
    void Show() override { ++shows; }
    void Restore() override { ++restores; }
    int shows = 0, restores = 0;
};

// One participant: signed in and in room 100 on the control connection, with the resources module.
struct Participant {
    Participant(Classroom& room, const QString& user, const TProxySettings& proxy = {},
                const QString& host = "127.0.0.1") {
        session.state.account = control.connectAndSignIn(room.server.port(), user, test::PasswordOf(user));
        control.sendPacket(cmEnterRoom, TEnterRoomRequest{100}.encode());
        EXPECT_EQ(control.readPacket().header.ResultCode, 0);
        session.state.account.SetRoom(100);
        session.state.serverHost = host;
        session.state.bulkPort = room.bulkPort;
        session.state.proxy = proxy;
        QDir().mkpath(home.filePath("UserImages"));
        auto ownActions = std::make_unique<RecordingActions>();
        auto ownCursor = std::make_unique<CountingCursor>();
        actions = ownActions.get();
        cursor = ownCursor.get();
        module =
            std::make_unique<TResourcesModule>(session.context, TResourceFolders{home.filePath("UserImages")},
                                               std::move(ownActions), std::move(ownCursor));
        module->SetLibraryWindows(&documents, &images);
        module->RegisterMessages(mainWindow);
        module->RegisterRoomEntry(steps);
        for (const auto& action : steps.ActionsOf(TRoomEntryStep::ResetRoomState))
            action(); // the room has been entered
    }
    bool settle() {
        return pumpUntil([&] { return module->RunningTransfers() == 0; });
    }
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = home.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    QString jpeg(const QString& name, QColor colour) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = home.filePath(name);
        image.save(path, "JPG");
        return path;
    }

    test::SimulatedClient control;
    test::FakeSession session;
    QTemporaryDir home;
    RecordingActions* actions = nullptr;
    CountingCursor* cursor = nullptr;
    RecordingSink documents, images, notify;
    TMessageRouter mainWindow;
    TRoomEntrySteps steps;
    std::unique_ptr<TResourcesModule> module;
};

using test::ReadFile;

bool NearColour(QRgb pixel, QColor expected) {
    return std::abs(qRed(pixel) - expected.red()) < 12 && std::abs(qGreen(pixel) - expected.green()) < 12 &&
           std::abs(qBlue(pixel) - expected.blue()) < 12;
}

// Every kind there and back: the teacher uploads a document, a library image and a presentation with its
// slides, the participant her picture; then each downloads what the other uploaded.
void RoundTripEveryKind(const TProxySettings& proxy, const QString& host = "127.0.0.1") {
    Classroom room;
    Participant teacher(room, "teacher", proxy, host);
    Participant alice(room, "alice", proxy, host);
    const QByteArray document(3 * 1024 * 1024 + 17, 'D');
    const TNotifyWindow boardWindow{&teacher.notify, BoardMsg::UploadDone};

    // The export thread's way, before anything else runs on the main thread: each slide, then the
    // descriptor, waited for one by one.
    bool exported = true;
    std::thread exporter([&] {
        for (int n = 1; n <= 2; ++n)
            exported &= teacher.module->UploadAndWait(
                teacher.jpeg(QString("Slide_%1.jpg").arg(n), QColor(30, 30, 100 * n)), "Pres_1_99", n,
                tkSlide);
        exported &= teacher.module->UploadAndWait(
            teacher.file("Lecture.ppt", "[Presentation]\nSlidesCount=2\n"), "Pres_1_99", 2, tkPresentation);
    });
    ASSERT_TRUE(
        pumpUntil([&] { return !teacher.session.sink.withNumber(MainMsg::PresentationUploaded).empty(); }));
    exporter.join();
    EXPECT_TRUE(exported);
    teacher.mainWindow.Deliver(MainMsg::PresentationUploaded, 0, 0);
    EXPECT_EQ(teacher.session.sender.sent, (std::vector<test::SentPacket>{{cmPresentationList, {}}}));

    teacher.module->StartUpload(teacher.file("Plan.DOC", document), " draft ", {}, tkDocument);
    teacher.module->StartUpload(teacher.jpeg("cell.jpg", QColor(200, 30, 40)), "A cell", boardWindow,
                                tkLibraryImage);
    alice.module->StartUpload(alice.jpeg("me.jpg", QColor(20, 160, 90)), {}, {&alice.notify, 4}, tkPicture);
    ASSERT_TRUE(teacher.settle());
    ASSERT_TRUE(alice.settle());
    EXPECT_EQ(teacher.documents.all(),
              (std::vector<test::PostedMessage>{{ResourceListMsg::UploadDone, 0, 0}}));
    EXPECT_EQ(teacher.images.all(), (std::vector<test::PostedMessage>{{ResourceListMsg::UploadDone, 0, 0}}));
    EXPECT_EQ(teacher.notify.all(), (std::vector<test::PostedMessage>{{BoardMsg::UploadDone, 0, 0}}));
    EXPECT_EQ(alice.notify.all(), (std::vector<test::PostedMessage>{{4, 0, 0}}));
    EXPECT_TRUE(alice.documents.all().empty()) << "a picture changes no library";

    // Downloads, each on its own connection, side by side.
    TDownloadOrder doc{
        "plan.doc", alice.home.filePath("Plan copy.DOC"), {}, -1, kTeacher, {&alice.notify, 4}, tkDocument,
        true};
    alice.module->StartDownload(doc);
    TDownloadOrder image{"cell.jpg",     alice.home.filePath("shown.jpg"),
                         "A cell",       2,
                         kTeacher,       {&alice.notify, 4},
                         tkLibraryImage, true};
    alice.module->StartDownload(image);
    TDownloadOrder slide{
        "Slide_2.JPG", alice.home.filePath("slide.jpg"), "Pres_1_99", -1, kTeacher, {}, tkSlide, true};
    alice.module->StartDownload(slide);
    teacher.module->DownloadUserPicture(kAlice, {&teacher.notify, 0});
    ASSERT_TRUE(alice.settle());
    ASSERT_TRUE(teacher.settle());

    EXPECT_EQ(ReadFile(doc.localPath), document);
    ASSERT_EQ(alice.actions->opened.size(), 1u);
    EXPECT_EQ(alice.actions->opened[0].first, doc.localPath);
    EXPECT_EQ(alice.actions->opened[0].second, document) << "opened once complete";
    ASSERT_EQ(alice.actions->drawn.size(), 2u);
    for (const auto& [board, picture] : alice.actions->drawn) {
        EXPECT_EQ(picture.size(), QSize(64, 48));
        if (board == 2)
            EXPECT_TRUE(NearColour(picture.pixel(10, 10), QColor(200, 30, 40)));
        else
            EXPECT_TRUE(board == -1 && NearColour(picture.pixel(10, 10), QColor(30, 30, 200)));
    }
    EXPECT_TRUE(alice.actions->onMainThread);
    EXPECT_FALSE(QFile::exists(image.localPath)) << "a drawn image's file has served";
    EXPECT_FALSE(QFile::exists(slide.localPath));
    const auto shown = alice.notify.withNumber(MainMsg::AcknowledgeContent);
    EXPECT_EQ(shown, (std::vector<test::PostedMessage>(2, {MainMsg::AcknowledgeContent, kTeacher, 0})))
        << "the document and the image are acknowledged to their presenter";

    EXPECT_TRUE(
        NearColour(QImage(teacher.home.filePath("UserImages/2.jpg")).pixel(5, 5), QColor(20, 160, 90)));
    EXPECT_EQ(teacher.notify.withNumber(MainMsg::PictureDownloaded),
              (std::vector<test::PostedMessage>{{MainMsg::PictureDownloaded, kAlice, 0}}));
    for (const Participant* p : {&teacher, &alice}) {
        EXPECT_GT(p->cursor->shows, 0);
        EXPECT_EQ(p->cursor->shows, p->cursor->restores) << "the cursor is back once nothing runs";
    }

    std::vector<TResourceRecord> presentations;
    room.server.call([&](server::SessionServer& s) {
        presentations = s.resources().list(100, server::ResourceList::Presentations);
    });
    ASSERT_EQ(presentations.size(), 1u);
    EXPECT_EQ(presentations[0].ItemCount(), 2);
}

TEST(TransfersEndToEnd, EveryKindThereAndBackDirectly) {
    RoundTripEveryKind({});
}

TEST(TransfersEndToEnd, EveryKindThereAndBackThroughRealSocks5Proxies) {
    test::ProxyProcess dante;
    ASSERT_TRUE(dante.startDante()) << "danted must be installed";
    test::ProxyProcess microsocks;
    ASSERT_TRUE(microsocks.startMicrosocks("proxyuser", "proxypass")) << "microsocks must be installed";
    {
        SCOPED_TRACE("dante");
        RoundTripEveryKind({true, TProxySettings::Socks5, "127.0.0.1", dante.port(), false, {}, {}});
    }
    {
        SCOPED_TRACE("microsocks with a password, the proxy resolving the name");
        RoundTripEveryKind(
            {true, TProxySettings::Socks5, "127.0.0.1", microsocks.port(), true, "proxyuser", "proxypass"},
            "localhost");
    }
}

TEST(TransfersEndToEnd, EightTransfersAtOnceEachOnItsOwnConnection) {
    Classroom room;
    Participant teacher(room, "teacher");
    Participant alice(room, "alice");
    std::vector<QByteArray> contents;
    for (int i = 0; i < 8; ++i)
        contents.push_back(QByteArray(1024 * 1024 + i, char('a' + i)));
    for (int i = 0; i < 4; ++i)
        teacher.module->StartUpload(teacher.file(QString("first%1.bin").arg(i), contents[i]), {}, {},
                                    tkDocument);
    ASSERT_TRUE(teacher.settle());

    // Four more uploads and four downloads of the first ones, all started before any can have ended.
    for (int i = 4; i < 8; ++i)
        teacher.module->StartUpload(teacher.file(QString("second%1.bin").arg(i), contents[i]), {}, {},
                                    tkDocument);
    for (int i = 0; i < 4; ++i)
        teacher.module->StartDownload({QString("first%1.bin").arg(i),
                                       teacher.home.filePath(QString("copy%1").arg(i)),
                                       {},
                                       -1,
                                       0,
                                       {},
                                       tkDocument,
                                       false});
    EXPECT_EQ(teacher.module->RunningTransfers(), 8u);
    ASSERT_TRUE(teacher.settle());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ReadFile(teacher.home.filePath(QString("copy%1").arg(i))), contents[i]) << i;
    for (int i = 4; i < 8; ++i) {
        alice.module->StartDownload({QString("second%1.bin").arg(i),
                                     alice.home.filePath(QString("copy%1").arg(i)),
                                     {},
                                     -1,
                                     0,
                                     {},
                                     tkDocument,
                                     false});
    }
    ASSERT_TRUE(alice.settle());
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(ReadFile(alice.home.filePath(QString("copy%1").arg(i))), contents[i]) << i;
    EXPECT_EQ(teacher.documents.withNumber(ResourceListMsg::UploadDone).size(), 8u);
    EXPECT_EQ(teacher.cursor->shows, 2) << "busy from the first start to the last end, once for each batch";
    EXPECT_EQ(teacher.cursor->restores, 2);
}

TEST(TransfersEndToEnd, FilesThatCannotBeSentAreRefusedWithAMessageAndNothingIsSent) {
    Classroom room;
    Participant teacher(room, "teacher");
    const QString missing = teacher.home.filePath("gone.pdf");
    const QString huge = teacher.home.filePath("huge.iso");
    QFile sparse(huge);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(2) << 30)); // 2 GiB, no disk used
    sparse.close();

    teacher.module->StartUpload(missing, {}, {}, tkDocument);
    teacher.module->StartUpload(huge, {}, {}, tkDocument);
    EXPECT_EQ(teacher.module->RunningTransfers(), 0u);
    bool sentMissing = true, sentHuge = true;
    std::thread exporter([&] {
        sentMissing = teacher.module->UploadAndWait(missing, "Pres_1_1", 1, tkSlide);
        sentHuge = teacher.module->UploadAndWait(huge, "Pres_1_1", 2, tkSlide);
    });
    ASSERT_TRUE(pumpUntil([&] { return teacher.session.dialogs.shown.size() == 4; }));
    exporter.join();
    EXPECT_FALSE(sentMissing) << "a missing file is a failure";
    EXPECT_FALSE(sentHuge);
    const QString unreadable = "error: " + ErrorText(ResultCode::CannotOpenFile);
    const QString tooLarge =
        "error: The file \"huge.iso\" is too large to be sent: only files smaller than 2 GB can be uploaded.";
    EXPECT_EQ(teacher.session.dialogs.shown, (QStringList{unreadable, tooLarge, unreadable, tooLarge}));
    std::size_t kept = 1;
    room.server.call([&](server::SessionServer& s) {
        kept = s.resources().list(100, server::ResourceList::Documents).size() +
               s.resources().list(100, server::ResourceList::Slides).size();
    });
    EXPECT_EQ(kept, 0u);
}

TEST(TransfersEndToEnd, ALibraryImageThatIsNoJpegIsNeitherDrawnNorKept) {
    Classroom room;
    Participant teacher(room, "teacher");
    teacher.module->StartUpload(teacher.file("notes.jpg", "not a picture at all"), "Notes", {},
                                tkLibraryImage);
    ASSERT_TRUE(teacher.settle());
    const QString shown = teacher.home.filePath("shown.jpg");
    teacher.module->StartDownload({"notes.jpg", shown, {}, 1, 0, {}, tkLibraryImage, true});
    ASSERT_TRUE(teacher.settle());
    EXPECT_TRUE(teacher.actions->drawn.empty());
    EXPECT_FALSE(QFile::exists(shown));
}

TEST(TransfersEndToEnd, AProgramOrLauncherIsKeptButNeverOpened) {
    Classroom room;
    Participant teacher(room, "teacher");
    Participant alice(room, "alice");
    const struct {
        const char* name;
        QByteArray content;
        bool opened;
    } cases[] = {
        {"notes.txt", "plain notes", true},
        {"Course outline.pdf", "%PDF-1.4\n", true},
        {"run me.sh", "#!/bin/sh\nrm -rf ~\n", false},
        {"slides.desktop", "[Desktop Entry]\nType=Application\nExec=sh -c evil\n", false},
        {"report.pdf", "#!/bin/sh\nevil\n", false}, // a script whatever its name says
        {"setup.exe", "MZ\x90\x00", false},
    };
    for (const auto& c : cases)
        teacher.module->StartUpload(teacher.file(c.name, c.content), {}, {}, tkDocument);
    ASSERT_TRUE(teacher.settle());
    for (const auto& c : cases)
        alice.module->StartDownload(
            {c.name, alice.home.filePath(QString("got-") + c.name), {}, -1, kTeacher, {}, tkDocument, true});
    ASSERT_TRUE(alice.settle());
    for (const auto& c : cases) {
        const QString path = alice.home.filePath(QString("got-") + c.name);
        EXPECT_EQ(ReadFile(path), c.content) << c.name << ": kept either way";
        const bool opened = std::any_of(alice.actions->opened.begin(), alice.actions->opened.end(),
                                        [&](const auto& o) { return o.first == path; });
        EXPECT_EQ(opened, c.opened) << c.name;
        EXPECT_EQ(alice.actions->refused.contains(path), !c.opened) << c.name;
    }
}

TEST(TransfersEndToEnd, TheSessionsEndStopsTransfersThatHangOrWaitForTheMainThreadAndLaterOnesRun) {
    Classroom room;
    Participant teacher(room, "teacher");
    teacher.module->StartUpload(teacher.jpeg("cell.jpg", Qt::red), "A cell", {}, tkLibraryImage);
    ASSERT_TRUE(teacher.settle());

    // A download that has its file and now waits for the main thread, which does not come.
    const QString shown = teacher.home.filePath("shown.jpg");
    teacher.module->StartDownload({"cell.jpg", shown, {}, 1, 0, {}, tkLibraryImage, true});
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(shown) && waited.elapsed() < 10000)
        std::this_thread::yield();
    ASSERT_TRUE(QFile::exists(shown));

    // A download whose service answers half and then says nothing, with the stall time-out far away.
    TResourceRecord record;
    record.SetFileSize(1000);
    TPacketHeader header;
    header.DataSize = 773 + 1000;
    test::ScriptedFileService silent(header.toByteArray() + record.toByteArray() + QByteArray(10, 'x'),
                                     test::ScriptedFileService::Hold);
    teacher.session.state.bulkPort = silent.port();
    teacher.module->SetTimeouts(20000, 60000);
    teacher.module->StartDownload(
        {"x.pdf", teacher.home.filePath("x.pdf"), {}, -1, 0, {}, tkDocument, false});
    silent.waitAnswered();
    EXPECT_EQ(teacher.module->RunningTransfers(), 2u);

    QElapsedTimer timer;
    timer.start();
    teacher.module->EndSession();
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(teacher.module->RunningTransfers(), 0u);
    QCoreApplication::processEvents();
    EXPECT_TRUE(teacher.actions->drawn.empty()) << "an abandoned hand-over never runs";
    EXPECT_FALSE(QFile::exists(teacher.home.filePath("x.pdf")));
    EXPECT_EQ(teacher.cursor->shows, teacher.cursor->restores);

    // The session goes on after a reconnection, and transfers with it.
    teacher.session.state.bulkPort = room.bulkPort;
    teacher.module->StartDownload({"cell.jpg", shown, {}, 1, 0, {}, tkLibraryImage, true});
    ASSERT_TRUE(teacher.settle());
    EXPECT_EQ(teacher.actions->drawn.size(), 1u);
}

} // namespace
} // namespace orv
