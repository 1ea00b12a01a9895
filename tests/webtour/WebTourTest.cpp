// The tour's rules without a browser engine: who announces, what is followed, the acknowledgement, the
// closing of the browser, the links library and the file viewer's selection and placing.
#include "protocol/CommandCatalogue.h"
#include "protocol/PollMessages.h"
#include "protocol/WebTourMessages.h"
#include "support/FakeSession.h"
#include "support/QtPrinters.h"
#include "webtour/FileViewer.h"
#include "webtour/WebLinks.h"
#include "webtour/WebTourFakes.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::SentPacket;

struct TourFixture {
    TourFixture(std::int32_t accountType = 1000) {
        session.state.account.SetUserId(7);
        session.state.account.SetAccountType(accountType);
        session.state.account.SetFullName("Tess Marlowe");
        tour.SetBrowser(&browser);
        tour.SetHooks({[this] { ++browserViews; }, [this] { ++boardViews; }});
    }
    std::vector<std::uint16_t> commands() const {
        std::vector<std::uint16_t> out;
        for (const SentPacket& p : session.sender.sent)
            out.push_back(p.command);
        return out;
    }

    test::FakeSession session;
    test::FakeTourBrowser browser;
    test::FakeBoardPlacement board;
    test::FakeMarks marks;
    TWebTour tour{session.context, &marks, &board};
    int browserViews = 0;
    int boardViews = 0;
};

TEST(WebTour, FollowsOnlyTheWebsOwnSchemes) {
    const std::pair<const char*, bool> cases[] = {
        {"http://example.org/a", true},  {"HTTPS://example.org", true},  {"about:blank", true},
        {"file:///etc/passwd", false},   {"javascript:alert(1)", false}, {"ftp://example.org", false},
        {"data:text/html,x", false},     {"about:config", false},        {"http:///nohost", false},
        {"mailto:a@example.org", false}, {"orvjoin://h,1,u,p,1", false}, {"view-source:http://x.org", false},
    };
    for (auto [url, followed] : cases)
        EXPECT_EQ(TWebTour::IsFollowable(QUrl(url)), followed) << url;
}

TEST(WebTour, OnlyAModeratorLeadingTheTourAnnouncesTopLevelPages) {
    struct Case {
        std::int32_t accountType;
        bool ownNavigation; // the user navigated (leader = self), or follows leader 3
        bool mainFrame;
        bool announced;
    };
    const Case cases[] = {
        {1000, true, true, true}, {1000, true, false, false}, {1000, false, true, false},
        {999, true, true, false}, {0, true, true, false},     {1001, true, true, true},
    };
    for (const Case& c : cases) {
        TourFixture f(c.accountType);
        f.board.board = 2;
        f.tour.NavigateTour("http://example.org/start", c.ownNavigation ? 7 : 3, "start");
        EXPECT_TRUE(f.tour.BeforeNavigation(QUrl("http://example.org/next"), c.mainFrame));
        ASSERT_EQ(f.session.sender.sent.size(), c.announced ? 1u : 0u) << c.accountType;
        if (!c.announced)
            continue;
        const SentPacket& sent = f.session.sender.sent[0];
        EXPECT_EQ(sent.command, cmPushWebLink);
        PayloadReader reader(sent.payload);
        const TWebLinkPush push = TWebLinkPush::decode(reader);
        EXPECT_EQ(push.board, 2);
        EXPECT_EQ(push.record.FileName(), "http://example.org/next");
        EXPECT_EQ(push.record.LocalPath(), "http://example.org/next");
        EXPECT_EQ(push.record.Description(), "Current page") << "the page title, trimmed";
        EXPECT_EQ(push.record.OwnerName(), "Tess Marlowe");
        EXPECT_EQ(push.record.FileExt(), "WWW");
        EXPECT_EQ(f.marks.hidden, 1);
        EXPECT_EQ(f.browser.remembered, QStringList{"http://example.org/next"});
        EXPECT_EQ(f.browser.shown, "http://example.org/next");
        EXPECT_EQ(f.tour.LastAnnounced(), "http://example.org/next");
    }
}

