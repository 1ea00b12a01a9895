// Starting a presentation and stepping through it: the slide asked for (cmShowSlide), the rights on public
// boards, the private board offered to participants, and the slide controls following the state.
#include "slides/SlideNavigation.h"
#include "board/BoardModule.h"
#include "board/BoardWindow.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/CommandCatalogue.h"
#include "session/BoardAccess.h"
#include "session/ParticipantMarks.h"
#include "slides/SlideControlsPane.h"
#include "support/FakeSession.h"

#include <QMenu>
#include <QToolButton>

#include <gtest/gtest.h>

namespace orv {
namespace {

struct FakeBoards final : IBoardAccess {
    std::int32_t CurrentBoard() const override { return board; }
    bool HoldsLock() const override { return lock; }
    void SwitchBoard(int b, bool announce) override {
        switches.emplace_back(b, announce);
        board = b;
    }
    std::int32_t board = 0;
    bool lock = false;
    std::vector<std::pair<int, bool>> switches;
};

struct CountingMarks final : IParticipantMarks {
    void HideLoadMarks() override { ++hidden; }
    int hidden = 0;
};

struct Navigation {
    Navigation() {
        session.state.account.SetAccountType(1000);
        presentation.SetFileName("Forces.pptx");
        presentation.SetFileExt(".pptx");
        presentation.SetDescription("Pres_7_123456");
        presentation.SetItemCount(4);
        navigation.SetLinkUp(true);
    }
    // The slides asked for, as (board, file name), and that every request is otherwise the presentation's.
    std::vector<std::pair<int, QString>> asked() const {
        std::vector<std::pair<int, QString>> out;
        for (const test::SentPacket& p : session.sender.sent) {
            EXPECT_EQ(p.command, cmShowSlide);
            PayloadReader reader(p.payload);
            const TBoardPictureMessage m = TBoardPictureMessage::decode(reader);
            EXPECT_EQ(m.record.FileExt(), ".JPG");
            EXPECT_EQ(m.record.Description(), "Pres_7_123456");
            EXPECT_EQ(m.record.ItemCount(), 4);
            out.emplace_back(m.board, m.record.FileName());
        }
        return out;
    }
    test::FakeSession session;
    FakeBoards boards;
    CountingMarks marks;
    TSlideNavigation navigation{session.context, boards, marks};
    TResourceRecord presentation;
};

using Asked = std::vector<std::pair<int, QString>>;

TEST(SlideNavigation, StepsAskForTheSlideOnTheCurrentBoard) {
    Navigation n;
    n.boards.board = 1;
    n.boards.lock = true;
    n.navigation.Open(&n.presentation);
    n.navigation.Next();
    n.navigation.Last();
    n.navigation.Next(); // on the last slide: the last again
    n.navigation.Previous();
    n.navigation.First();
    n.navigation.Previous(); // on the first: the first again
    n.navigation.Jump(3);
    n.navigation.Jump(9); // no such slide: nothing
    n.navigation.Repeat();
    EXPECT_EQ(n.asked(), (Asked{{1, "Slide_1.JPG"},
                                {1, "Slide_2.JPG"},
                                {1, "Slide_4.JPG"},
                                {1, "Slide_4.JPG"},
                                {1, "Slide_3.JPG"},
                                {1, "Slide_1.JPG"},
                                {1, "Slide_1.JPG"},
                                {1, "Slide_3.JPG"},
                                {1, "Slide_3.JPG"}}));
    EXPECT_EQ(n.marks.hidden, 9) << "every slide clears the load marks first";
    EXPECT_TRUE(n.session.dialogs.shown.isEmpty());
}

TEST(SlideNavigation, PublicBoardsNeedTheLockAndParticipantsAreOfferedThePrivateBoard) {
    {
        Navigation n; // a moderator without the lock on a public board
        n.boards.board = 2;
        n.navigation.Open(&n.presentation);
        EXPECT_TRUE(n.asked().empty());
        EXPECT_FALSE(n.navigation.CurrentPresentation());
        ASSERT_EQ(n.session.dialogs.shown.size(), 1);
        EXPECT_TRUE(
            n.session.dialogs.shown[0].startsWith("error: You can't load this resource on a public board"));
    }
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        Navigation n; // a participant holding the lock
        n.session.state.account.SetAccountType(0);
        n.session.dialogs.answer = yes;
        n.boards.board = 3;
        n.boards.lock = true;
        n.navigation.Open(&n.presentation);
        ASSERT_EQ(n.session.dialogs.shown.size(), 1);
        EXPECT_TRUE(n.session.dialogs.shown[0].startsWith(
            "question: You must be a session moderator to launch a PPT slide on a public board."));
        if (yes) {
            EXPECT_EQ(n.boards.switches, (std::vector<std::pair<int, bool>>{{0, false}})) << "not announced";
            EXPECT_EQ(n.asked(), (Asked{{0, "Slide_1.JPG"}}));
        } else {
            EXPECT_TRUE(n.boards.switches.empty());
            EXPECT_TRUE(n.asked().empty());
        }
    }
}

TEST(SlideNavigation, NothingIsAskedInPlaybackOrWhileTheLinkIsDown) {
    Navigation down;
    down.navigation.SetLinkUp(false);
    down.navigation.Open(&down.presentation);
    EXPECT_TRUE(down.asked().empty());
    EXPECT_EQ(down.navigation.CurrentSlide(), 1);

    Navigation playback;
    playback.session.state.launchMode = TLaunchMode::LocalFile;
    playback.navigation.Open(&playback.presentation);
    playback.navigation.Next();
    EXPECT_TRUE(playback.asked().empty());

    Navigation none;
    none.navigation.Open(&none.presentation);
    none.navigation.Open(nullptr); // no row selected: no presentation
    EXPECT_FALSE(none.navigation.CurrentPresentation());
    none.navigation.Next();
    EXPECT_EQ(none.asked().size(), 1u);
}

TEST(SlideControls, FollowTheNavigation) {
    Navigation n;
    TSlideControlsPane pane(n.navigation);
    n.navigation.SetChanged([&] { pane.Refresh(); });
    auto enabled = [&] {
        QString s;
        for (const char* name : {"acPPT_FirstSlide", "acPPT_PrevSlide", "acPPT_NextSlide", "acPPT_LastSlide",
                                 "acPPT_RepeatCurrent"})
            s += pane.Action(name)->isEnabled() ? '1' : '0';
        return s + (pane.JumpButton()->isEnabled() ? '1' : '0');
    };
    EXPECT_EQ(enabled(), "000000");
    EXPECT_EQ(pane.JumpButton()->text(), "");
    n.navigation.Open(&n.presentation);
    EXPECT_EQ(enabled(), "001111");
    EXPECT_EQ(pane.JumpButton()->text(), "1");
    n.navigation.Last();
    EXPECT_EQ(enabled(), "110011");
    EXPECT_EQ(pane.JumpButton()->text(), "4");
    const QList<QAction*> entries = pane.SlideMenu()->actions();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_TRUE(entries[3]->isChecked());
    EXPECT_FALSE(entries[0]->isChecked());
    entries[1]->trigger(); // the menu is rebuilt from inside its own entry
    EXPECT_EQ(pane.JumpButton()->text(), "2");
    EXPECT_EQ(n.asked().back(), std::make_pair(0, QString("Slide_2.JPG")));
    pane.Action("acPPT_FirstSlide")->trigger();
    EXPECT_EQ(n.navigation.CurrentSlide(), 1);

    // A list that claims a huge slide count still gives a menu of bounded size.
    n.presentation.SetItemCount(2'000'000'000);
    n.navigation.Open(&n.presentation);
    EXPECT_LE(pane.SlideMenu()->actions().size(), 500);
}

TEST(SlideControls, SitOnTheBoardWindowsTopBar) {
    test::FakeSession session;
    TBoardModule board(session.context);
    CountingMarks marks;
    TSlideNavigation navigation(session.context, board.Sharing(), marks);
    navigation.SetLinkUp(true);
    auto* pane = new TSlideControlsPane(navigation);
    navigation.SetChanged([pane] { pane->Refresh(); });
    TfrmBoard* window = board.Window();
    ASSERT_NE(window, nullptr);
    window->AddTopBarWidget(pane);
    TResourceRecord presentation;
    presentation.SetItemCount(12);
    board.Sharing().SwitchBoard(0, false);
    navigation.Open(&presentation); // the private board: no lock needed
    navigation.Jump(5);
    EXPECT_EQ(window->findChild<QToolButton*>("btnJumpToSlide")->text(), "5");
    EXPECT_EQ(session.sender.sent.size(), 2u);
    // ORV_SCREENSHOTS=DIR keeps a picture of the board window with the slide controls there, to look at.
    const QString shots = qEnvironmentVariable("ORV_SCREENSHOTS");
    if (!shots.isEmpty()) {
        window->resize(1024, 700);
        window->show();
        QCoreApplication::processEvents();
        window->grab().save(shots + "/board-slide-controls.png");
    }
}

} // namespace
} // namespace orv
