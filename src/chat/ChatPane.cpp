#include "chat/ChatPane.h"

#include "chat/ChatCommands.h"
#include "chat/ChatConversations.h"
#include "chat/ChatHandlers.h"
#include "chat/ChatLargeWindow.h"
#include "chat/ChatNoticeWindow.h"
#include "chat/ChatState.h"
#include "chat/EmoticonParser.h"
#include "chat/EmoticonPictures.h"

#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTime>
#include <QToolButton>
#include <QVBoxLayout>

#include <map>

namespace orv {
namespace {

const char* const kPhrases[] = {QT_TRANSLATE_NOOP("orv::TChatPane", "Hello"),
                                QT_TRANSLATE_NOOP("orv::TChatPane", "Bye"),
                                QT_TRANSLATE_NOOP("orv::TChatPane", "LOL"),
                                QT_TRANSLATE_NOOP("orv::TChatPane", "Great"),
                                QT_TRANSLATE_NOOP("orv::TChatPane", "Thank You"),
                                QT_TRANSLATE_NOOP("orv::TChatPane", "Can you repeat, please"),
                                QT_TRANSLATE_NOOP("orv::TChatPane", "Just a second")};

const struct {
    const char* text;
    int points;
} kFontSizes[] = {{QT_TRANSLATE_NOOP("orv::TChatPane", "Small"), 7},
                  {QT_TRANSLATE_NOOP("orv::TChatPane", "Normal"), 8},
                  {QT_TRANSLATE_NOOP("orv::TChatPane", "Large"), 10}};

const struct {
    const char* text;
    int level;
} kPermissions[] = {
    {QT_TRANSLATE_NOOP("orv::TChatPane", "Allow all chat messages (Both private and public)"), cpAllowAll},
    {QT_TRANSLATE_NOOP("orv::TChatPane", "Allow only public messages (Private ones are blocked)"),
     cpPublicOnly},
    {QT_TRANSLATE_NOOP("orv::TChatPane", "Deny all chat messages"), cpDenyAll}};

const QString kHeaderStyle = QStringLiteral(
    "QPushButton { text-align: left; background: #31507f; color: %1; border: none; padding: 3px 6px;"
    " font: bold 8pt 'Tahoma'; }"
    "QPushButton::menu-indicator { subcontrol-position: right center; subcontrol-origin: padding;"
    " right: 4px; }");

class TChatPane final : public QWidget {
    Q_OBJECT
public:
    TChatPane(ChatHandlers& handlers, ChatCommands& commands, ChatState& state,
              ChatConversations& conversations);

private:
    QWidget* buildHeader();
    QWidget* buildEntry();
    void buildContextMenu();
    void addBrowser(std::uint16_t partner);
    void dropBrowsers();
    void refresh();
    void rebuildRecipients();
    void send(const QString& text);
    void scrollToEnd(std::uint16_t partner);
    void showNotice(const QString& name, const QString& text);
    void save();
    void followLargeWindow();

    QPointer<ChatHandlers> m_handlers;
    QPointer<ChatCommands> m_commands;
    QPointer<ChatState> m_state;
    QPointer<ChatConversations> m_conversations;

