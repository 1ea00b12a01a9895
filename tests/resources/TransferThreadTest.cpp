// The transfer threads against a file service of the test's own: what an upload sends, and what a download
// does with replies our server never gives (another path, a short reply, sizes that lie, a stall).
#include "board/BoardMessageIds.h"
#include "protocol/ResultCodes.h"
#include "protocol/Stamp.h"
#include "resources/FileDownloadThread.h"
#include "resources/FileUploadThread.h"
#include "resources/ResourceMessageIds.h"
#include "resources/TemporaryNames.h"
#include "session/ResourceTransfers.h"
#include "support/FileBytes.h"
#include "support/QtPrinters.h"
#include "support/RecordingSink.h"
#include "tests/resources/ScriptedFileService.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace orv {
namespace {

using test::ScriptedFileService;

TAccountRecord Account() {
    TAccountRecord a;
    a.SetUserId(7);
    a.SetRoom(100);
    a.SetFullName("  Tess Marlowe ");
    return a;
}

TTransferEndpoint Endpoint(std::uint16_t port, int stallMs = 10000) {
    return {"127.0.0.1", port, {}, {}, 5000, stallMs};
}

QString WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

using test::ReadFile;

QByteArray ReplyHeader(std::uint16_t command, std::int32_t dataSize, std::uint16_t code = 0) {
    TPacketHeader h;
    FillHeader(command, 7, 100, h);
    h.DataSize = dataSize;
    h.ResultCode = code;
    return h.toByteArray();
}

TEST(UploadThread, SendsTheRecordItsFileDescribesAndThenTheFile) {
    QTemporaryDir dir;
    const QByteArray content(700000, 'd');
    const QString path = WriteFile(dir.filePath("Docs/Plan.DOC"), content);
    ScriptedFileService service(ReplyHeader(cmUploadDocumentDone, 0));
    test::RecordingSink main, documents, images, notify;
    const double before = stampNow();
    TFileUploadThread upload(Endpoint(service.port()), Account(), tkDocument, path, "  draft  ", 0,
                             {&main, &documents, &images, {&notify, BoardMsg::UploadDone}});
    EXPECT_EQ(upload.Execute(), 0);

    const TTransferRequest request = service.request();
    EXPECT_EQ(request.header.Command, cmUploadDocument);
    EXPECT_EQ(request.header.UserId, 7);
    EXPECT_EQ(request.header.RoomId, 100);
    EXPECT_EQ(request.header.DataSize, 773 + 700000);
    const TResourceRecord& r = request.record;
    EXPECT_EQ(r.ResourceId(), 0);
    EXPECT_EQ(r.FileName(), "Plan.DOC");
    EXPECT_EQ(r.LocalPath(), path);
    EXPECT_EQ(r.FileExt(), ".DOC");
    EXPECT_EQ(r.FileSize(), 700000);
    EXPECT_EQ(r.Description(), "draft");
    EXPECT_EQ(r.OwnerName(), "Tess Marlowe");
    EXPECT_GE(r.Uploaded(), before);
    EXPECT_LE(r.Uploaded(), stampNow());
    EXPECT_EQ(r.ItemCount(), 0);
    EXPECT_EQ(service.content(), content);

    EXPECT_EQ(documents.all(), (std::vector<test::PostedMessage>{{ResourceListMsg::UploadDone, 0, 0}}));
    EXPECT_TRUE(images.all().empty());
    EXPECT_TRUE(main.all().empty());
    EXPECT_EQ(notify.all(), (std::vector<test::PostedMessage>{{BoardMsg::UploadDone, 0, 0}}));
}

TEST(UploadThread, ALongPathIsCutToItsFieldAndARefusalIsTheResult) {
    QTemporaryDir dir;
    QString folder = dir.path();
    while (folder.size() < 230)
        folder += "/a-rather-long-folder-name";
    const QString path = WriteFile(folder + "/slide.jpg", "jpeg");
    ScriptedFileService service(ReplyHeader(cmUploadPresentation, 0, ResultCode::NoPermission));
    test::RecordingSink main, notify;
    TFileUploadThread upload(Endpoint(service.port()), Account(), tkSlide, path, "Pres_7_1", 3,
                             {&main, nullptr, nullptr, {&notify, 4}});
    EXPECT_EQ(upload.Execute(), ResultCode::NoPermission);
    EXPECT_EQ(service.request().record.LocalPath(), path.left(200));
    EXPECT_EQ(service.request().record.ItemCount(), 3);
    EXPECT_TRUE(notify.all().empty()) << "a refused upload reports nothing";
    EXPECT_TRUE(main.all().empty());
}

TEST(UploadThread, AMissingFileSendsNothingAndFails) {
    QTemporaryDir dir;
    test::LoopbackListener nobodyAnswers;
    TFileUploadThread upload(Endpoint(nobodyAnswers.port()), Account(), tkDocument, dir.filePath("gone.pdf"),
                             {}, 0, {});
    EXPECT_EQ(upload.Execute(), ResultCode::CannotOpenFile);
}

// A download of a participant's picture against a scripted reply.
struct PictureDownload {
    QTemporaryDir dir;
    QString target = dir.filePath("UserImages/12.jpg");
    test::RecordingSink notify;

