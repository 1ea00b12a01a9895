// The file service's store: lists per room and kind kept on disk with their index, the rules for names that
// are already there, and files that never leave their folder.
#include "protocol/ResultCodes.h"
#include "protocol/Stamp.h"
#include "support/QtPrinters.h"

#include "ResourceStore.h"
#include "ServerConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using server::ResourceList;
using server::ResourceStore;

TAccountRecord Uploader(std::uint16_t id, const QString& fullName) {
    TAccountRecord a;
    a.SetUserId(id);
    a.SetFullName(fullName);
    return a;
}

TResourceRecord Record(const QString& name, const QString& description = {}, std::int32_t items = 0) {
    TResourceRecord r;
    r.SetFileName(name);
    r.SetFileExt("." + name.section('.', -1));
    r.SetLocalPath("/home/someone/" + name);
    r.SetDescription(description);
    r.SetOwnerName("Whoever Says So");
    r.SetUploaded(45000.5);
    r.SetItemCount(items);
    return r;
}

// Keeps an upload whose file holds `bytes`; returns the result code.
std::uint16_t Keep(ResourceStore& store, std::int32_t room, TTransferKind kind, const TResourceRecord& record,
                   const QByteArray& bytes, const TAccountRecord& uploader = Uploader(7, " Tess Marlowe ")) {
    auto content = kind == tkWebLink ? nullptr : store.createContent(room, kind);
    if (content) {
        content->write(bytes);
        content->flush();
    }
    return store.keep(room, kind, record, uploader, std::move(content));
}