    QWidget* m_content = nullptr; // what the large window borrows
    QPushButton* m_header = nullptr;
    QMenu* m_recipients = nullptr;
    QStackedWidget* m_logs = nullptr;
    QWidget* m_nothingShown = nullptr;
    std::map<std::uint16_t, QTextBrowser*> m_browsers;
    QWidget* m_entry = nullptr;
    QLineEdit* m_edit = nullptr;
    QMenu* m_contextMenu = nullptr;
    QAction* m_largeWindowItem = nullptr;
    QAction* m_timingItem = nullptr;
    QMenu* m_permissionMenu = nullptr;
    std::map<int, QAction*> m_permissionItems;
    std::map<int, QAction*> m_fontItems;
    QPointer<TChatLargeWindow> m_largeWindow;
    QPointer<TChatNoticeWindow> m_notice;
    std::optional<std::uint16_t> m_shown;
};

TChatPane::TChatPane(ChatHandlers& handlers, ChatCommands& commands, ChatState& state,
                     ChatConversations& conversations)
    : m_handlers(&handlers), m_commands(&commands), m_state(&state), m_conversations(&conversations) {
    setObjectName("chatPane");
    m_content = new QWidget;
    m_content->setObjectName("chatContent");
    auto* layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(buildHeader());
    m_logs = new QStackedWidget;
    m_nothingShown = new QWidget;
    m_logs->addWidget(m_nothingShown);
    layout->addWidget(m_logs, 1);
    layout->addWidget(buildEntry());
    buildContextMenu();
    // Whoever sends the focus to the pane (the main window's Go menu) means its input line.
    setFocusProxy(m_edit);

    auto* own = new QVBoxLayout(this);
    own->setContentsMargins(0, 0, 0, 0);
    own->addWidget(m_content);

    for (const std::uint16_t partner : conversations.Partners())
        addBrowser(partner);
    connect(&conversations, &ChatConversations::Created, this, &TChatPane::addBrowser);
    connect(&conversations, &ChatConversations::Discarding, this, &TChatPane::dropBrowsers);
    connect(&conversations, &ChatConversations::LineAdded, this, &TChatPane::scrollToEnd);
    connect(&state, &ChatState::Changed, this, &TChatPane::refresh);
    connect(&handlers, &ChatHandlers::PopUpRequested, this, &TChatPane::showNotice);
    connect(&commands, &ChatCommands::SaveRequested, this, &TChatPane::save);
    refresh();
}

QWidget* TChatPane::buildHeader() {
    m_header = new QPushButton;
    m_header->setObjectName("chatHeader");
    m_header->setAccessibleName(tr("Conversation: choose who your messages go to"));
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_recipients = new QMenu(m_header);
    m_recipients->setObjectName("recipientMenu");
    connect(m_recipients, &QMenu::aboutToShow, this, &TChatPane::rebuildRecipients);
    return m_header;
}

QWidget* TChatPane::buildEntry() {
    m_entry = new QWidget;
    m_entry->setObjectName("chatEntry");
    auto* row = new QHBoxLayout(m_entry);
    row->setContentsMargins(2, 0, 2, 2);
    row->setSpacing(3);
    m_edit = new QLineEdit;
    m_edit->setObjectName("chatEdit");
    m_edit->setAccessibleName(tr("Message"));
    m_edit->setPlaceholderText(tr("Type a message"));
    connect(m_edit, &QLineEdit::returnPressed, this, [this] { send(m_edit->text()); });

    auto* smiley = new QToolButton;
    smiley->setObjectName("smileyButton");
    smiley->setAccessibleName(tr("Smilies and phrases"));
    smiley->setToolTip(tr("Smilies and phrases"));
    smiley->setIcon(QPixmap::fromImage(EmoticonPicture(11)));
    smiley->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(smiley);
    menu->setObjectName("smileyMenu");
    for (const char* phrase : kPhrases)
        connect(menu->addAction(tr(phrase)), &QAction::triggered, this, [this, phrase] {
            m_edit->setText(tr(phrase));
            send(m_edit->text());
        });
    QMenu* smilies = menu->addMenu(tr("Smilies"));
    for (int i = 0; i < kEmoticonCount; ++i) {
        const QString caption = EmoticonCaptions()[i];
        connect(smilies->addAction(QPixmap::fromImage(EmoticonPicture(i)), caption), &QAction::triggered,
                this, [this, caption] {
                    m_edit->setText(caption);
                    send(caption);
                });
    }
    smiley->setMenu(menu);

    auto* sendButton = new QPushButton(tr("Send"));
    sendButton->setObjectName("sendButton");
    connect(sendButton, &QPushButton::clicked, this, [this] { send(m_edit->text()); });
    row->addWidget(m_edit, 1);
    row->addWidget(smiley);
    row->addWidget(sendButton);
    return m_entry;
}

void TChatPane::buildContextMenu() {
    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName("chatContextMenu");
    m_largeWindowItem = m_contextMenu->addAction(tr("Show in Large Window"));
    connect(m_largeWindowItem, &QAction::triggered, this, [this] {
        if (m_commands)
            m_commands->OpenLargeWindow();
    });
    m_timingItem = m_contextMenu->addAction(tr("Show Timing"));
    m_timingItem->setCheckable(true);
    connect(m_timingItem, &QAction::triggered, this, [this](bool on) {
        if (m_commands)
            m_commands->SetShowTiming(on);
    });
    QMenu* sizes = m_contextMenu->addMenu(tr("Font Size"));
    auto* sizeGroup = new QActionGroup(sizes);
    for (const auto& size : kFontSizes) {
        QAction* item = sizes->addAction(tr(size.text));
        item->setCheckable(true);
        sizeGroup->addAction(item);
        m_fontItems[size.points] = item;
        connect(item, &QAction::triggered, this, [this, points = size.points] {
            if (m_commands)
                m_commands->SetFontSize(points);
            refresh();
        });
    }
    m_permissionMenu = m_contextMenu->addMenu(tr("Chat Permissions"));
    for (const auto& permission : kPermissions) {
        QAction* item = m_permissionMenu->addAction(tr(permission.text));
        item->setCheckable(true);
        m_permissionItems[permission.level] = item;
        // The marks follow the server's notice, not the click.
        connect(item, &QAction::triggered, this, [this, level = permission.level] {
            if (m_commands)
                m_commands->ChoosePermission(level);
            refresh();
        });
    }
    m_contextMenu->addSeparator();
    connect(m_contextMenu->addAction(tr("Clear all text messages")), &QAction::triggered, this, [this] {
        if (m_commands)
            m_commands->ClearAll();
    });
    connect(m_contextMenu->addAction(tr("Save the text messages to file")), &QAction::triggered, this,
            [this] {
                if (m_commands)
                    m_commands->RequestSave();
            });
}

void TChatPane::addBrowser(std::uint16_t partner) {
    if (!m_conversations || m_browsers.contains(partner))
        return;
    QTextDocument* log = m_conversations->FindConversation(partner);
    if (!log)
        return;
    auto* browser = new QTextBrowser;
    browser->setObjectName(partner == 0 ? "publicLog" : QString("privateLog%1").arg(partner));
    browser->setAccessibleName(partner == 0 ? tr("Public messages") : tr("Private messages"));
    browser->setDocument(log);
    browser->setFrameShape(QFrame::NoFrame);
    browser->setOpenLinks(false);
    browser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    browser->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(browser, &QWidget::customContextMenuRequested, this, [this, browser](const QPoint& at) {
        m_contextMenu->popup(browser->viewport()->mapToGlobal(at));
    });
    m_browsers[partner] = browser;
    m_logs->addWidget(browser);
}

void TChatPane::dropBrowsers() {
    m_logs->setCurrentWidget(m_nothingShown);
    for (const auto& [partner, browser] : m_browsers) {
        m_logs->removeWidget(browser);
        browser->setDocument(nullptr);
        delete browser;
    }
    m_browsers.clear();
    m_shown.reset();
}

void TChatPane::refresh() {
    if (!m_state || !m_conversations)
        return;
    const ChatState& state = *m_state;
    m_header->setText(" " + state.Caption()); // clear of the edge, as the other headers
    m_header->setStyleSheet(kHeaderStyle.arg(state.CaptionWarns() ? "#ff6060" : "white"));
    m_header->setMenu(state.RecipientMenuEnabled() ? m_recipients : nullptr);
    m_entry->setVisible(state.EntryVisible());

    const auto shown = state.Shown();
    const auto browser = shown ? m_browsers.find(*shown) : m_browsers.end();
    m_logs->setCurrentWidget(browser == m_browsers.end() ? m_nothingShown : browser->second);
    if (shown != m_shown && shown)
        scrollToEnd(*shown);
    m_shown = shown;

    m_largeWindowItem->setEnabled(!state.InLargeWindow());
    m_timingItem->setChecked(m_conversations->ShowTiming());
    for (const auto& [points, item] : m_fontItems)
        item->setChecked(points == m_conversations->FontSize());
    m_permissionMenu->menuAction()->setVisible(state.PermissionMenuVisible());
    for (const auto& [level, item] : m_permissionItems)
        item->setChecked(level == state.CheckedPermission());
    followLargeWindow();
}

void TChatPane::rebuildRecipients() {
    m_recipients->clear();
    connect(m_recipients->addAction(tr("Public Messages")), &QAction::triggered, this, [this] {
        if (m_state)
            m_state->SelectConversation(ckPublic, 0);
    });
    m_recipients->addSeparator();
    if (!m_handlers)
        return;
    for (const TRecipient& r : m_handlers->Recipients())
        connect(m_recipients->addAction(r.caption), &QAction::triggered, this, [this, id = r.userId] {
            if (m_state)
                m_state->SelectConversation(ckPrivate, id);
        });
}

void TChatPane::send(const QString& text) {
    if (!text.isEmpty() && m_handlers && m_handlers->SendTyped(text))
        m_edit->clear();
    m_edit->setFocus();
}

void TChatPane::scrollToEnd(std::uint16_t partner) {
    const auto it = m_browsers.find(partner);
    if (it == m_browsers.end() || !m_state || m_state->Shown() != partner)
        return;
    QTextBrowser* browser = it->second;
    browser->moveCursor(QTextCursor::End);
    browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
}

void TChatPane::showNotice(const QString& name, const QString& text) {
    if (!m_notice)
        m_notice = new TChatNoticeWindow(window());
    m_notice->ShowMessage(name, text, QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
}

void TChatPane::save() {
    if (!m_commands)
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(folder.isEmpty() ? QDir::homePath() : folder)
                                 .filePath(ChatCommands::ProposedFileName(QDateTime::currentDateTime()));
    QString path = QFileDialog::getSaveFileName(this, tr("Save public text messages"), proposed,
                                                tr("Rich Text Format (*.rtf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".rtf";
    if (m_commands)
        m_commands->SavePublicConversation(path);
}

void TChatPane::followLargeWindow() {
    const bool wanted = m_state && m_state->InLargeWindow();
    if (wanted && !m_largeWindow) {
        m_largeWindow = new TChatLargeWindow(window());
        connect(m_largeWindow, &TChatLargeWindow::closed, this, [this] {
            if (m_commands)
                m_commands->CloseLargeWindow();
        });
        m_largeWindow->Take(m_content);
        m_largeWindow->show();
    } else if (!wanted && m_largeWindow) {
        layout()->addWidget(m_content);
        m_content->show();
        m_largeWindow->hide();
        m_largeWindow->deleteLater();
        m_largeWindow = nullptr;
    }
}

} // namespace

QWidget* NewChatPane(ChatHandlers& handlers, ChatCommands& commands, ChatState& state,
                     ChatConversations& conversations) {
    return new TChatPane(handlers, commands, state, conversations);
}

} // namespace orv

#include "ChatPane.moc"