    int run(const QByteArray& reply, ScriptedFileService::Ending ending = ScriptedFileService::Close,
            int stallMs = 10000) {
        QDir().mkpath(dir.filePath("UserImages"));
        ScriptedFileService service(reply, ending);
        TDownloadOrder order;
        order.name = "12.jpg";
        order.localPath = target;
        order.participant = 12;
        order.notify = {&notify, 0};
        order.kind = tkPicture;
        QObject context;
        MainThreadHandover mainThread(&context);
        struct NoActions final : IDownloadActions {
            void OpenDocument(const QString&) override {}
            void RefuseToOpen(const QString&) override {}
            void DrawOnBoard(int, const QImage&) override {}
        } actions;
        TFileDownloadThread download(Endpoint(service.port(), stallMs), Account(), order, mainThread,
                                     actions);
        const int code = download.Execute();
        EXPECT_EQ(service.request().record.LocalPath(), target);
        return code;
    }
    QStringList leftovers() const { return QDir(dir.filePath("UserImages")).entryList(QDir::Files); }
};

QByteArray Reply(std::int32_t dataSize, std::int32_t fileSize, const QByteArray& content,
                 const QString& localPath = {}) {
    TResourceRecord record;
    record.SetFileName("12.jpg");
    record.SetFileSize(fileSize);
    record.SetLocalPath(localPath);
    return ReplyHeader(cmDownloadPicture, dataSize) + record.toByteArray() + content;
}

TEST(DownloadThread, WritesOnlyToThePathItWasStartedWith) {
    PictureDownload d;
    const QString elsewhere = d.dir.filePath("precious.txt");
    WriteFile(elsewhere, "keep me");
    WriteFile(d.target, "the old picture");
    EXPECT_EQ(d.run(Reply(773 + 5, 5, "image", elsewhere)), 0);
    EXPECT_EQ(ReadFile(d.target), "image");
    EXPECT_EQ(ReadFile(elsewhere), "keep me");
    EXPECT_EQ(d.notify.all(), (std::vector<test::PostedMessage>{{MainMsg::PictureDownloaded, 12, 0}}))
        << "a picture is nobody's presentation: no acknowledgement";
}

TEST(DownloadThread, ABadReplyLeavesNoFileAndKeepsTheOldOne) {
    const QByteArray image(100000, 'i');
    const struct {
        const char* what;
        QByteArray reply;
        ScriptedFileService::Ending ending;
        int code;
    } cases[] = {
        {"a refusal", ReplyHeader(cmDownloadPicture, 0, 5), ScriptedFileService::Close, 5},
        {"a reply cut short in the file", Reply(773 + 100000, 100000, image.left(60000)),
         ScriptedFileService::Close, ResultCode::OperationFailed},
        {"a reply cut short in the record", ReplyHeader(cmDownloadPicture, 773 + 10) + QByteArray(300, '\0'),
         ScriptedFileService::Close, ResultCode::OperationFailed},
        {"a file larger than the reply", Reply(773 + 10, 100000, image), ScriptedFileService::Close,
         ResultCode::OperationFailed},
        {"a negative file size", Reply(773 + 10, -1, image.left(10)), ScriptedFileService::Close,
         ResultCode::OperationFailed},
        {"a reply without the record", ReplyHeader(cmDownloadPicture, 772) + QByteArray(772, '\0'),
         ScriptedFileService::Close, ResultCode::OperationFailed},
        {"a huge size that never comes", Reply(0x7FFFFFFF, 0x7FFFFFFF - 773, image.left(1000)),
         ScriptedFileService::Close, ResultCode::OperationFailed},
        {"a reply that stalls", Reply(773 + 100000, 100000, image.left(1000)), ScriptedFileService::Hold,
         ResultCode::OperationFailed},
    };
    for (const auto& c : cases) {
        PictureDownload d;
        WriteFile(d.target, "the old picture");
        EXPECT_EQ(d.run(c.reply, c.ending, 300), c.code) << c.what;
        EXPECT_EQ(ReadFile(d.target), "the old picture") << c.what;
        EXPECT_EQ(d.leftovers(), QStringList{"12.jpg"}) << c.what << ": no partial file stays";
        EXPECT_EQ(d.notify.all(), (std::vector<test::PostedMessage>{{MainMsg::PictureDownloaded, 12, 1}}))
            << c.what;
    }
}

TEST(TemporaryNames, ExtensionsFromTheServerKeepOnlyLettersAndDigitsAndNamesNeverRepeat) {
    const std::pair<QString, QString> cases[] = {
        {".pdf", ".pdf"},
        {"PDF", ".PDF"},
        {"./../../x", ".x"},
        {".tar.gz", ".targz"},
        {".$(rm -rf)", ".rmrf"},
        {"", ""},
        {"...", ""},
        {".ñé", ""},
        {QString(40, 'a'), "." + QString(16, 'a')},
    };
    for (const auto& [given, safe] : cases)
        EXPECT_EQ(SafeExtension(given), safe) << given.toStdString();

    QTemporaryDir dir;
    std::set<QString> names;
    for (int i = 0; i < 50; ++i) {
        const QString path = TemporaryDownloadPath(dir.path(), "/../evil.jpg");
        ASSERT_FALSE(path.isEmpty());
        EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(dir.path()).absolutePath());
        EXPECT_TRUE(path.endsWith(".eviljpg"));
        names.insert(path);
    }
    EXPECT_EQ(names.size(), 50u);
}

} // namespace
} // namespace orv