TEST(WebTour, TheBrowserRefusesAddressesItMayNotFollow) {
    TourFixture f;
    f.tour.GoTo("http://example.org");
    EXPECT_FALSE(f.tour.BeforeNavigation(QUrl("file:///etc/passwd"), true));
    EXPECT_FALSE(f.tour.BeforeNavigation(QUrl("mailto:a@example.org"), true));
    EXPECT_TRUE(f.tour.BeforeNavigation(QUrl("about:srcdoc"), false))
        << "frames inside the page are the page's";
    EXPECT_TRUE(f.session.sender.sent.empty());
}

TEST(WebTour, AReceivedPageIsFollowedWithItsSenderLeading) {
    TourFixture f;
    TWebLinkPush push{1, MakeWebLinkRecord("https://example.org/lesson", "Lesson", "Teacher")};
    f.tour.ReceivePush(3, push);
    ASSERT_EQ(f.browser.loads.size(), 1u);
    EXPECT_EQ(f.browser.loads[0], QUrl("https://example.org/lesson"));
    EXPECT_EQ(f.browserViews, 1);
    EXPECT_EQ(f.tour.Leader(), 3);
    EXPECT_TRUE(f.tour.BeforeNavigation(QUrl("https://example.org/lesson"), true));
    EXPECT_TRUE(f.session.sender.sent.empty()) << "a moderator following another leader announces nothing";
}

TEST(WebTour, ReceivedAddressesOfOtherSchemesAreRefused) {
    for (const char* address :
         {"file:///etc/passwd", "/etc/passwd", "javascript:alert(1)", "smb://host/share",
          "data:text/html,<script>x</script>", "about:config", ""}) {
        TourFixture f;
        f.tour.ReceivePush(3, {1, MakeWebLinkRecord(address, "x", "y")});
        f.tour.ReceiveTourAddress(address);
        EXPECT_TRUE(f.browser.loads.empty()) << address;
        EXPECT_EQ(f.browserViews, 0) << address;
        EXPECT_EQ(f.tour.Leader(), 0) << address;
    }
}

TEST(WebTour, TheTourAddressOnEntryIsShownWithoutLeaderOrViewChange) {
    TourFixture f;
    f.tour.GoTo("http://example.org/own");
    f.tour.ReceiveTourAddress("  https://example.org/tour  ");
    ASSERT_EQ(f.browser.loads.size(), 2u);
    EXPECT_EQ(f.browser.loads[1], QUrl("https://example.org/tour"));
    EXPECT_EQ(f.tour.Leader(), 0);
    EXPECT_EQ(f.browserViews, 1) << "only the own navigation switched the view";
    f.tour.ReceiveTourAddress("   ");
    EXPECT_EQ(f.browser.loads.size(), 2u);
}

TEST(WebTour, TheFirstLoadAfterANavigationIsAcknowledgedToTheLeader) {
    TourFixture f;
    f.tour.ReceivePush(3, {1, MakeWebLinkRecord("https://example.org/a", "A", "T")});
    f.tour.LoadFinished();
    f.tour.LoadFinished();
    const SentPacket ack{cmAcknowledge, TAcknowledgeMessage{3}.encode()};
    EXPECT_EQ(f.session.sender.sent, std::vector<SentPacket>{ack}) << "once per navigation";

    f.session.sender.sent.clear();
    f.tour.ReceiveTourAddress("https://example.org/b");
    f.tour.LoadFinished();
    EXPECT_TRUE(f.session.sender.sent.empty()) << "nobody leads a page taken on entry";
}

