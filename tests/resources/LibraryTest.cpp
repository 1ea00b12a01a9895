// The libraries on the client: list replies of every length, the file-type pictures and size texts, the
// delete answers reaching the list they concern, launching and its lock rule, and what others present.
#include "protocol/BoardSharingMessages.h"
#include "protocol/LibraryMessages.h"
#include "protocol/PollMessages.h"
#include "protocol/ResultCodes.h"
#include "protocol/Stamp.h"
#include "resources/LibraryModule.h"
#include "resources/ResourceColumns.h"
#include "resources/ResourceLibrary.h"
#include "resources/ResourceMessageIds.h"
#include "resources/ResourcesModule.h"
#include "session/BoardAccess.h"
#include "session/ParticipantMarks.h"
#include "session/ResourceTransfers.h"
#include "support/EventPump.h"
#include "support/FakeDirectory.h"
#include "support/FakeSession.h"
#include "support/QtPrinters.h"
#include "support/RoomEventLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace orv {
namespace {

using test::SentPacket;

constexpr std::uint16_t kOwn = 7, kPresenter = 3;

TResourceRecord Record(const QString& name, const QString& ext, std::int32_t size = 100) {
    TResourceRecord r;
    r.SetResourceId(4);
    r.SetFileName(name);
    r.SetFileExt(ext);
    r.SetFileSize(size);
    r.SetDescription("a comment");
    r.SetOwnerName("Teacher Example");
    return r;
}

struct RecordingTransfers final : IResourceTransfers {
    void StartUpload(const QString& path, const QString& description, TNotifyWindow,
                     TTransferKind kind) override {
        uploads.push_back({path, description, kind});
    }
    void StartDownload(const TDownloadOrder& order) override { downloads.push_back(order); }
    void DownloadUserPicture(std::uint16_t, TNotifyWindow) override {}
    bool UploadAndWait(const QString&, const QString&, std::int32_t, TTransferKind) override { return true; }
    struct Upload {
        QString path, description;
        TTransferKind kind;
    };
    std::vector<Upload> uploads;
    std::vector<TDownloadOrder> downloads;
};

test::FakeDirectory PresenterOnly() {
    return test::FakeDirectory({{kPresenter, "Teacher", "Teacher Example", "Teacher Example", 0}});
}

struct CountingMarks final : IParticipantMarks {
    void HideLoadMarks() override { ++hidden; }
    int hidden = 0;
};

struct Boards final : IBoardAccess {
    std::int32_t CurrentBoard() const override { return current; }
    bool HoldsLock() const override { return false; }
    void SwitchBoard(int board, bool announce) override {
        switches.push_back({board, announce});
        if (board >= 0 && board <= 5)
            current = board;
    }
    std::int32_t current = 0;
    std::vector<std::pair<std::int32_t, bool>> switches;
};

struct LibraryFixture : ::testing::Test {
    LibraryFixture() {
        session.state.account.SetUserId(kOwn);
        library.SetBoards(&boards);
        library.SetOfferDocument([this](const TDocumentOffer& o) { offers.push_back(o); });
    }
    void receive(std::uint16_t command, const QByteArray& payload, std::uint16_t from = 0,
                 std::uint16_t result = 0) {
        const QByteArray stream = BuildPacket(command, from, 100, payload, result);
        const TPacketHeader header = TPacketHeader::decode(stream);
        library.Receive({header, stream});
    }
    void moderator() { session.state.account.SetAccountType(1000); }

