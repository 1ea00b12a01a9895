// The chat pane and its windows as a user works them, offscreen; the saved conversation read back by unrtf.
#include "chat/ChatLargeWindow.h"
#include "chat/ChatModule.h"
#include "chat/ChatNoticeWindow.h"
#include "platform/SettingsStore.h"
#include "session/Settings.h"
#include "support/FakeDirectory.h"
#include "support/FakeSession.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::SentPacket;

QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* a : menu.actions())
        captions << (a->isSeparator() ? "-" : a->text());
    return captions;
}

QAction* Item(const QMenu& menu, const QString& text) {
    for (QAction* a : menu.findChildren<QAction*>())
        if (a->text() == text)
            return a;
    for (QAction* a : menu.actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

struct PaneFixture : ::testing::Test {
    PaneFixture() {
        session.state.account.SetUserId(2);
        session.state.account.SetRoom(100);
        module.ApplySettings(TSettings());
        pane = session.panes.pages.at(TNavigationPage::TextChat);
        pane->resize(300, 500);
        pane->show();
        edit = pane->findChild<QLineEdit*>("chatEdit");
        header = pane->findChild<QPushButton*>("chatHeader");
        contextMenu = pane->findChild<QMenu*>("chatContextMenu");
        module.State().SelectConversation(ckPublic, 0);
    }
    QString typedAndEntered(const QString& text) {
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        return edit->text();
    }

    QTemporaryDir dir;
    TSettingsStore store{dir.filePath("settings.ini")};
    test::FakeSession session;
    test::FakeDirectory directory{{{1, "Tess", "Tess Marlowe", "Tess Marlowe", 1000},
                                   {2, "Alice", "Alice Byrne", "Alice Byrne", 0},
                                   {7, "Bob", "Bob Okafor", "Bobby", 0}}};
    TChatModule module{session.context, directory, &store};
    QWidget* pane = nullptr;
    QLineEdit* edit = nullptr;
    QPushButton* header = nullptr;
    QMenu* contextMenu = nullptr;
};

TEST_F(PaneFixture, EnterSendsWhatWasTypedAndATextThatCouldNotGoStays) {
    ASSERT_TRUE(edit && header && contextMenu);
    EXPECT_EQ(typedAndEntered("hello :)"), "") << "sent: the entry is empty again";
    ASSERT_EQ(session.sender.sent.size(), 1u);
    EXPECT_EQ(session.sender.sent[0].command, cmChat);
    EXPECT_EQ(session.sender.sent[0].payload.size(), 14 + (8 + 2 + 1) * 2 + 1);

    session.sender.connected = false;
    EXPECT_EQ(typedAndEntered("are you there?"), "are you there?") << "no connection: the text stays";
    EXPECT_EQ(typedAndEntered(""), "");
    EXPECT_EQ(session.sender.sent.size(), 1u);

    // A phrase of the smiley menu goes out at once, as if typed.
    session.sender.connected = true;
    auto* smileys = pane->findChild<QMenu*>("smileyMenu");
    ASSERT_TRUE(smileys);
    EXPECT_EQ(Captions(*smileys).mid(0, 7), (QStringList{"Hello", "Bye", "LOL", "Great", "Thank You",
                                                         "Can you repeat, please", "Just a second"}));
    Item(*smileys, "Thank You")->trigger();
    Item(*smileys, ";-)")->trigger();
    ASSERT_EQ(session.sender.sent.size(), 3u);
    PayloadReader reader(session.sender.sent[2].payload);
    EXPECT_EQ(TChatMessage::decode(reader, TChatTextForm::Wide).text, ";-)\r\n");
    EXPECT_EQ(edit->text(), "");
}

TEST_F(PaneFixture, TheHeaderChoosesTheRecipientAndTheLevelShapesTheControls) {
    auto* recipients = pane->findChild<QMenu*>("recipientMenu");
    ASSERT_TRUE(recipients);
    emit recipients->aboutToShow();
    EXPECT_EQ(Captions(*recipients),
              (QStringList{"Public Messages", "-", "Tess Marlowe (Moderator)", "Bob Okafor"}));
    Item(*recipients, "Bob Okafor")->trigger();
    EXPECT_EQ(header->text().trimmed(), "Bobby");
    auto* logs = pane->findChild<QStackedWidget*>();
    EXPECT_EQ(logs->currentWidget()->objectName(), "privateLog7");
    EXPECT_EQ(typedAndEntered("psst"), "");
    EXPECT_EQ(session.sender.sent.back().command, cmPrivateChat);

    module.State().ApplyPermissionLevel(cpDenyAll);
    EXPECT_EQ(header->text().trimmed(), "Public Messages - Disabled for users");
    EXPECT_EQ(header->menu(), nullptr) << "no recipient menu";
    EXPECT_EQ(logs->currentWidget()->objectName(), "publicLog");
    EXPECT_TRUE(pane->findChild<QWidget*>("chatEntry")->isHidden()) << "a participant may not type";
    module.State().ApplyPermissionLevel(cpAllowAll);
    EXPECT_FALSE(pane->findChild<QWidget*>("chatEntry")->isHidden());
    EXPECT_EQ(header->menu(), recipients);

    // The permission items are for moderators, and their marks wait for the server.
    QAction* permissions = Item(*contextMenu, "Chat Permissions");
    ASSERT_TRUE(permissions);
    EXPECT_FALSE(permissions->isVisible());
    module.State().SetPermissionMenuVisible(true);
    EXPECT_TRUE(permissions->isVisible());
    session.state.account.SetAccountType(1000);
    QAction* deny = Item(*permissions->menu(), "Deny all chat messages");
    deny->trigger();
    EXPECT_EQ(session.sender.sent.back(), (SentPacket{cmSetChatPermissions, QByteArray("\x03\0\0\0", 4)}));
    EXPECT_FALSE(deny->isChecked());
    EXPECT_TRUE(Item(*permissions->menu(), "Allow all chat messages (Both private and public)")->isChecked());
}

TEST_F(PaneFixture, TheContextMenuStoresTimingAndSizeClearsAndMovesToTheLargeWindow) {
    Item(*contextMenu, "Show Timing")->trigger();
    Item(*contextMenu, "Large")->trigger();
    TSettingsStore reread(store.path());
    EXPECT_TRUE(reread.ReadFlag("", "ShowChatTiming")) << "stored at once";
    EXPECT_EQ(reread.ReadInteger("", "ChatFontSize"), 10);
    EXPECT_TRUE(Item(*contextMenu, "Large")->isChecked());
    module.Conversations().AddChatLine(0, "", TChatLineKind::System, kGray, "x");
    EXPECT_TRUE(module.Conversations().FindConversation(0)->toPlainText().contains(
        QRegularExpression("^ \\[\\d\\d:\\d\\d\\] : x")));

    session.dialogs.answer = false;
    Item(*contextMenu, "Clear all text messages")->trigger();
    EXPECT_FALSE(module.Conversations().FindConversation(0)->isEmpty());
    session.dialogs.answer = true;
    Item(*contextMenu, "Clear all text messages")->trigger();
    EXPECT_TRUE(module.Conversations().FindConversation(0)->isEmpty());
    EXPECT_EQ(session.dialogs.shown.last(), "question: Do you want to clear all text messages?");

    QWidget* content = pane->findChild<QWidget*>("chatContent");
    Item(*contextMenu, "Show in Large Window")->trigger();
    auto* large = pane->window()->findChild<TChatLargeWindow*>();
    ASSERT_TRUE(large);
    EXPECT_EQ(large->windowTitle(), "Text Chat");
    EXPECT_TRUE(large->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(large->isAncestorOf(content));
    EXPECT_FALSE(Item(*contextMenu, "Show in Large Window")->isEnabled());
    EXPECT_EQ(session.panes.disabledPages, std::vector<TNavigationPage>{TNavigationPage::TextChat});
    EXPECT_EQ(session.panes.page, TNavigationPage::Notes);
    large->close();
    EXPECT_TRUE(pane->isAncestorOf(content)) << "back in the pane";
    EXPECT_TRUE(session.panes.disabledPages.empty());
    EXPECT_EQ(session.panes.page, TNavigationPage::TextChat);
    EXPECT_TRUE(Item(*contextMenu, "Show in Large Window")->isEnabled());
}

TEST_F(PaneFixture, AMessageOutOfSightPopsUpItsNoticeForTwentySeconds) {
    emit module.Handlers().PopUpRequested("Bob", "  see the board\r\n");
    auto* notice = pane->window()->findChild<TChatNoticeWindow*>();
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->windowTitle(), "New Chat Message");
    EXPECT_EQ(notice->Sender(), "Bob");
    EXPECT_EQ(notice->Text(), "see the board");
    EXPECT_EQ(notice->closeTimer()->interval(), 20000);
    EXPECT_TRUE(notice->closeTimer()->isActive());
}

// Decodes unrtf's HTML, in which a character beyond the basic plane comes as two numeric references.
bool ReadBack(const QString& path, QTextDocument& html) {
    QProcess unrtf;
    unrtf.setWorkingDirectory(QFileInfo(path).absolutePath()); // where it writes the pictures it finds
    unrtf.start("unrtf", {"--html", path});
    if (!unrtf.waitForFinished(10000) || unrtf.exitCode() != 0)
        return false;
    html.setHtml(QString::fromUtf8(unrtf.readAllStandardOutput()));
    return true;
}

QTextCharFormat FormatOf(const QTextDocument& doc, const QString& text) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
    return {};
}

TEST_F(PaneFixture, TheSavedPublicConversationReadsBackThroughAnIndependentReader) {
    ASSERT_EQ(QProcess::execute("unrtf", {"--version"}), 0) << "unrtf must be installed";
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
    ChatConversations& conversations = module.Conversations();
    conversations.AddChatLine(0, "Tess (Moderator)", TChatLineKind::Normal, kBlack, "Bonjour, caf\u00e9 :-)");
    conversations.AddChatLine(0, "Alice", TChatLineKind::Normal, kBlue, "{braces} \\ \u65e5\u672c " + face);
    conversations.AddChatLine(0, "System", TChatLineKind::System, kRed, "lost [ErrID:1]");
    conversations.AddChatLine(7, "Bob", TChatLineKind::Normal, kBlack, "private, never saved");

    EXPECT_TRUE(ChatCommands::ProposedFileName(QDateTime(QDate(2025, 3, 7), QTime(9, 5)))
                    .startsWith("Orvane Text Messages "));
    EXPECT_TRUE(ChatCommands::ProposedFileName(QDateTime(QDate(2025, 3, 7), QTime(9, 5)))
                    .endsWith("-07-2025 0905.rtf"));
    const QString path = dir.filePath("chat.rtf");
    ASSERT_TRUE(module.Commands().SavePublicConversation(path));
    QTextDocument read;
    ASSERT_TRUE(ReadBack(path, read));
    const QChar picture = QChar::ObjectReplacementCharacter;
    EXPECT_EQ(read.toPlainText().trimmed(), "Tess (Moderator)\nBonjour, caf\u00e9 " + QString(picture) +
                                                "\nAlice\n{braces} \\ \u65e5\u672c " + face +
                                                "\nSystem: lost [ErrID:1]")
        << "the smile comes back as a picture";
    EXPECT_TRUE(FormatOf(read, "Tess (Moderator)").font().bold());
    EXPECT_FALSE(FormatOf(read, "Bonjour").font().bold());
    EXPECT_EQ(FormatOf(read, "{braces}").foreground().color(), QColor(Qt::blue));
    EXPECT_EQ(FormatOf(read, "lost").foreground().color(), QColor(Qt::red));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\\pngblip")) << "the smile travels as a picture";

    EXPECT_FALSE(module.Commands().SavePublicConversation(dir.filePath("no/such/folder/chat.rtf")));
    EXPECT_TRUE(session.dialogs.shown.last().startsWith("error: Cannot create file"));
}

} // namespace
} // namespace orv
