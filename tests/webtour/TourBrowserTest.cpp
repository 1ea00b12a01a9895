// The guided tour and the file viewer with the real browser engine, on a virtual display: pages come from
// `python3 -m http.server`, clients sign in to our session server and lead or follow the tour.
#include "app/WhiteboardPlacement.h"
#include "board/BoardJpeg.h"
#include "board/BoardModule.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/WebTourMessages.h"
#include "session/Settings.h"
#include "support/BoardFixture.h"
#include "support/LiveClient.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"
#include "support/UnnamedControls.h"
#include "webtour/BrowserWindow.h"
#include "webtour/FileViewerWindow.h"
#include "webtour/PreviewPane.h"
#include "webtour/WebLinksWindow.h"
#include "webtour/WebTourModule.h"

#include "ServerConfig.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <algorithm>

namespace orv {
namespace {

using test::pumpUntil;

constexpr int kPageLoadMs = 30000;

// A folder of pages served over HTTP on a free local port for as long as it lives.
class PageServer {
public:
    PageServer() {
        write("a.html", "<title>Page A</title><a id=next href='b.html'>next</a>");
        write("b.html", "<title>Page B</title><p>B</p>");
        write("c.html", "<title>Page C</title><p>C</p>");
        write("popup.html", "<title>Popup</title><script>window.open('b.html', '_blank');</script>");
        write("form.html",
              "<title>Form</title><form method=post action='b.html'><input name=x value=1></form>"
              "<script>document.forms[0].submit();</script>");
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_port = probe.serverPort();
        probe.close();
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start("python3", {"-m", "http.server", QString::number(m_port), "--bind", "127.0.0.1",
                                    "--directory", m_folder.path()});
        m_ready = m_process.waitForStarted(10000) && pumpUntil([this] {
                      QTcpSocket socket;
                      socket.connectToHost(QHostAddress::LocalHost, m_port);
                      return socket.waitForConnected(200);
                  });
    }
    ~PageServer() {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool ready() const { return m_ready; }
    QString url(const QString& page) const { return QString("http://127.0.0.1:%1/%2").arg(m_port).arg(page); }

private:
    void write(const QString& name, const QByteArray& html) {
        QFile file(m_folder.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(html);
    }
    QTemporaryDir m_folder;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_ready = false;
};

// Passes everything on to the session and remembers the codes.
class SpySender final : public ISessionSender {
public:
    explicit SpySender(ISessionSender& real) : m_real(real) {}
    bool Send(std::uint16_t command, const QByteArray& payload) override {
        sent.push_back(command);
        return m_real.Send(command, payload);
    }
    int count(std::uint16_t command) const { return int(std::count(sent.begin(), sent.end(), command)); }
    std::vector<std::uint16_t> sent;

private:
    ISessionSender& m_real;
};

struct TourClient : test::LiveClient {
    explicit TourClient(const QString& folder) : LiveClient(folder) {
        module = std::make_unique<TWebTourModule>(spyContext, nullptr, nullptr);
        module->SetShowViews([this] { ++browserViews; }, [] {});
        add(*module);
        browser()->resize(800, 600);
        browser()->show();
        QObject::connect(view(), &QWebEngineView::urlChanged,
                         [this](const QUrl& url) { urls.push_back(url); });
        QObject::connect(view(), &QWebEngineView::loadFinished, [this](bool) { ++loads; });
    }
    TfrmBrowser* browser() const { return module->Browser(); }
    QWebEngineView* view() const { return browser()->View(); }
    QString url() const { return view()->url().toString(); }
    bool shows(const QString& url) {
        return pumpUntil([&] { return this->url() == url && view()->page()->title().size() > 0; },
                         kPageLoadMs);
    }

    SpySender spy{sender};
    TSessionContext spyContext{state,      spy,   dialogs, progress, panes,
                               mainWindow, clock, notices, desktop,  events};
    std::unique_ptr<TWebTourModule> module;
    std::vector<QUrl> urls;
    int loads = 0;
    int browserViews = 0;
};

server::ServerConfig Classroom() {
    return test::ClassroomConfig({{"teacher", 1, 1000}, {"alice", 2}, {"bob", 3}});
}

class TourBrowser : public ::testing::Test {
protected:
    static void SetUpTestSuite() { pages = new PageServer; }
    static void TearDownTestSuite() {
        delete pages;
        pages = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(pages->ready()) << "python3 -m http.server did not start"; }

    static PageServer* pages;
    test::ServerThread server{Classroom()};
    QTemporaryDir homes[3];
};
PageServer* TourBrowser::pages = nullptr;

TEST_F(TourBrowser, AModeratorsPagesAreFollowedAndAParticipantsAreNot) {
    TourClient teacher(homes[0].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    TourClient alice(homes[1].path());
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);

    teacher.browser()->AddressBox()->setEditText(pages->url("a.html"));
    QTest::keyClick(teacher.browser()->AddressBox()->lineEdit(), Qt::Key_Return);
    ASSERT_TRUE(alice.shows(pages->url("a.html"))) << "the follower shows " << alice.url().toStdString();
    EXPECT_EQ(teacher.spy.count(cmPushWebLink), 1);
    EXPECT_EQ(alice.module->Tour().Leader(), 1);
    EXPECT_EQ(alice.browserViews, 1) << "the follower's web browser view comes forward";
    EXPECT_TRUE(pumpUntil([&] { return alice.spy.count(cmAcknowledge) == 1; })) << "the load is acknowledged";

    // A link clicked inside the page while leading is announced as well.
    ASSERT_TRUE(teacher.shows(pages->url("a.html")));
    teacher.view()->page()->runJavaScript("document.getElementById('next').click();");
    ASSERT_TRUE(alice.shows(pages->url("b.html")));
    EXPECT_EQ(teacher.spy.count(cmPushWebLink), 2);
    EXPECT_EQ(alice.spy.count(cmPushWebLink), 0) << "a follower announces nothing";

    // A participant without moderator rights browses alone.
    alice.module->Tour().GoTo(pages->url("c.html"));
    ASSERT_TRUE(alice.shows(pages->url("c.html")));
    EXPECT_EQ(alice.spy.count(cmPushWebLink), 0);
    EXPECT_EQ(teacher.url(), pages->url("b.html"));

    // Somebody entering now is shown the tour's page, without the view switching.
    TourClient bob(homes[2].path());
    bob.enter(server.port(), "bob", test::PasswordOf("bob"), 100);
    ASSERT_TRUE(bob.shows(pages->url("b.html")));
    EXPECT_EQ(bob.browserViews, 0);
    EXPECT_EQ(bob.module->Tour().Leader(), 0);
}

TEST_F(TourBrowser, PopUpsAreRefusedWithAWarning) {
    TourClient teacher(homes[0].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    teacher.module->Tour().GoTo(pages->url("popup.html"));
    ASSERT_TRUE(
        pumpUntil([&] { return teacher.dialogs.shown.filter("tried to open a popup window").size() == 1; },
                  kPageLoadMs));
    EXPECT_EQ(teacher.url(), pages->url("popup.html")) << "the page itself stays";
}

TEST_F(TourBrowser, AFormPostWarnsAndIsStillAnnounced) {
    TourClient teacher(homes[0].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    TourClient alice(homes[1].path());
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    teacher.module->Tour().GoTo(pages->url("form.html"));
    ASSERT_TRUE(pumpUntil([&] { return !teacher.dialogs.shown.filter("post data to the website").isEmpty(); },
                          kPageLoadMs));
    ASSERT_TRUE(alice.shows(pages->url("b.html"))) << "the form's target is announced";
    EXPECT_EQ(teacher.spy.count(cmPushWebLink), 2);
    EXPECT_TRUE(alice.dialogs.shown.filter("post data").isEmpty()) << "a follower is not warned";
}

TEST_F(TourBrowser, AFileAddressInAReceivedPageIsRefused) {
    TourClient teacher(homes[0].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    TourClient alice(homes[1].path());
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    for (const char* address : {"file:///etc/hostname", "/etc/hostname"})
        teacher.sender.Send(cmPushWebLink, TWebLinkPush{1, MakeWebLinkRecord(address, "x", "y")}.encode());
    teacher.module->Tour().GoTo(pages->url("c.html"));
    ASSERT_TRUE(alice.shows(pages->url("c.html")));
    for (const QUrl& url : alice.urls)
        EXPECT_NE(url.scheme(), "file") << url.toString().toStdString();
    EXPECT_EQ(alice.browserViews, 1) << "only the web page brought the browser forward";
}

TEST_F(TourBrowser, TheLinksWindowAddsListsAndDeletesLinks) {
    TourClient teacher(homes[0].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    TfrmWebLinks* window = teacher.module->ShowWebLinks();
    EXPECT_FALSE(window->UploadAction()->isEnabled());
    window->DescriptionBox()->setText("  Page A ");
    window->AddressBox()->setText(pages->url("a.html"));
    ASSERT_TRUE(window->UploadAction()->isEnabled());
    window->UploadAction()->trigger();
    ASSERT_TRUE(pumpUntil([&] { return window->List()->topLevelItemCount() == 1; }));
    EXPECT_TRUE(window->DescriptionBox()->text().isEmpty()) << "the boxes empty after an upload";
    const QTreeWidgetItem* item = window->List()->topLevelItem(0);
    EXPECT_EQ(item->text(0), "Page A");
    EXPECT_EQ(item->text(1), "teacher Tester");
    EXPECT_EQ(item->text(3), pages->url("a.html"));

    window->DescriptionBox()->setText("again");
    window->AddressBox()->setText(pages->url("a.html"));
    window->UploadAction()->trigger();
    ASSERT_TRUE(pumpUntil([&] { return !teacher.dialogs.shown.isEmpty(); }));
    EXPECT_EQ(teacher.dialogs.shown.last(),
              "error: Error occured while uploading resource! Please try again.");
    EXPECT_EQ(window->DescriptionBox()->text(), "again") << "a failed upload keeps the boxes";

    window->List()->setCurrentItem(window->List()->topLevelItem(0));
    window->OpenAction()->trigger();
    ASSERT_TRUE(teacher.shows(pages->url("a.html")));
    window->DeleteAction()->trigger();
    ASSERT_TRUE(pumpUntil([&] { return window->List()->topLevelItemCount() == 0; }));
}

TEST_F(TourBrowser, EveryControlOfItsWindowsIsNamed) {
    TourClient teacher(homes[0].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    teacher.module->Tour().GoTo(pages->url("a.html"));
    ASSERT_TRUE(teacher.shows(pages->url("a.html")));
    TfrmWebLinks* links = teacher.module->ShowWebLinks();
    ASSERT_TRUE(pumpUntil([&] { return links->List()->topLevelItemCount() == 0 && !links->isHidden(); }));
    TfrmFileViewer* viewer = teacher.module->ShowFileViewer();
    // ORV_SCREENSHOTS=DIR keeps a picture of each window there, to look at.
    const QString shots = qEnvironmentVariable("ORV_SCREENSHOTS");
    const std::pair<const char*, QWidget*> windows[] = {
        {"browser", teacher.browser()}, {"web links", links}, {"file viewer", viewer}};
    // The page's drawing surface inside a browser is the browser's, which carries the name.
    const auto unnamed = [](QWidget& window) {
        QStringList names = test::UnnamedControls(window);
        names.removeIf([](const QString& name) { return name.startsWith("QQuickWidget"); });
        return names;
    };
    for (auto [name, window] : windows) {
        EXPECT_EQ(unnamed(*window), QStringList()) << name;
        if (!shots.isEmpty())
            window->grab().save(QDir(shots).filePath(QString("webtour %1.png").arg(name)));
    }
    viewer->TakePreview();
    EXPECT_EQ(unnamed(*viewer), QStringList()) << "preview";
    if (!shots.isEmpty())
        viewer->grab().save(QDir(shots).filePath("webtour preview.png"));
}

// The file viewer on a board module of its own: pictures taken of a local page go on the boards.
struct ViewerFixture {
    ViewerFixture() {
        session.state.account.SetUserId(4);
        board.ApplySettings(TSettings{});
        board.Boards().SetCurrentBoard(0);
        QFile file(folder.filePath("page.html"));
        file.open(QIODevice::WriteOnly);
        file.write(
            "<html><body style='margin:0;background:#ffffff'>"
            "<div style='position:absolute;left:0;top:0;width:200px;height:100px;background:#ff0000'></div>"
            "<div style='position:absolute;left:200px;top:0;width:200px;height:100px;background:#0000ff'>"
            "</div></body></html>");
        window.resize(700, 500);
        window.show();
    }
    bool open() {
        QSignalSpy loaded(window.View(), &QWebEngineView::loadFinished);
        window.OpenFile(folder.filePath("page.html"));
        return pumpUntil([&] { return !loaded.isEmpty(); }, kPageLoadMs) &&
               pumpUntil([&] { return window.View()->grab().toImage().pixel(10, 10) == qRgb(255, 0, 0); },
                         kPageLoadMs);
    }
    // Drags on the preview over the red block and into the blue one.
    void select() {
        QTest::mousePress(window.Preview(), Qt::LeftButton, {}, {150, 20});
        QTest::mouseMove(window.Preview(), {250, 60});
        QMouseEvent move(QEvent::MouseMove, QPointF(250, 60), window.Preview()->mapToGlobal(QPointF(250, 60)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.Preview(), &move);
    }
    int sent(std::uint16_t command) const {
        return int(std::count_if(session.sender.sent.begin(), session.sender.sent.end(),
                                 [&](const test::SentPacket& p) { return p.command == command; }));
    }

    test::FakeSession session;
    TBoardModule board{session.context};
    TWhiteboardPlacement placement{board};
    TFileViewer viewer{session.dialogs, &placement};
    TfrmFileViewer window{viewer};
    QTemporaryDir folder;
};

TEST(FileViewerWindow, PlacesTheSelectionOfALocalPageOnThePrivateBoardWithoutSending) {
    ViewerFixture f;
    ASSERT_TRUE(f.open());
    EXPECT_EQ(f.window.FileBox()->itemText(0), f.folder.filePath("page.html"));
    f.window.TakePreview();
    ASSERT_TRUE(f.window.ShowsPreview());
    EXPECT_EQ(f.viewer.Selection(), QRect(QPoint(0, 0), f.window.View()->size()));
    f.select();
    EXPECT_TRUE(f.window.SelectionOnlyChoice()->isChecked());
    EXPECT_EQ(f.viewer.Selection(), QRect(150, 20, 100, 40));
    f.window.PlaceOnBoard();
    EXPECT_FALSE(f.window.isVisible()) << "placing hides the viewer";
    const QImage& image = f.board.Boards().Board(0).Image();
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(90, 30), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(120, 50), qRgb(255, 255, 255)) << "only the selection is placed";
    EXPECT_TRUE(f.session.sender.sent.empty());
}

TEST(FileViewerWindow, PlacesOnAPublicBoardAndSendsTheImage) {
    ViewerFixture f;
    f.board.Boards().SetCurrentBoard(2);
    f.board.Sharing().SetPublicBoardAccess(true);
    ASSERT_TRUE(f.open());
    f.window.TakePreview();
    f.select();
    f.window.PlaceOnBoard();
    EXPECT_EQ(f.sent(cmLockBoard), 1) << "the lock is asked for";
    ASSERT_EQ(f.sent(cmBoardImage), 1);
    const auto image = std::find_if(f.session.sender.sent.begin(), f.session.sender.sent.end(),
                                    [](const test::SentPacket& p) { return p.command == cmBoardImage; });
    PayloadReader reader(image->payload);
    const TBoardImageMessage message = TBoardImageMessage::decode(reader);
    EXPECT_EQ(message.record.Board(), 2);
    EXPECT_EQ(QRect(message.record.Left(), message.record.Top(),
                    message.record.Right() - message.record.Left(),
                    message.record.Bottom() - message.record.Top()),
              QRect(0, 0, 100, 40));
    const std::optional<QImage> sentPicture = DecodeBoardJpeg(message.jpeg);
    ASSERT_TRUE(sentPicture);
    EXPECT_GT(qRed(sentPicture->pixel(10, 10)), 200);
    EXPECT_GT(qBlue(sentPicture->pixel(90, 30)), 200);
    EXPECT_GT(qRed(f.board.Boards().Board(2).Image().pixel(10, 10)), 200);
}

TEST(FileViewerWindow, ThePressWithoutADragPlacesNothing) {
    ViewerFixture f;
    ASSERT_TRUE(f.open());
    f.window.TakePreview();
    QTest::mouseClick(f.window.Preview(), Qt::LeftButton, {}, {30, 30});
    f.window.PlaceOnBoard();
    EXPECT_TRUE(f.window.isVisible());
    EXPECT_EQ(f.session.dialogs.shown.value(0),
              "error: There is no selection to launch.\r\nClick and drag to select a portion.");
}

} // namespace
} // namespace orv
