#include "app/MainViews.h"
#include "app/MainWindow.h"
#include "app/ProgressWindow.h"
#include "app/RoomListWindow.h"
#include "app/SignInWindow.h"
#include "platform/AppMessage.h"
#include "platform/Scramble.h"
#include "platform/SettingsStore.h"
#include "protocol/RecordingMessages.h"
#include "protocol/RoomRecords.h"
#include "protocol/SignInRecords.h"
#include "protocol/Stamp.h"
#include "support/EventPump.h"
#include "support/FakeDialogs.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolBox>

#include <gtest/gtest.h>

namespace orv {
namespace {

struct SignInWindowFixture : ::testing::Test {
    QTemporaryDir dir;
    TSettingsStore store{dir.filePath("settings.ini")};
};

TEST_F(SignInWindowFixture, NothingRememberedGivesEmptyFieldsAndTheDefaultPort) {
    TfrmSignIn window(store, {});
    window.show();
    window.Fill();
    EXPECT_EQ(window.findChild<QComboBox*>("server")->currentText(), ":9910");
    EXPECT_EQ(window.findChild<QLineEdit*>("userName")->text(), "");
    EXPECT_EQ(window.findChild<QLineEdit*>("password")->text(), "");
    EXPECT_EQ(window.focusWidget(), window.findChild<QLineEdit*>("userName"));
    EXPECT_FALSE(window.Take().complete());
    EXPECT_EQ(window.windowTitle(), "Orvane Live - Authentication Required");
}

TEST_F(SignInWindowFixture, RememberedValuesAndWhatSignInTakes) {
    store.WriteText("", "UserName", "  ann  ");
    store.WriteText("", "Password", Scramble("secret"));
    store.WriteText("", "ServerIP", "srv.example");
    store.WriteInteger("", "ServerPort", 0);
    store.WriteFlag("", "RememberMe", true);
    TfrmSignIn window(store, {});
    window.show();
    window.Fill();
    EXPECT_EQ(window.findChild<QComboBox*>("server")->currentText(), "srv.example:9910");
    EXPECT_TRUE(window.findChild<QCheckBox*>("remember")->isChecked());
    window.findChild<QLineEdit*>("userName")->setText("  " + QString(60, 'u') + "  ");
    window.findChild<QLineEdit*>("password")->setText(" pass word 12345 ");
    EXPECT_EQ(window.Take().encryption, TEncryption::Off);
    WriteServerEncryption(store, "srv.example", 8080, TEncryption::Required);
    window.findChild<QComboBox*>("server")->setEditText("tcp://srv.example:8080");
    EXPECT_EQ(window.Take().encryption, TEncryption::Required) << "the choice kept for the server named";
    auto* encryption = window.findChild<QComboBox*>("encryption");
    encryption->setCurrentIndex(encryption->findData(int(TEncryption::WhenOffered)));
    const TSignInValues values = window.Take();
    EXPECT_EQ(values.encryption, TEncryption::WhenOffered);
    EXPECT_EQ(values.server.host, "srv.example");
    EXPECT_EQ(values.server.port, 8080);
    EXPECT_EQ(values.userName, QString(50, 'u'));
    EXPECT_EQ(values.password, " pass word");
    EXPECT_TRUE(values.complete());

    window.findChild<QCheckBox*>("remember")->setChecked(false);
    EXPECT_FALSE(store.ReadFlag("", "RememberMe")) << "stored at once";
}

TEST_F(SignInWindowFixture, SignInWithAnEmptyPasswordShowsTheWindowAgain) {
    TfrmSignIn window(store, {});
    int shown = 0;
    // Each time the window comes up: first press Sign In with no password, then fill it and press again.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window.isVisible())
            return;
        ++shown;
        window.findChild<QLineEdit*>("userName")->setText("ann");
        window.findChild<QComboBox*>("server")->setEditText("srv.example");
        if (shown == 2)
            window.findChild<QLineEdit*>("password")->setText("pw");
        window.accept();
    });
    poll.start(10);
    TSignInValues values;
    EXPECT_TRUE(window.ShowSignIn(values));
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(values.userName, "ann");
    EXPECT_EQ(window.findChild<QLineEdit*>("userName")->text(), "ann") << "values are kept between showings";
}

struct MainWindowFixture : ::testing::Test {
    test::FakeDialogs dialogs;
    TfMain window{dialogs};
};