TEST(WebTour, ClosingTheBrowserEndsTheTourOnlyForTheLockHolder) {
    struct Case {
        bool access, lock, sent;
    };
    for (const Case& c : {Case{true, true, true}, Case{true, false, false}, Case{false, true, false}}) {
        TourFixture f;
        f.board.access = c.access;
        f.board.lock = c.lock;
        f.tour.BrowserClosed();
        EXPECT_EQ(f.commands(),
                  c.sent ? std::vector<std::uint16_t>{cmLeaveWebTour} : std::vector<std::uint16_t>{});
    }
    TourFixture f;
    f.tour.TourLeft(5);
    EXPECT_EQ(f.boardViews, 1);
    EXPECT_EQ(f.session.sender.sent,
              (std::vector<SentPacket>{{cmAcknowledge, TAcknowledgeMessage{5}.encode()}}));
}

TEST(WebTour, PostingAndPopUpsWarn) {
    TourFixture f;
    f.tour.PostingData();
    EXPECT_TRUE(f.session.dialogs.shown.isEmpty()) << "nobody leads: no warning";
    f.tour.GoTo("http://example.org/form");
    f.tour.PostingData();
    f.tour.PopupBlocked();
    ASSERT_EQ(f.session.dialogs.shown.size(), 2);
    EXPECT_TRUE(f.session.dialogs.shown[0].contains("You are trying to post data to the website."));
    EXPECT_TRUE(
        f.session.dialogs.shown[1].contains("This web site tried to open a popup window.\r\nOrvane Live"));
}

struct LinksFixture : TourFixture {
    explicit LinksFixture(std::int32_t accountType = 1000) : TourFixture(accountType) {}
    TWebLinks links{session.context, tour};
};

TEST(WebLinks, UploadNeedsTextInBothBoxes) {
    const std::tuple<const char*, const char*, bool> cases[] = {{"Name", "http://x.org", true},
                                                                {"  ", "http://x.org", false},
                                                                {"Name", " \t", false},
                                                                {"", "", false}};
    for (auto [name, url, enabled] : cases)
        EXPECT_EQ(TWebLinks::CanUpload(name, url), enabled) << name << "|" << url;

    LinksFixture f;
    ASSERT_TRUE(f.links.AddWebLink("  Physics  ", "  https://example.org/physics "));
    PayloadReader reader(f.session.sender.sent.at(0).payload);
    TResourceRecord record;
    record.readFrom(reader);
    EXPECT_EQ(f.session.sender.sent[0].command, cmAddWebLink);
    EXPECT_EQ(record.FileName(), "https://example.org/physics");
    EXPECT_EQ(record.Description(), "Physics");
    EXPECT_EQ(record.OwnerName(), "Tess Marlowe");
}

TEST(WebLinks, AnswersReloadOrReport) {
    LinksFixture f;
    f.links.AddReply(16);
    EXPECT_EQ(f.session.dialogs.shown,
              QStringList{"error: Error occured while uploading resource! Please try again."});
    EXPECT_TRUE(f.session.sender.sent.empty());
    f.links.AddReply(0);
    f.links.DeleteReply(0);
    EXPECT_EQ(f.commands(), (std::vector<std::uint16_t>{cmWebLinkList, cmWebLinkList}));
    f.links.DeleteReply(17);
    EXPECT_TRUE(f.session.dialogs.shown.last().startsWith("error: Unable to delete resource."));
}

TEST(WebLinks, DeletingNeedsLibraryRightsAndAYes) {
    const TResourceRecord link = MakeWebLinkRecord("https://example.org", "Ex", "T");
    LinksFixture student(0);
    student.links.DeleteWebLink(link);
    EXPECT_EQ(student.session.dialogs.shown,
              QStringList{"error: You don't have permission to delete public resources."});
    EXPECT_TRUE(student.session.sender.sent.empty());

    LinksFixture teacher;
    teacher.session.dialogs.answer = false;
    teacher.links.DeleteWebLink(link);
    EXPECT_TRUE(teacher.session.sender.sent.empty());
    teacher.session.dialogs.answer = true;
    teacher.links.DeleteWebLink(link);
    EXPECT_EQ(teacher.session.sender.sent, (std::vector<SentPacket>{{cmDeleteWebLink, link.toByteArray()}}));
}