    QTemporaryDir temporary;
    test::FakeSession session;
    RecordingTransfers transfers;
    test::FakeDirectory directory = PresenterOnly();
    CountingMarks marks;
    Boards boards;
    TResourceLibrary library{session.context, transfers, directory, marks, temporary.path()};
    std::vector<TDocumentOffer> offers;
};

QByteArray CountRecord(std::int32_t n) {
    TResourceRecord count;
    count.SetResourceId(n);
    return count.toByteArray();
}

TEST_F(LibraryFixture, ListRepliesHoldNoMoreRecordsThanThePayload) {
    const TResourceRecord a = Record("Plan.DOC", ".DOC"), b = Record("report.Pdf", ".Pdf");
    const QByteArray two = a.toByteArray() + b.toByteArray();
    const struct {
        const char* name;
        QByteArray payload;
        std::size_t expected;
    } cases[] = {
        {"normal", CountRecord(2) + two, 2},
        {"count beyond the payload", CountRecord(5) + two, 2},
        {"huge count", CountRecord(0x7fffffff) + two, 2},
        {"trailing part of a record", CountRecord(2) + two + QByteArray(100, 'x'), 2},
        {"count below the records", CountRecord(1) + two, 1},
        {"zero", CountRecord(0) + two, 0},
        {"negative", CountRecord(-3) + two, 0},
        {"empty payload", {}, 0},
        {"short payload", QByteArray(300, '\1'), 0},
    };
    for (const auto& c : cases) {
        for (const std::uint16_t command : {cmDocumentList, cmImageList, cmPresentationList}) {
            TLibraryList& list = *library.List(*ListKindOf(command));
            list.SetItems({a, b, a}); // what an earlier reply left
            receive(command, c.payload);
            ASSERT_EQ(list.Items().size(), c.expected) << c.name << " " << command;
            if (c.expected > 0)
                EXPECT_EQ(list.Items()[0], a) << c.name;
        }
    }
}

TEST(LibraryColumns, FileTypePicturesAndSizes) {
    const std::pair<const char*, int> pictures[] = {
        {".PDF", 29}, {".Pdf", 29}, {".ppt", 16}, {".HTML", 8}, {".php", 8}, {".DIVX", 6}, {".mp3", 6},
        {".png", 1},  {".CAB", 4},  {".zip", 4},  {".TXT", 2},  {".CVS", 2}, {".cvs", 2},  {".csv", 5},
        {".XLS", 3},  {".dot", 7},  {".DOCX", 5}, {"", 5},      {"PDF", 5},  {".jpeg", 5},
    };
    for (const auto& [ext, image] : pictures)
        EXPECT_EQ(FileTypeImage(ext), image) << ext;
    const std::pair<std::int64_t, const char*> sizes[] = {
        {1536, "2 KB"}, {2560, "2 KB"}, {3584, "4 KB"}, {512, "0 KB"},  {513, "1 KB"},
        {1535, "1 KB"}, {0, "0 KB"},    {-5, "0 KB"},   {1024, "1 KB"}, {2147483647, "2097152 KB"},
    };
    for (const auto& [bytes, text] : sizes)
        EXPECT_EQ(SizeText(bytes), text) << bytes;
    // The upload time: local, to the second, without a time zone the stamp never had.
    const QString uploaded = UploadedText(stampFromLocal(QDateTime(QDate(2025, 3, 4), QTime(8, 24, 5))));
    EXPECT_TRUE(uploaded.contains("8:24:05")) << uploaded.toStdString();
    EXPECT_FALSE(uploaded.contains(QDateTime::currentDateTime().timeZoneAbbreviation()))
        << uploaded.toStdString();
    EXPECT_EQ(UploadedText(0), "");
    EXPECT_EQ(UploadedText(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST_F(LibraryFixture, DeleteAnswersReachTheListTheyConcern) {
    moderator();
    receive(cmDeleteDocument, {}, kOwn, ResultCode::DeleteFailed);
    receive(cmDeleteImage, {}, kOwn, 0);
    receive(cmDeletePresentation, {}, kOwn, ResultCode::ResourceNotDeleted);
    ASSERT_TRUE(
        test::pumpUntil([&] { return !session.dialogs.shown.isEmpty() && !session.sender.sent.empty(); }));
    EXPECT_EQ(
        session.dialogs.shown,
        QStringList{"error: Unable to delete resource. It may be currently in use or does not exist any more "
                    "on the server."});
    EXPECT_EQ(session.sender.sent, (std::vector<SentPacket>{{cmImageList, {}}})) << "only the images reload";
    EXPECT_EQ(session.sink.withNumber(MainMsg::PresentationDeleted),
              (std::vector<test::PostedMessage>{
                  {MainMsg::PresentationDeleted, ResultCode::ResourceNotDeleted, 0}}));

    library.PresentationDeleted(0);
    EXPECT_EQ(session.sender.sent.back(), (SentPacket{cmPresentationList, {}}));
}

TEST_F(LibraryFixture, DeletingNeedsLibraryRightsAndAYes) {
    const TResourceRecord doc = Record("Plan.DOC", ".DOC");
    library.Delete(doc, tkDocument);
    EXPECT_EQ(session.dialogs.shown,
              QStringList{"error: You don't have permission to delete public resources"});
    session.state.account.SetResourceRole(1000); // library rights without being a moderator
    session.dialogs.answer = false;
    library.Delete(doc, tkDocument);
    EXPECT_TRUE(session.sender.sent.empty());
    session.dialogs.answer = true;
    library.Delete(doc, tkDocument);
    library.Delete(doc, tkLibraryImage);
    library.Delete(doc, tkPresentation);
    EXPECT_EQ(session.sender.sent, (std::vector<SentPacket>{{cmDeleteDocument, doc.toByteArray()},
                                                            {cmDeleteImage, doc.toByteArray()},
                                                            {cmDeletePresentation, doc.toByteArray()}}));
}

TEST_F(LibraryFixture, LaunchNeedsAModeratorOrTheLock) {
    const TResourceRecord doc = Record("Plan.DOC", ".DOC");
    boards.current = 2;
    EXPECT_FALSE(library.Launch(doc));
    EXPECT_TRUE(session.sender.sent.empty());
    EXPECT_TRUE(transfers.downloads.empty());
    ASSERT_EQ(session.dialogs.shown.size(), 1);
    EXPECT_TRUE(session.dialogs.shown[0].startsWith("error: You can't load this resource on a public board"));

    session.state.boardHolder = kOwn; // the lock holder may
    EXPECT_TRUE(library.Launch(doc));
    session.state.boardHolder = 0;
    moderator(); // and so may a moderator without it
    EXPECT_TRUE(library.Launch(doc));
    const SentPacket present{cmPushDocument, TResourcePushMessage{2, doc}.encode()};
    EXPECT_EQ(session.sender.sent, (std::vector<SentPacket>{present, present}));
    EXPECT_EQ(marks.hidden, 2);
    ASSERT_EQ(transfers.downloads.size(), 2u);
    const TDownloadOrder& order = transfers.downloads[0];
    EXPECT_EQ(order.kind, tkDocument);
    EXPECT_TRUE(order.openAfter);
    EXPECT_EQ(order.participant, 0);
    EXPECT_TRUE(order.localPath.startsWith(temporary.path()) && order.localPath.endsWith(".DOC"))
        << order.localPath.toStdString();
    EXPECT_NE(transfers.downloads[1].localPath, order.localPath) << "every launch gets a file of its own";
}

TEST_F(LibraryFixture, APresentedDocumentIsOfferedAndDownloadsOnlyOnOk) {
    boards.current = 4;
    TResourceRecord doc = Record("../../notes.txt", "/../.TXT");
    receive(cmPushDocument, TResourcePushMessage{1, doc}.encode(), kPresenter);
    receive(cmPushDocument, TResourcePushMessage{1, doc}.encode(), 99); // nobody in the room
    ASSERT_EQ(offers.size(), 1u);
    const TDocumentOffer offer = offers[0];
    EXPECT_EQ(offer.senderName, "Teacher Example");
    EXPECT_EQ(offer.board, 4);
    EXPECT_EQ(QFileInfo(offer.localPath).absolutePath(), QDir(temporary.path()).absolutePath())
        << "a name from the server stays in the folder";
    EXPECT_TRUE(offer.localPath.endsWith(".TXT"));
    EXPECT_TRUE(boards.switches.empty()) << "a document does not switch boards";

    library.DeclineOffer(offer);
    EXPECT_TRUE(transfers.downloads.empty()) << "Cancel downloads nothing";
    EXPECT_FALSE(QFile::exists(offer.localPath));
    library.AcceptOffer(offer);
    ASSERT_EQ(transfers.downloads.size(), 1u);
    const TDownloadOrder& order = transfers.downloads[0];
    EXPECT_EQ(order.name, "../../notes.txt");
    EXPECT_EQ(order.participant, kPresenter);
    EXPECT_EQ(order.notify.sink, &session.sink);
    EXPECT_EQ(order.board, 4);
    EXPECT_TRUE(order.openAfter);
}

TEST_F(LibraryFixture, PresentedImagesAndSlidesGoOnTheirBoard) {
    receive(cmPushImage, TResourcePushMessage{3, Record("map.jpg", ".jpg")}.encode(), 99);
    receive(cmPushPresentation, TResourcePushMessage{2, Record("Slide_1.JPG", ".JPG")}.encode(), kPresenter);
    receive(cmPushImage, TResourcePushMessage{3, Record("x.jpg", ".jpg")}.encode(), kOwn,
            ResultCode::NotPermitted);
    EXPECT_EQ(boards.switches, (std::vector<std::pair<std::int32_t, bool>>{{3, true}, {2, true}}));
    ASSERT_EQ(transfers.downloads.size(), 2u) << "a refusal downloads nothing";
    EXPECT_EQ(transfers.downloads[0].kind, tkLibraryImage);
    EXPECT_EQ(transfers.downloads[0].board, 3);
    EXPECT_EQ(transfers.downloads[0].participant, 99) << "downloaded even from somebody not in the roster";
    EXPECT_EQ(transfers.downloads[1].kind, tkSlide);
    EXPECT_EQ(transfers.downloads[1].board, 2);
    EXPECT_EQ(transfers.downloads[1].description, "a comment");
}

TEST_F(LibraryFixture, LoadingAnImageAsksForItOnTheCurrentBoard) {
    boards.current = 3;
    const TResourceRecord image = Record("map.jpg", ".jpg");
    library.LoadImage(image);
    EXPECT_EQ(marks.hidden, 1);
    EXPECT_EQ(session.sender.sent,
              (std::vector<SentPacket>{{cmShowLibraryImage, TBoardPictureMessage{3, image, {}}.encode()}}));
}

TEST(LibraryModule, AcknowledgesShownContentAndFollowsTheLibraryRight) {
    QTemporaryDir temporary;
    test::FakeSession session;
    TResourcesModule resources(session.context, {temporary.path()}, nullptr);
    test::FakeDirectory directory = PresenterOnly();
    CountingMarks marks;
    TLibraryModule module(session.context, resources, directory, marks, {temporary.path(), temporary.path()});
    TMessageRouter main;
    module.RegisterMessages(main);
    EXPECT_FALSE(module.DocumentsAction()->isEnabled());
    session.state.account.SetResourceRole(1000);
    module.OwnRoleChanged();
    EXPECT_TRUE(module.DocumentsAction()->isEnabled());
    EXPECT_TRUE(module.ImagesAction()->isEnabled());
    ASSERT_EQ(session.panes.pages.count(TNavigationPage::PowerPoint), 1u);

    main.Deliver(MainMsg::AcknowledgeContent, kPresenter, 0);
    main.Deliver(MainMsg::AcknowledgeContent, 0, 0);          // nobody presented it
    main.Deliver(MainMsg::AcknowledgeContent, kPresenter, 1); // it failed
    EXPECT_EQ(session.sender.sent,
              (std::vector<SentPacket>{{cmAcknowledge, TAcknowledgeMessage{kPresenter}.encode()}}));
    // Pictures shown on a board are acknowledged the same way.
    session.events.contentShown.Raise(0);
    session.events.contentShown.Raise(kPresenter);
    test::DeliverRaised(session.events);
    EXPECT_EQ(session.sender.sent,
              (std::vector<SentPacket>(2, {cmAcknowledge, TAcknowledgeMessage{kPresenter}.encode()})));
    session.sender.sent.resize(1);

    session.state.launchMode = TLaunchMode::LocalFile;
    module.ShowDocuments(); // nothing in playback
    main.Deliver(MainMsg::AcknowledgeContent, kPresenter, 0);
    EXPECT_EQ(session.sender.sent.size(), 1u);
}

} // namespace
} // namespace orv