QByteArray ContentOf(ResourceStore& store, std::int32_t room, TTransferKind kind,
                     const TResourceRecord& request) {
    const auto found = store.find(room, kind, request);
    if (!found)
        return "<none>";
    QFile f(found->path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QStringList Names(const std::vector<TResourceRecord>& records) {
    QStringList names;
    for (const TResourceRecord& r : records)
        names << r.FileName();
    return names;
}

TEST(ResourceStore, KeepsUploadsPerRoomAndListAndFindsThemAfterARestart) {
    QTemporaryDir dir;
    {
        ResourceStore store(dir.path());
        EXPECT_EQ(Keep(store, 100, tkDocument, Record("Plan.DOC", "draft"), "plan"), ResultCode::Success);
        EXPECT_EQ(Keep(store, 100, tkDocument, Record("notes.txt"), "notes"), ResultCode::Success);
        EXPECT_EQ(Keep(store, 200, tkDocument, Record("other.pdf"), "other"), ResultCode::Success);
        EXPECT_EQ(Keep(store, 100, tkLibraryImage, Record("cell.jpg", "A cell"), "jpeg"),
                  ResultCode::Success);
        EXPECT_EQ(Keep(store, 100, tkWebLink, Record("http://example.org/", "Example"), {}),
                  ResultCode::Success);
    }
    ResourceStore store(dir.path()); // everything comes back from the indexes
    const auto documents = store.list(100, ResourceList::Documents);
    EXPECT_EQ(Names(documents), (QStringList{"Plan.DOC", "notes.txt"}));
    EXPECT_EQ(Names(store.list(200, ResourceList::Documents)), QStringList{"other.pdf"});
    EXPECT_EQ(Names(store.list(100, ResourceList::Images)), QStringList{"cell.jpg"});
    EXPECT_EQ(Names(store.list(100, ResourceList::WebLinks)), QStringList{"http://example.org/"});
    EXPECT_TRUE(store.list(300, ResourceList::Documents).empty());

    const TResourceRecord& plan = documents[0];
    EXPECT_GT(plan.ResourceId(), 0);
    EXPECT_NE(plan.ResourceId(), documents[1].ResourceId());
    EXPECT_EQ(plan.FileSize(), 4);
    EXPECT_EQ(plan.FileExt(), ".DOC");
    EXPECT_EQ(plan.Description(), "draft");
    EXPECT_EQ(plan.OwnerName(), "Tess Marlowe") << "the owner is the uploader's account, trimmed";
    EXPECT_EQ(plan.LocalPath(), "") << "the uploader's folders are not shown to others";
    EXPECT_NEAR(plan.Uploaded(), 45000.5, 1.0 / 86400);

    EXPECT_EQ(ContentOf(store, 100, tkDocument, Record("PLAN.doc")), "plan") << "names match without case";
    EXPECT_EQ(ContentOf(store, 200, tkDocument, Record("Plan.DOC")), "<none>") << "another room's list";
    EXPECT_EQ(ContentOf(store, 100, tkLibraryImage, Record("cell.jpg")), "jpeg");
    EXPECT_EQ(ContentOf(store, 100, tkPresentation, Record("x.ppt")), "<none>") << "never downloaded";
}

TEST(ResourceStore, DocumentsImagesAndLinksKeepTheirNamesWhilePicturesSlidesAndPresentationsReplace) {
    QTemporaryDir dir;
    ResourceStore store(dir.path());
    for (const TTransferKind kind : {tkDocument, tkLibraryImage, tkWebLink}) {
        ASSERT_EQ(Keep(store, 100, kind, Record("same.jpg"), {}), ResultCode::Success);
        EXPECT_EQ(store.admit(100, kind, Record("SAME.JPG")), ResultCode::FileExists) << kind;
        EXPECT_EQ(Keep(store, 100, kind, Record("same.jpg"), {}), ResultCode::FileExists) << kind;
    }

    // A picture is the uploader's, named after the user, and one per user on the whole server.
    EXPECT_EQ(Keep(store, 100, tkPicture, Record("me.jpg"), "old", Uploader(12, "Ann")), ResultCode::Success);
    EXPECT_EQ(Keep(store, 200, tkPicture, Record("new.jpg"), "new", Uploader(12, "Ann")),
              ResultCode::Success);
    EXPECT_EQ(Names(store.list(300, ResourceList::Pictures)), QStringList{"12.jpg"});
    EXPECT_EQ(ContentOf(store, 300, tkPicture, Record("12.jpg")), "new");

    // Slides belong to a presentation: the same name in another presentation is another slide.
    EXPECT_EQ(Keep(store, 100, tkSlide, Record("Slide_1.JPG", "Pres_7_1", 1), "a1"), ResultCode::Success);
    EXPECT_EQ(Keep(store, 100, tkSlide, Record("Slide_1.JPG", "Pres_7_2", 1), "b1"), ResultCode::Success);
    EXPECT_EQ(Keep(store, 100, tkSlide, Record("Slide_1.jpg", "Pres_7_1", 1), "a1 again"),
              ResultCode::Success);
    EXPECT_EQ(ContentOf(store, 100, tkSlide, Record("slide_1.JPG", "Pres_7_1")), "a1 again");
    EXPECT_EQ(ContentOf(store, 100, tkSlide, Record("Slide_1.JPG", "Pres_7_2")), "b1");
    EXPECT_EQ(ContentOf(store, 100, tkSlide, Record("Slide_1.JPG", "Pres_9_9")), "<none>");
    EXPECT_EQ(store.list(100, ResourceList::Slides).size(), 2u);

    EXPECT_EQ(Keep(store, 100, tkPresentation, Record("Lecture.ppt", "Pres_7_1", 3), "d"),
              ResultCode::Success);
    EXPECT_EQ(Keep(store, 100, tkPresentation, Record("Lecture.ppt", "Pres_7_2", 1), "d"),
              ResultCode::Success);
    EXPECT_EQ(Keep(store, 100, tkPresentation, Record("Lecture.ppt", "Pres_7_1", 4), "d"),
              ResultCode::Success);
    const auto presentations = store.list(100, ResourceList::Presentations);
    ASSERT_EQ(presentations.size(), 2u);
    EXPECT_EQ(presentations[1].ItemCount(), 4) << "the newer descriptor of a presentation replaces the older";
}

TEST(ResourceStore, RemovingAPresentationTakesItsSlidesAndFilesAlong) {
    QTemporaryDir dir;
    ResourceStore store(dir.path());
    ASSERT_EQ(Keep(store, 100, tkSlide, Record("Slide_1.JPG", "Pres_7_1", 1), "a"), ResultCode::Success);
    ASSERT_EQ(Keep(store, 100, tkSlide, Record("Slide_1.JPG", "Pres_7_2", 1), "b"), ResultCode::Success);
    ASSERT_EQ(Keep(store, 100, tkPresentation, Record("L.ppt", "Pres_7_1", 1), "d"), ResultCode::Success);
    const std::int32_t id = store.list(100, ResourceList::Presentations)[0].ResourceId();
    const QString slidePath = store.find(100, tkSlide, Record("Slide_1.JPG", "Pres_7_1"))->path;

    EXPECT_FALSE(store.remove(100, ResourceList::Presentations, id + 1000));
    EXPECT_TRUE(store.remove(100, ResourceList::Presentations, id));
    EXPECT_TRUE(store.list(100, ResourceList::Presentations).empty());
    EXPECT_EQ(Names(store.list(100, ResourceList::Slides)), QStringList{"Slide_1.JPG"});
    EXPECT_EQ(ContentOf(store, 100, tkSlide, Record("Slide_1.JPG", "Pres_7_2")), "b");
    EXPECT_FALSE(QFile::exists(slidePath));
    EXPECT_EQ(Names(ResourceStore(dir.path()).list(100, ResourceList::Slides)), QStringList{"Slide_1.JPG"});
}

TEST(ResourceStore, FilesStayInsideTheirFolderWhateverTheNamesSay) {
    QTemporaryDir dir;
    {
        ResourceStore store(dir.path());
        ASSERT_EQ(Keep(store, 100, tkDocument, Record("../../escape.sh"), "x"), ResultCode::Success);
    }
    const QDir documents(dir.filePath("room-100/documents"));
    const QStringList kept = documents.entryList(QDir::Files);
    EXPECT_EQ(kept.size(), 2) << kept.join(", ").toStdString(); // the file and the index
    EXPECT_FALSE(QFile::exists(dir.filePath("../escape.sh")));

    // A hand-written index naming a file outside its folder reaches only a file of that name inside it.
    QFile outside(dir.filePath("secret.txt"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.write("secret");
    outside.close();
    QFile index(documents.filePath("index.ini"));
    ASSERT_TRUE(index.open(QIODevice::Append));
    index.write("\n[50]\nname=secret.txt\nfile=../../secret.txt\n");
    index.close();
    ResourceStore reread(dir.path());
    EXPECT_EQ(ContentOf(reread, 100, tkDocument, Record("secret.txt")), "<none>");
    EXPECT_EQ(Names(reread.list(100, ResourceList::Documents)), QStringList{"escape.sh"})
        << "peers are told the base name only";
}

TEST(ResourceStore, ListsNameFilesByTheirBaseNameWhateverPathTheUploaderSent) {
    QTemporaryDir dir;
    ResourceStore store(dir.path());
    const struct Case {
        TTransferKind kind;
        QString sent, listed;
        std::uint16_t result;
    } cases[] = {
        {tkDocument, "../../x", "x", ResultCode::Success},
        {tkDocument, "/tmp/upload/x.txt", "x.txt", ResultCode::Success},
        {tkDocument, "a\\b", "b", ResultCode::Success},
        {tkDocument, "C:\\Users\\ana\\x.txt", {}, ResultCode::FileExists}, // the same name as above
        {tkDocument, "dir/", {}, ResultCode::InvalidParameter},
        {tkDocument, "..", {}, ResultCode::InvalidParameter},
        {tkLibraryImage, "shots/cell.jpg", "cell.jpg", ResultCode::Success},
        {tkWebLink, "http://example.org/a/b", "http://example.org/a/b", ResultCode::Success},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Keep(store, 100, c.kind, Record(c.sent), c.kind == tkWebLink ? QByteArray() : "x"),
                  c.result)
            << c.sent.toStdString();
    EXPECT_EQ(Names(store.list(100, ResourceList::Documents)), (QStringList{"x", "x.txt", "b"}));
    EXPECT_EQ(Names(store.list(100, ResourceList::Images)), QStringList{"cell.jpg"});
    EXPECT_EQ(Names(store.list(100, ResourceList::WebLinks)), QStringList{"http://example.org/a/b"});
}

TEST(ResourceStore, AHandWrittenIndexDescribesFilesLaidInTheFolder) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("room-100/documents"));
    QFile file(dir.filePath("room-100/documents/syllabus.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1536, 'p'));
    file.close();
    QFile index(dir.filePath("room-100/documents/index.ini"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[3]\nname=Syllabus.pdf\nfile=syllabus.pdf\ndescription=Week 1, the outline\n"
                "owner=Tess Marlowe\nuploaded=2025-03-03T09:30:00\n"
                "[4]\nname=missing.pdf\n");
    index.close();

    ResourceStore store(dir.path());
    const auto documents = store.list(100, ResourceList::Documents);
    ASSERT_EQ(documents.size(), 1u) << "an entry without its file is left out";
    EXPECT_EQ(documents[0].ResourceId(), 3);
    EXPECT_EQ(documents[0].FileName(), "Syllabus.pdf");
    EXPECT_EQ(documents[0].FileExt(), ".pdf");
    EXPECT_EQ(documents[0].FileSize(), 1536);
    EXPECT_EQ(documents[0].Description(), "Week 1, the outline");
    EXPECT_EQ(localFromStamp(documents[0].Uploaded()), QDateTime(QDate(2025, 3, 3), QTime(9, 30)));
    ASSERT_EQ(Keep(store, 100, tkDocument, Record("next.txt"), "n"), ResultCode::Success);
    EXPECT_EQ(store.list(100, ResourceList::Documents)[1].ResourceId(), 5)
        << "new numbers follow the index's";
}

TEST(ResourceStore, TheDemoStoreHasEveryListWithItsFiles) {
    const auto config = server::loadServerConfig(ORV_SOURCE_DIR "/server/demo.ini");
    ASSERT_TRUE(QFileInfo(config.storePath).isDir()) << config.storePath.toStdString();
    ResourceStore store(config.storePath);
    for (const auto& [list, kind] :
         {std::pair{ResourceList::Documents, tkDocument}, std::pair{ResourceList::Images, tkLibraryImage}}) {
        const auto records = store.list(100, list);
        EXPECT_GE(records.size(), 3u);
        for (const TResourceRecord& r : records)
            EXPECT_GT(ContentOf(store, 100, kind, r).size(), 100) << r.FileName().toStdString();
    }
    EXPECT_GE(store.list(100, ResourceList::WebLinks).size(), 2u);
    EXPECT_FALSE(store.list(200, ResourceList::Documents).empty());
    const auto presentations = store.list(100, ResourceList::Presentations);
    ASSERT_EQ(presentations.size(), 1u);
    for (int n = 1; n <= presentations[0].ItemCount(); ++n)
        EXPECT_TRUE(
            store.find(100, tkSlide, Record(QString("Slide_%1.JPG").arg(n), presentations[0].Description())))
            << n;
    for (const auto& account : config.accounts)
        if (!account.blocked)
            EXPECT_TRUE(store.find(100, tkPicture, Record(QString("%1.jpg").arg(account.userId))))
                << account.userName.toStdString();
}

} // namespace
} // namespace orv