TEST_F(MainWindowFixture, RoutesApplicationMessagesToTheirHandlers) {
    std::vector<std::pair<std::intptr_t, std::intptr_t>> seen;
    window.RegisterMessageHandler(20, [&](std::intptr_t w, std::intptr_t l) { seen.push_back({w, l}); });
    window.RegisterMessageHandler(21,
                                  [&](std::intptr_t, std::intptr_t) { throw std::runtime_error("boom"); });
    QtMessageSink sink(&window);
    sink.post(21, 0, 0);
    sink.post(99, 1, 1);
    sink.post(20, 7, 8);
    ASSERT_TRUE(test::pumpUntil([&] { return !seen.empty(); }));
    EXPECT_EQ(seen, (std::vector<std::pair<std::intptr_t, std::intptr_t>>{{7, 8}}));
    sink.detach();
    sink.post(20, 1, 1);
    test::pumpUntil([] { return false; }, 30);
    EXPECT_EQ(seen.size(), 1u) << "a detached sink drops its messages";
}

TEST_F(MainWindowFixture, ModulesInstallTheirWindowsInTheSlotsAndOutOfRangeSlotsAreRefused) {
    window.show();
    QPointer<QLabel> board = new QLabel("board");
    QPointer<QLabel> chat = new QLabel("chat");
    QPointer<QLabel> roster = new QLabel("roster");
    window.InstallView(vwWhiteBoard, board);
    window.InstallNavigationPage(TNavigationPage::TextChat, chat);
    window.InstallParticipantList(roster);
    window.ShowView(vwWhiteBoard);
    EXPECT_EQ(window.CurrentNavigationPage(), TNavigationPage::TextChat) << "the open page stays open";
    EXPECT_TRUE(board->isVisible());
    EXPECT_TRUE(chat->isVisible());
    EXPECT_TRUE(roster->isVisible());
    EXPECT_EQ(window.findChild<QToolBox*>()->itemText(0), "Text Chat") << "the page keeps its title";

    QLabel stray("stray");
    window.InstallView(3, &stray);
    window.InstallView(-1, &stray);
    EXPECT_EQ(stray.parent(), nullptr);
    window.ShowView(vwWebBrowser);
    EXPECT_FALSE(board->isVisible());
}

TEST_F(MainWindowFixture, TheViewHeaderOpensItsSelectorFromTheArrowToo) {
    window.resize(900, 600);
    window.show();
    auto* header = window.findChild<QPushButton*>("viewHeader");
    auto* selector = window.findChild<QMenu*>("viewSelector");
    ASSERT_TRUE(header && selector);
    for (const QPoint at :
         {QPoint(20, header->height() / 2), QPoint(header->width() - 8, header->height() / 2)}) {
        QTest::mouseClick(header, Qt::LeftButton, {}, at);
        EXPECT_TRUE(selector->isVisible()) << at.x();
        selector->hide();
    }
}

TEST_F(MainWindowFixture, F11TogglesFullScreenAndEscapeLeavesIt) {
    window.show();
    QApplication::setActiveWindow(&window);
    auto* menus = window.menuBar();
    QTest::keyClick(&window, Qt::Key_F11);
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_FALSE(menus->isVisible());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_TRUE(menus->isVisible());
    QTest::keyClick(&window, Qt::Key_F11);
    QTest::keyClick(&window, Qt::Key_F11);
    EXPECT_FALSE(window.isFullScreen());
}

TEST_F(MainWindowFixture, ModuleToolButtonsComeBeforeFullScreenAndTheParticipantTextsAreTheirs) {
    auto* first = new QAction("Step Out");
    auto* second = new QAction("Notes");
    window.InstallToolAction(first);
    window.InstallToolAction(second);
    QStringList captions;
    for (const QAction* action : window.findChild<QToolBar*>("mainToolBar")->actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{"Step Out", "Notes", "Full Screen"}));
    EXPECT_EQ(first->parent(), &window);

    EXPECT_EQ(window.ParticipantListHeader(), "Participant List");
    window.SetParticipantListHeader(" Participants [3]");
    EXPECT_EQ(window.ParticipantListHeader(), " Participants [3]");
    EXPECT_EQ(window.MotionCounters(), "Hands Up: 0    YES: 0    NO: 0");
    window.ShowMotionCounters(2, 1, 4);
    EXPECT_EQ(window.MotionCounters(), "Hands Up: 2    YES: 1    NO: 4");
}

