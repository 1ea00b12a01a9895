#include "app/MainWindow.h"

#include "app/AnnouncementLabel.h"
#include "app/MainViews.h"
#include "app/SettingsWindow.h"
#include "app/StatusTexts.h"
#include "platform/AppMessage.h"
#include "platform/Dialogs.h"
#include "platform/VirtualKeys.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolBox>
#include <QVBoxLayout>

namespace orv {
namespace {

// The navigation pane's three styles; a stored theme of 1 picks the second, 2 the first, 3 the third.
const char* const kNavigationStyles[] = {
    "QToolBox::tab { background: #dbe6f7; color: #14325c; }",
    "QToolBox::tab { background: #e4e4e8; color: #303038; }",
    "QToolBox::tab { background: #e2e8cf; color: #3b4a1a; }",
};

QLabel* header(const QString& text) {
    auto* label = new QLabel(text);
    label->setStyleSheet("background: #31507f; color: white; padding: 3px; font: bold 8pt 'Tahoma';");
    return label;
}

} // namespace

TfMain::TfMain(IDialogs& dialogs, QWidget* parent) : QMainWindow(parent), m_dialogs(dialogs) {
    setWindowTitle(tr("Orvane Live Browser"));
    setObjectName("mainWindow");
    buildMenus();
    buildCentre();
    buildStatusBar();
    // Keys reach the window's controls first; the filter sees them before any control does.
    qApp->installEventFilter(this);
    m_clock = new QTimer(this);
    m_clock->setInterval(60000);
    connect(m_clock, &QTimer::timeout, this, &TfMain::updateSessionClock);
}

void TfMain::buildMenus() {
    QMenu* file = m_fileMenu = menuBar()->addMenu(tr("&File"));
    QAction* settings = file->addAction(tr("Settings"));
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(settings, &QAction::triggered, this,
            [this] { emit settingsRequested(TfrmSettings::ConnectionPage); });
    QMenu* speed = file->addMenu(tr("Connection Speed"));
    m_speedGroup = new QActionGroup(this);
    for (const TSpeedItem& item : ConnectionSpeedItems()) {
        QAction* action = speed->addAction(QCoreApplication::translate("orv::StatusTexts", item.text));
        action->setCheckable(true);
        action->setData(item.bytesPerSecond);
        m_speedGroup->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, v = item.bytesPerSecond] { emit connectionSpeedChosen(v); });
    }
    m_resetConnection = file->addAction(tr("Reset Connection"));
    m_resetConnection->setObjectName("resetConnection");
    connect(m_resetConnection, &QAction::triggered, this, &TfMain::reconnectRequested);
    QMenu* theme = file->addMenu(tr("Change Theme"));
    const QString themes[] = {tr("Standard"), tr("Silver"), tr("Blue"), tr("Olive")};
    for (int i = 0; i < 4; ++i)
        connect(theme->addAction(themes[i]), &QAction::triggered, this, [this, i] { emit themeChosen(i); });
    QAction* exportVideo = file->addAction(tr("Export Recording as Video…"));
    exportVideo->setObjectName("exportVideo");
    connect(exportVideo, &QAction::triggered, this, &TfMain::exportVideoRequested);
    m_fileMenuEnd = file->addSeparator();
    QAction* exit = file->addAction(tr("Exit Current Session"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    m_resourcesMenu = menuBar()->addMenu(tr("&Resources"));
    m_actionsMenu = menuBar()->addMenu(tr("A&ctions"));

    QMenu* audio = m_audioMenu = menuBar()->addMenu(tr("&Audio"));
    connect(audio->addAction(tr("Audio Settings")), &QAction::triggered, this,
            [this] { emit settingsRequested(TfrmSettings::AudioPage); });

    buildGoMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    connect(help->addAction(tr("About")), &QAction::triggered, this, &TfMain::aboutRequested);
    connect(help->addAction(tr("Help and Support")), &QAction::triggered, this, &TfMain::helpRequested);

    m_tools = addToolBar(tr("Main"));
    m_tools->setObjectName("mainToolBar");
    m_tools->setMovable(false);
    m_fullScreen = m_tools->addAction(tr("Full Screen"));
    m_fullScreen->setCheckable(true);
    m_fullScreen->setShortcut(Qt::Key_F11);
    connect(m_fullScreen, &QAction::toggled, this, &TfMain::SetFullScreen);
    // Escape leaves full screen; at other times it is left to the window that has the focus.
    m_leaveFullScreen = new QShortcut(Qt::Key_Escape, this, [this] { SetFullScreen(false); });
    m_leaveFullScreen->setEnabled(false);
}

void TfMain::buildGoMenu() {
    // The keyboard's way between the window's parts: each item puts the focus on a part's first control.
    QMenu* go = menuBar()->addMenu(tr("&Go"));
    go->setObjectName("goMenu");
    const auto add = [&](const QString& text, int key, std::function<void()> focus) {
        QAction* action = go->addAction(text);
        action->setShortcut(QKeySequence(Qt::CTRL | key));
        connect(action, &QAction::triggered, this, std::move(focus));
    };
    add(tr("Participant List"), Qt::Key_1, [this] { focusFirstControl(m_participants); });
    add(tr("Text Chat"), Qt::Key_2, [this] {
        ShowNavigationPage(TNavigationPage::TextChat);
        focusFirstControl(m_navigation->widget(int(TNavigationPage::TextChat)));
    });
    add(tr("Main View"), Qt::Key_3, [this] { focusFirstControl(m_views->currentWidget()); });
    add(tr("Audio"), Qt::Key_4, [this] { focusFirstControl(m_audioPane); });
}

void TfMain::focusFirstControl(QWidget* part) {
    if (!part)
        return;
    // A part that names its own first control (the chat's input line) has it as its focus proxy.
    if (part->focusProxy() && part->focusProxy()->isVisible() && part->focusProxy()->isEnabled()) {
        part->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    for (QWidget* w = part->nextInFocusChain(); w && w != part; w = w->nextInFocusChain()) {
        if (!part->isAncestorOf(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void TfMain::buildCentre() {
    // Room area: a header naming the view (its menu switches everybody's view) over the three hosted windows.
    auto* roomArea = new QWidget;
    m_viewHeader = new QPushButton;
    m_viewHeader->setObjectName("viewHeader");
    m_viewHeader->setStyleSheet(
        "QPushButton { text-align: left; background: #31507f; color: white; border: none;"
        " padding: 3px; font: bold 8pt 'Tahoma'; }");
    auto* selector = new QMenu(m_viewHeader);
    const QString choices[] = {tr("White Board View"), tr("Synchronized Web Browser"),
                               tr("Application Sharing View")};
    for (int view = 0; view < 3; ++view)
        connect(selector->addAction(choices[view]), &QAction::triggered, this,
                [this, view] { emit viewSelected(view); });
    selector->setObjectName("viewSelector");
    // The whole header opens the selector, its arrow included: the arrow is drawn over the header and lets
    // clicks through.
    connect(m_viewHeader, &QPushButton::clicked, this, [this, selector] {
        selector->popup(m_viewHeader->mapToGlobal(QPoint(0, m_viewHeader->height())));
    });
    auto* arrow = new QLabel(QStringLiteral("\u25BE"), m_viewHeader);
    arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    arrow->setStyleSheet("color: white; background: transparent;");
    auto* arrowPlace = new QHBoxLayout(m_viewHeader);
    arrowPlace->setContentsMargins(0, 0, 6, 0);
    arrowPlace->addStretch();
    arrowPlace->addWidget(arrow);
    m_viewHeader->setAccessibleName(tr("Main view: choose the view everybody sees"));

    m_views = new QStackedWidget;
    for (int view = 0; view < 3; ++view)
        m_views->addWidget(new QWidget);
    auto* roomLayout = new QVBoxLayout(roomArea);
    roomLayout->setContentsMargins(0, 0, 0, 0);
    roomLayout->setSpacing(0);
    roomLayout->addWidget(m_viewHeader);
    roomLayout->addWidget(m_views, 1);

    // Side column: participants with their counters, then the navigation pane.
    m_sideColumn = new QWidget;
    auto* side = new QVBoxLayout(m_sideColumn);
    side->setContentsMargins(0, 0, 0, 0);
    m_participantHeader = header(tr("Participant List"));
    side->addWidget(m_participantHeader);
    m_participants = new QWidget;
    m_participants->setObjectName("participantListHost");
    m_participants->setLayout(new QVBoxLayout);
    m_participants->layout()->setContentsMargins(0, 0, 0, 0);
    side->addWidget(m_participants, 2);
    m_counters = new QLabel;
    m_counters->setObjectName("rosterCounters");
    m_counters->setContentsMargins(4, 2, 4, 2);
    ShowMotionCounters(0, 0, 0);
    side->addWidget(m_counters);
    m_navigation = new QToolBox;
    m_navigation->setFont(QFont("Tahoma", 8));
    for (const QString& page : {tr("Text Chat"), tr("PowerPoint Library"), tr("Notes and Questions")})
        m_navigation->addItem(new QWidget, page);
    nameNavigationPages();
    side->addWidget(m_navigation, 3);
    m_audioPane = new QWidget;
    m_audioPane->setLayout(new QVBoxLayout);
    m_audioPane->layout()->setContentsMargins(0, 0, 0, 0);
    side->addWidget(m_audioPane);

    m_splitter = new QSplitter;
    m_splitter->addWidget(m_sideColumn);
    m_splitter->addWidget(roomArea);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({260, 900});
    setCentralWidget(m_splitter);
    ShowView(vwWhiteBoard);
}

void TfMain::buildStatusBar() {
    m_serverPanel = new QLabel;
    m_roomPanel = new QLabel(tr(" Room: Not selected"));
    m_reconnect = new QPushButton(tr("Reconnect"));
    m_reconnect->setObjectName("reconnectButton");
    m_reconnect->hide();
    connect(m_reconnect, &QPushButton::clicked, this, &TfMain::reconnectRequested);
    m_countdown = new QLabel;
    m_countdown->setObjectName("reconnectCountdown");
    m_countdown->hide();
    m_stopReconnecting = new QPushButton(tr("Stop"));
    m_stopReconnecting->setObjectName("stopReconnecting");
    m_stopReconnecting->setAccessibleName(tr("Stop reconnecting automatically"));
    m_stopReconnecting->setToolTip(tr("Stop reconnecting automatically"));
    m_stopReconnecting->hide();
    connect(m_stopReconnecting, &QPushButton::clicked, this, &TfMain::autoReconnectStopped);
    m_uplink = new QLabel(orv::UplinkText(0));
    m_uplink->hide();
    statusBar()->addWidget(m_serverPanel);
    statusBar()->addWidget(m_roomPanel, 1);
    m_announcement = new TAnnouncementLabel;
    statusBar()->addWidget(m_announcement, 2);
    statusBar()->addPermanentWidget(m_countdown);
    statusBar()->addPermanentWidget(m_stopReconnecting);
    statusBar()->addPermanentWidget(m_reconnect);
    statusBar()->addPermanentWidget(m_uplink);
}

bool TfMain::event(QEvent* event) {
    return m_router.Route(event) || QMainWindow::event(event);
}

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if ((press || event->type() == QEvent::KeyRelease) && m_keyPreview && watched->isWidgetType()) {
        // A key not taken by a control travels up to its parents: look at it once, at the control that has
        // the focus (or the window itself when none has).
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        const auto* key = static_cast<QKeyEvent*>(event);
        if (widget->window() == this && widget == (focus ? focus : this) && !key->isAutoRepeat()) {
            if (const std::int32_t code = VirtualKeyFromQtKey(key->key()))
                m_keyPreview(code, !press);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfMain::InstallView(std::int32_t view, QWidget* widget) {
    if (view < 0 || view >= m_views->count())
        return;
    QWidget* old = m_views->widget(view);
    m_views->insertWidget(view, widget);
    m_views->removeWidget(old);
    old->deleteLater();
    m_views->setCurrentIndex(m_currentView);
}

void TfMain::InstallNavigationPage(TNavigationPage page, QWidget* widget) {
    const int index = int(page);
    if (index < 0 || index >= m_navigation->count())
        return;
    const QString title = m_navigation->itemText(index);
    const int current = m_navigation->currentIndex(); // removing the page moves the pane to another
    QWidget* old = m_navigation->widget(index);
    m_navigation->removeItem(index);
    m_navigation->insertItem(index, widget, title);
    m_navigation->setCurrentIndex(current);
    old->deleteLater();
    nameNavigationPages();
}

void TfMain::nameNavigationPages() {
    // The pane wraps each page in a scroll area of its own, which the keyboard reaches: it takes the page's
    // title.
    for (int i = 0; i < m_navigation->count(); ++i)
        for (QWidget* w = m_navigation->widget(i); w && w != m_navigation; w = w->parentWidget())
            if (auto* scroll = qobject_cast<QScrollArea*>(w))
                scroll->setAccessibleName(m_navigation->itemText(i));
}

void TfMain::InstallParticipantList(QWidget* widget) {
    QLayout* layout = m_participants->layout();
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* old = item->widget())
            old->deleteLater();
        delete item;
    }
    layout->addWidget(widget);
    widget->show();
}

void TfMain::InstallAudioPane(QWidget* widget) {
    m_audioPane->layout()->addWidget(widget);
}

void TfMain::InstallToolAction(QAction* action) {
    action->setParent(this);
    m_tools->insertAction(m_fullScreen, action); // full screen stays last
    // The tool bar's buttons take no focus: those with a key are listed in a menu as well, which shows it.
    if (!action->shortcut().isEmpty())
        m_actionsMenu->addAction(action);
}

void TfMain::InstallMenuAction(TMainMenu menu, QAction* action) {
    action->setParent(this);
    if (menu == TMainMenu::Actions)
        m_actionsMenu->addAction(action);
    else if (menu == TMainMenu::Audio)
        m_audioMenu->addAction(action);
    else if (menu == TMainMenu::Resources)
        m_resourcesMenu->addAction(action);
    else
        m_fileMenu->insertAction(m_fileMenuEnd, action);
}

void TfMain::SetParticipantListHeader(const QString& text) {
    m_participantHeader->setText(text);
}

QString TfMain::ParticipantListHeader() const {
    return m_participantHeader->text();
}

void TfMain::ShowMotionCounters(int handsUp, int yes, int no) {
    m_counters->setText(tr("Hands Up:") + QString(" %1    ").arg(handsUp) + tr("YES:") +
                        QString(" %1    ").arg(yes) + tr("NO:") + QString(" %1").arg(no));
}

QString TfMain::MotionCounters() const {
    return m_counters->text();
}

void TfMain::ShowView(std::int32_t view) {
    if (view < 0 || view > 2)
        return;
    m_currentView = view;
    m_views->setCurrentIndex(view);
    m_viewHeader->setText(" " + ViewTitle(view));
}

QString TfMain::ViewHeader() const {
    return m_viewHeader->text().trimmed();
}

void TfMain::SetServerPanel(const QString& text) {
    m_serverPanel->setText(text);
}
void TfMain::SetRoomPanel(const QString& text) {
    m_roomPanel->setText(text);
}
QString TfMain::ServerPanel() const {
    return m_serverPanel->text();
}
QString TfMain::RoomPanel() const {
    return m_roomPanel->text();
}

void TfMain::ShowNavigationPage(TNavigationPage page) {
    m_navigation->setCurrentIndex(int(page));
}

TNavigationPage TfMain::CurrentNavigationPage() const {
    return TNavigationPage(m_navigation->currentIndex());
}

void TfMain::SetNavigationPageEnabled(TNavigationPage page, bool enabled) {
    m_navigation->setItemEnabled(int(page), enabled);
}

bool TfMain::IsFullScreen() const {
    return m_fullScreen->isChecked();
}

bool TfMain::IsMainWindowActive() const {
    return isActiveWindow();
}

void TfMain::RaiseMainWindow() {
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TfMain::Announce(const QString& text) {
    m_announcement->Announce(text);
}

void TfMain::TickConnectionSpeed(std::int32_t bytesPerSecond) {
    m_speedGroup->actions()[ConnectionSpeedItemFor(bytesPerSecond)]->setChecked(true);
}

void TfMain::ApplyTheme(std::int32_t theme) {
    m_navigationStyle = theme == 1 ? 2 : theme == 2 ? 1 : theme == 3 ? 3 : 0;
    m_navigation->setStyleSheet(m_navigationStyle ? kNavigationStyles[m_navigationStyle - 1] : "");
}

void TfMain::SetPlaybackLayout() {
    hideSessionBars();
    showFullScreen();
}

void TfMain::ShowOffscreenReplay(QSize size) {
    hideSessionBars();
    setAttribute(Qt::WA_DontShowOnScreen);
    resize(size);
    show();
}

void TfMain::hideSessionBars() {
    m_playbackLayout = true;
    menuBar()->setVisible(false);
    for (QToolBar* bar : findChildren<QToolBar*>())
        bar->setVisible(false);
    statusBar()->setVisible(false);
    m_splitter->handle(1)->setVisible(false);
    ShowNavigationPage(TNavigationPage::TextChat);
    for (const TNavigationPage page : {TNavigationPage::PowerPoint, TNavigationPage::Notes})
        m_navigation->setItemEnabled(int(page), false);
}

void TfMain::SetFullScreen(bool on) {
    if (m_fullScreen->isChecked() != on) {
        m_fullScreen->setChecked(on); // comes back here through toggled
        return;
    }
    const bool bars = !on && !m_playbackLayout;
    m_sideColumn->setVisible(!on);
    menuBar()->setVisible(bars);
    statusBar()->setVisible(bars);
    m_splitter->handle(1)->setVisible(bars);
    m_fullScreen->setText(on ? tr("Normal View") : tr("Full Screen"));
    m_leaveFullScreen->setEnabled(on);

    if (on) {
        showFullScreen();
    } else {
        showNormal();
        FitToWorkArea();
    }
}

void TfMain::ShowUplink(std::int64_t bytes, std::int32_t overflowSize) {
    m_uplink->setText(orv::UplinkText(UplinkPercent(bytes, overflowSize)));
    m_uplink->show();
}

QString TfMain::UplinkText() const {
    return m_uplink->text();
}

void TfMain::StartSessionClock(std::int32_t room, const QString& name, const QDateTime& start) {
    m_clockRoom = room;
    m_clockRoomName = name;
    m_clockStart = start;
    m_clock->start();
}

void TfMain::StopSessionClock() {
    m_clock->stop();
}

void TfMain::updateSessionClock() {
    const qint64 minutes = m_clockStart.secsTo(QDateTime::currentDateTime()) / 60;
    SetRoomPanel(SessionClockText(m_clockRoom, m_clockRoomName, minutes));
}

void TfMain::FitToWorkArea() {
    // The window manager maximizes the frame into the work area. The normal geometry below only matters
    // without one, or after the user restores the window: move() places the frame, so the title bar stays on
    // the screen. A maximized window keeps its geometry: setting one now could undo the maximizing.
    if (windowState() & Qt::WindowMaximized)
        return;
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.size() * 9 / 10);
        move(area.topLeft() + QPoint(area.width() / 20, area.height() / 20));
    }
    setWindowState((windowState() & ~Qt::WindowFullScreen) | Qt::WindowMaximized);
}

void TfMain::ShowInWorkArea() {
    FitToWorkArea();
    showMaximized();
}

void TfMain::SetSharingStrip(bool strip) {
    const QScreen* screen = QApplication::primaryScreen();
    if (!strip) {
        ShowInWorkArea();
        return;
    }
    SetFullScreen(false);
    setWindowState(Qt::WindowNoState);
    if (!screen)
        return;
    constexpr int kStripWidth = 254;
    const int panel = m_sideColumn->width() > 0 ? m_sideColumn->width() : kStripWidth;
    const QRect area = screen->availableGeometry();
    showNormal();
    resize(kStripWidth, area.height());
    move(screen->geometry().width() - panel - 5, 0);
}

void TfMain::ShowReconnect(bool shown) {
    m_reconnect->setVisible(shown);
}

bool TfMain::ReconnectShown() const {
    return !m_reconnect->isHidden();
}

void TfMain::ShowReconnectCountdown(const QString& text) {
    m_countdown->setText(text);
    m_countdown->setVisible(!text.isEmpty());
    m_stopReconnecting->setVisible(!text.isEmpty());
}

QString TfMain::ReconnectCountdown() const {
    return m_countdown->isHidden() ? QString() : m_countdown->text();
}

void TfMain::SetResetConnectionEnabled(bool enabled) {
    m_resetConnection->setEnabled(enabled);
}

void TfMain::ForceClose() {
    m_forceClose = true;
    close();
}

void TfMain::closeEvent(QCloseEvent* event) {
    if (m_inRoom && !m_forceClose && !m_dialogs.Question(tr("Do you want to exit current live session?"))) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

} // namespace orv