TEST(WebLinks, OpeningALinkLeadsTheTour) {
    LinksFixture f;
    f.links.OpenWebLink(MakeWebLinkRecord("https://example.org/lib", "Library", "T"));
    ASSERT_EQ(f.browser.loads.size(), 1u);
    EXPECT_EQ(f.tour.Leader(), 7);
}

QImage Stripes() {
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, qRgb(x * 6, y * 8, 100));
    return picture;
}

TEST(FileViewer, TheSelectionStaysOnThePicture) {
    test::FakeSession session;
    TFileViewer viewer(session.dialogs, nullptr);
    viewer.SetPreview(Stripes());
    EXPECT_EQ(viewer.Selection(), QRect(0, 0, 40, 30)) << "a preview selects all of it";
    const std::tuple<QPoint, QPoint, QRect> cases[] = {
        {{5, 5}, {15, 25}, QRect(5, 5, 10, 20)},       {{15, 25}, {5, 5}, QRect(5, 5, 10, 20)},
        {{30, 20}, {500, 900}, QRect(30, 20, 10, 10)}, {{-20, -5}, {10, 10}, QRect(0, 0, 10, 10)},
        {{50, 50}, {60, 70}, QRect(40, 30, 0, 0)},
    };
    for (auto [press, drag, expected] : cases) {
        viewer.Press(press);
        viewer.Drag(drag);
        EXPECT_EQ(viewer.Selection(), expected);
        const QImage picture = viewer.Picture();
        EXPECT_EQ(picture.size(), expected.size());
        if (!expected.isEmpty())
            EXPECT_EQ(picture, Stripes().copy(expected));
    }
}

TEST(FileViewer, PlacingFollowsTheBoardsRights) {
    struct Case {
        int board;
        bool access, lock;
        bool placed;
        int lockRequests;
    };
    const Case cases[] = {
        {0, false, false, true, 1},
        {2, true, false, true, 1},
        {2, false, true, true, 0},
        {2, false, false, false, 0},
    };
    for (const Case& c : cases) {
        test::FakeSession session;
        test::FakeBoardPlacement board;
        board.board = c.board;
        board.access = c.access;
        board.lock = c.lock;
        TFileViewer viewer(session.dialogs, &board);
        viewer.SetPreview(Stripes());
        viewer.Press({4, 4});
        viewer.Drag({24, 14});
        EXPECT_EQ(viewer.PlaceOnBoard(), c.placed) << c.board << c.access << c.lock;
        EXPECT_EQ(board.lockRequests, c.lockRequests);
        if (!c.placed) {
            EXPECT_TRUE(
                session.dialogs.shown.value(0).startsWith("error: You don't have access to do that."));
            EXPECT_TRUE(board.cleared.empty());
            continue;
        }
        EXPECT_EQ(board.cleared, std::vector<int>{c.board});
        ASSERT_EQ(board.placed.size(), 1u);
        EXPECT_EQ(board.placed[0], Stripes().copy(4, 4, 20, 10));
        EXPECT_EQ(viewer.Selection(), QRect()) << "the selection is emptied after placing";
    }
}

TEST(FileViewer, APressWithoutADragHasNothingToPlace) {
    test::FakeSession session;
    test::FakeBoardPlacement board;
    TFileViewer viewer(session.dialogs, &board);
    viewer.SetPreview(Stripes());
    viewer.SetPlaceSelectionOnly(true);
    EXPECT_EQ(viewer.Picture(), Stripes()) << "the preview selects all";
    viewer.Press({10, 10});
    EXPECT_FALSE(viewer.PlaceOnBoard());
    EXPECT_EQ(session.dialogs.shown,
              QStringList{"error: There is no selection to launch.\r\nClick and drag to select a portion."});
    EXPECT_TRUE(board.placed.empty());
    viewer.SetPlaceSelectionOnly(false);
    EXPECT_TRUE(viewer.PlaceOnBoard()) << "the original size places the whole preview";
    EXPECT_EQ(board.placed.at(0), Stripes());
}

} // namespace
} // namespace orv