TEST_F(MainWindowFixture, ClosingAsksOnlyInsideARoom) {

    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "before a room is entered no question is asked";

    window.show();
    window.SetInRoom(true);
    dialogs.answer = false;
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.shown, QStringList{"question: Do you want to exit current live session?"});
    dialogs.answer = true;
    EXPECT_TRUE(window.close());

    window.show();
    dialogs.shown.clear();
    window.ForceClose();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(MainWindowFixture, ViewsThemesMetersAndFullScreen) {
    window.ShowView(1);
    EXPECT_EQ(window.ViewHeader(), "Web Browser View");
    window.ShowView(5);
    EXPECT_EQ(window.CurrentView(), 1);
    const std::pair<int, int> themes[] = {{0, 0}, {1, 2}, {2, 1}, {3, 3}, {9, 0}};
    for (auto [theme, style] : themes) {
        window.ApplyTheme(theme);
        EXPECT_EQ(window.NavigationStyle(), style) << theme;
    }
    window.ShowUplink(10000, 20000);
    EXPECT_EQ(window.UplinkText(), "Upld 50%");
    window.ShowUplink(20000, 20000);
    EXPECT_EQ(window.UplinkText(), "Upld 100%");

    window.show();
    QAction* fullScreen = nullptr;
    for (QAction* a : window.findChildren<QAction*>())
        if (a->text() == "Full Screen")
            fullScreen = a;
    ASSERT_NE(fullScreen, nullptr);
    window.SetFullScreen(true);
    EXPECT_EQ(fullScreen->text(), "Normal View");
    EXPECT_FALSE(window.menuBar()->isVisible());
    window.SetFullScreen(false);
    EXPECT_EQ(fullScreen->text(), "Full Screen");
    EXPECT_TRUE(window.menuBar()->isVisible());

    // A replay leaves full screen for its own layout, never for the live window's bars.
    window.SetPlaybackLayout();
    window.SetFullScreen(true);
    window.SetFullScreen(false);
    EXPECT_FALSE(window.menuBar()->isVisible());
    EXPECT_FALSE(window.statusBar()->isVisible());
}

TEST(RoomListWindow, RowsAccessTextsAndChoices) {
    TAccountRecord account;
    account.SetFirstName("Ann");
    account.SetAccountType(0);
    TStartupInfo startup;
    struct Row {
        std::int32_t number;
        bool isPrivate;
        std::int32_t state;
    } rows[] = {{100, false, 1}, {200, true, 1}, {300, true, 3}};
    auto fill = [&](TfrmRoomList& w) {
        for (const Row& r : rows) {
            TRoomListEntry e;
            e.SetNumber(r.number);
            e.SetName(QString("Room %1").arg(r.number));
            e.SetPrivate(r.isPrivate);
            e.SetState(r.state);
            w.AddRoom(e);
        }
    };
    {
        TfrmRoomList window("srv.example", account, startup, {}, {});
        fill(window);
        EXPECT_EQ(window.rowCount(), 3);
        QStringList texts;
        for (QLabel* label : window.findChildren<QLabel*>())
            texts << label->text();
        for (const char* expected : {"Public", "Private", "Expired", "Participant account"})
            EXPECT_TRUE(texts.join('|').contains(expected)) << expected;
        QTimer::singleShot(0, &window, [&] { window.ClickRoom(300); });
        EXPECT_EQ(window.ChooseRoom(), 300) << "an expired room may still be chosen; the server refuses it";
    }
    {
        TfrmRoomList window("srv.example", account, startup, {}, {});
        fill(window);
        EXPECT_EQ(window.closeTimer()->interval(), 120000);
        QTimer::singleShot(0, &window, [&] { emit window.closeTimer()->timeout({}); });
        EXPECT_EQ(window.ChooseRoom(), -1);
    }
    {
        // The keyboard: the first row has the focus, arrows move it, Enter enters, Escape asks first.
        TfrmRoomList window("srv.example", account, startup, {}, {});
        fill(window);
        int asked = 0;
        bool signOut = false;
        window.SetSignOutQuestion([&] {
            ++asked;
            return signOut;
        });
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_NE(window.focusWidget(), nullptr);
        EXPECT_EQ(window.focusWidget()->objectName(), "row100");
        QTest::keyClick(window.focusWidget(), Qt::Key_Down);
        QTest::keyClick(window.focusWidget(), Qt::Key_Down);
        QTest::keyClick(window.focusWidget(), Qt::Key_Up);
        EXPECT_EQ(window.focusWidget()->objectName(), "row200");
        EXPECT_TRUE(window.focusWidget()->accessibleName().contains("Private"));
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_EQ(asked, 1);
        EXPECT_TRUE(window.isVisible()) << "No keeps the list open";
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(window.ChosenRoom(), 200);
        EXPECT_EQ(window.result(), QDialog::Accepted);

        TfrmRoomList other("srv.example", account, startup, {}, {});
        fill(other);
        other.SetSignOutQuestion([] { return true; });
        other.show();
        QTest::keyClick(&other, Qt::Key_Escape);
        EXPECT_EQ(other.ChosenRoom(), -1);
        EXPECT_EQ(other.result(), QDialog::Rejected);
    }
}

