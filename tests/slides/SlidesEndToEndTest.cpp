// Slides through our session server: a moderator exports a presentation with the wizard (a fake converter
// makes each slide a picture of its own colour; the uploads are real), locks the board and shows slide 2 on
// board 1; a participant's board 1 shows the same picture.
#include "board/BoardModule.h"
#include "resources/ResourcesModule.h"
#include "session/ParticipantMarks.h"
#include "slides/PPTExportDialog.h"
#include "slides/SlidesModule.h"
#include "support/LiveClient.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"
#include "tests/slides/FakeConverter.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

constexpr std::uint16_t kTeacher = 1, kAlice = 2;

server::ServerConfig Classroom(const QString& store) {
    server::ServerConfig c = test::ClassroomConfig({{"teacher", kTeacher, 1000}, {"alice", kAlice}});
    c.storePath = store;
    return c;
}

struct NoDownloadActions final : IDownloadActions {
    void OpenDocument(const QString&) override {}
    void RefuseToOpen(const QString&) override {}
    void DrawOnBoard(int, const QImage&) override {}
};

struct SlidesClient : test::LiveClient {
    explicit SlidesClient(const QString& folder) : LiveClient(folder) {
        add(board);
        add(resources);
        add(slides);
    }
    struct NoMarks final : IParticipantMarks {
        void HideLoadMarks() override {}
    };
    NoMarks noMarks;
    QTemporaryDir temporary;
    TBoardModule board{context};
    TResourcesModule resources{context, TResourceFolders{}, std::make_unique<NoDownloadActions>()};
    test::FakeConverter converter;
    TSlidesModule slides{context,
                         {board.Sharing(), noMarks, resources, temporary.path(),
                          [this] {
                              // Each export gets its own converter doing what the test's fake does.
                              auto c = std::make_unique<test::FakeConverter>();
                              c->slides = converter.slides;
                              return std::unique_ptr<IPresentationConverter>(std::move(c));
                          },
                          [] { return true; }}};
};

bool NearColour(QRgb pixel, QColor expected) {
    return std::abs(qRed(pixel) - expected.red()) < 16 && std::abs(qGreen(pixel) - expected.green()) < 16 &&
           std::abs(qBlue(pixel) - expected.blue()) < 16;
}

TEST(SlidesEndToEnd, AModeratorShowsSlideTwoOnBoardOneAndAParticipantSeesIt) {
    QTemporaryDir store, homes[2];
    test::ServerThread server(Classroom(store.path()));
    server.listenBulk();
    SlidesClient teacher(homes[0].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    SlidesClient alice(homes[1].path());
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);

    // The wizard exports three slides and the descriptor to the room's presentation library.
    const std::unique_ptr<TfrmPPTExport> wizard = teacher.slides.NewWizard();
    wizard->FileBox()->setText(homes[0].filePath("Forces.pptx"));
    wizard->StartUpload();
    ASSERT_TRUE(pumpUntil([&] { return !teacher.dialogs.shown.isEmpty(); }));
    ASSERT_EQ(teacher.dialogs.shown, QStringList{"info: Presentation successfully exported to server."});

    // The library row the list would give: the presentation's key and its slide count.
    TResourceRecord presentation;
    presentation.SetFileName("Forces.pptx");
    presentation.SetFileExt(".pptx");
    presentation.SetDescription(TPresentationExport::PresentationKey(kTeacher, teacher.clock.tickCount()));
    presentation.SetItemCount(3);

    teacher.board.Sharing().ExecuteLockBoard();
    ASSERT_TRUE(pumpUntil([&] { return teacher.board.Sharing().HoldsLock(); }));
    teacher.board.Sharing().SwitchBoard(1, true);
    ASSERT_TRUE(pumpUntil([&] { return alice.board.Boards().CurrentBoard() == 1; }));
    teacher.slides.OpenPresentation(&presentation);
    teacher.slides.Navigation().Next();
    EXPECT_EQ(teacher.slides.Navigation().CurrentSlide(), 2);

    const QPoint middle(160, 120);
    auto shows = [&](SlidesClient& client, int slide) {
        const QImage& image = client.board.Boards().Board(1).Image();
        return NearColour(image.pixel(middle), test::SlideColour(slide));
    };
    ASSERT_TRUE(pumpUntil([&] { return shows(alice, 2); })) << "the participant's board 1 shows slide 2";
    ASSERT_TRUE(pumpUntil([&] { return shows(teacher, 2); })) << "and so does the moderator's";
    EXPECT_EQ(alice.board.Boards().Board(1).Image(), teacher.board.Boards().Board(1).Image());
    EXPECT_TRUE(alice.notices.lines.isEmpty()) << alice.notices.lines.join('|').toStdString();
}

} // namespace
} // namespace orv