TEST(RoomListWindow, TheRecordingsPaneListsTitleDateAndDescriptionAndKeepsTheSessionId) {
    TAccountRecord account;
    TStartupInfo startup;
    TfrmRoomList window("srv.example", account, startup, {}, {}, nullptr, TRoomListPane::Recordings);
    TRecordedSessionHeader header;
    header.SetSessionId(-7); // any id, negative too, is a choice
    header.SetTitle("Physics 101");
    header.SetDescription("Forces and motion");
    header.SetRecorded(stampFromLocal(QDateTime(QDate(2026, 3, 5), QTime(10, 0))));
    window.AddRecording(header);
    QStringList texts;
    for (QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (const char* expected : {"To watch a recorded session select one from the list", "Physics 101",
                                 "3/05/2026", "Forces and motion"})
        EXPECT_TRUE(texts.contains(expected)) << expected;
    EXPECT_FALSE(texts.join('|').contains("To join a virtual room"));
    QTimer::singleShot(0, &window, [&] { window.ClickRoom(-7); });
    EXPECT_EQ(window.ChooseRoom(), -7);
    EXPECT_TRUE(window.HasChoice());
}

TEST(SignInWindow, SaysWhenThePasswordIsKeptInTheSettingsFile) {
    QTemporaryDir dir;
    TSettingsStore store{dir.filePath("settings.ini")};
    store.WriteFlag("", "RememberMe", true);
    store.WriteText("", "UserName", "ann");
    store.WriteText("", "Password", Scramble("pw"));
    TNoPasswordVault noKeyring;
    TRememberedCredentials remembered(store, noKeyring);
    TfrmSignIn window(store, {}, &remembered);
    window.Fill();
    auto* hint = window.findChild<QLabel*>("passwordKeptInFile");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisibleTo(&window));
    EXPECT_EQ(window.findChild<QLineEdit*>("password")->text(), "pw");
    window.findChild<QCheckBox*>("remember")->setChecked(false);
    EXPECT_FALSE(hint->isVisibleTo(&window));
    EXPECT_EQ(store.ReadText("", "Password"), "") << "unticking forgets at once";
}

TEST(SignInWindow, TabReachesTheLinks) {

    QTemporaryDir dir;
    TSettingsStore store{dir.filePath("settings.ini")};
    TfrmSignIn window(store, {});
    window.show();
    QStringList reached;
    QWidget* start = window.nextInFocusChain();
    for (QWidget* w = start; w; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window) && window.isAncestorOf(w))
            reached << (w->accessibleName().isEmpty() ? w->objectName() : w->accessibleName());
        if (w->nextInFocusChain() == start)
            break;
    }
    for (const char* name : {"What is this?", "Connection Settings", "userName", "password"})
        EXPECT_TRUE(reached.contains(name)) << name << " in " << reached.join(", ").toStdString();
    // In reading order: the server and its help link, the fields, then the links and buttons at the bottom.
    const auto at = [&](const char* name) { return reached.indexOf(name); };
    EXPECT_LT(at("Remote Server"), at("What is this?"));
    EXPECT_LT(at("What is this?"), at("userName"));
    EXPECT_LT(at("userName"), at("password"));
    EXPECT_LT(at("password"), at("Connection Settings"));
}

TEST(ProgressWindow, StepsMoveTheBar) {
    TfrmProgress progress;
    progress.Setup(17);
    progress.Show();
    progress.Step(9, "Account validated...");
    EXPECT_EQ(progress.position(), 9);
    EXPECT_EQ(progress.activity(), "Account validated...");
    EXPECT_TRUE(progress.testAttribute(Qt::WA_WState_Visible) || progress.isVisible());
    progress.Hide();
    EXPECT_FALSE(progress.isVisible());
}

} // namespace
} // namespace orv
