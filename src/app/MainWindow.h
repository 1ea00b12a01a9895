#pragma once
// TfMain: the session's frame. Hosts the three main views, the side column and the status bar, and receives
// the application messages that threads and the session post to it, routing each to its handler.

#include "platform/MessageRouter.h"
#include "session/MainPanes.h"

#include <QDateTime>
#include <QMainWindow>

#include <cstdint>
#include <functional>

class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;
class QSplitter;
class QStackedWidget;
class QTimer;
class QToolBar;
class QToolBox;

namespace orv {

class IDialogs;
class TAnnouncementLabel;

class TfMain : public QMainWindow, public IMainPanes {
    Q_OBJECT
public:
    using MessageHandler = TMessageRouter::Handler;

    explicit TfMain(IDialogs& dialogs, QWidget* parent = nullptr);

    // Subsystems route the application messages they act on; numbers without a handler do nothing.
    void RegisterMessageHandler(int n, MessageHandler handler) { m_router.Register(n, std::move(handler)); }
    TMessageRouter& Router() { return m_router; }

    // IMainPanes: where subsystems install their windows.
    void InstallView(std::int32_t view, QWidget* widget) override;
    void InstallNavigationPage(TNavigationPage page, QWidget* widget) override;
    void InstallParticipantList(QWidget* widget) override;
    void InstallAudioPane(QWidget* widget) override;
    void InstallToolAction(QAction* action) override;
    void InstallMenuAction(TMainMenu menu, QAction* action) override;
    void SetParticipantListHeader(const QString& text) override;
    void ShowMotionCounters(int handsUp, int yes, int no) override;
    void ShowNavigationPage(TNavigationPage page) override;
    TNavigationPage CurrentNavigationPage() const override;
    void SetNavigationPageEnabled(TNavigationPage page, bool enabled) override;
    bool IsFullScreen() const override;
    bool IsMainWindowActive() const override;
    void RaiseMainWindow() override;
    void Announce(const QString& text) override;
    QString ParticipantListHeader() const;
    QString MotionCounters() const;
    void ShowView(std::int32_t view);
    std::int32_t CurrentView() const { return m_currentView; }
    QString ViewHeader() const;

    void SetServerPanel(const QString& text);
    void SetRoomPanel(const QString& text);
    QString ServerPanel() const;
    QString RoomPanel() const;

    void TickConnectionSpeed(std::int32_t bytesPerSecond);
    void ApplyTheme(std::int32_t theme);
    int NavigationStyle() const { return m_navigationStyle; }
    void SetFullScreen(bool on);
    // Playback: no menu, tool bars, status bar or splitter; the Text Chat page alone; the whole screen.
    void SetPlaybackLayout();
    // The playback layout at `size`, laid out and painted but never on the screen: a recording exported to
    // a video file is pictured from it.
    void ShowOffscreenReplay(QSize size);
    void ShowUplink(std::int64_t bytes, std::int32_t overflowSize);
    QString UplinkText() const;
    // The room panel counts the minutes since `start`, once a minute.
    void StartSessionClock(std::int32_t room, const QString& name, const QDateTime& start);
    void StopSessionClock();

    // The status bar's "Reconnect" button, and the automatic reconnection's countdown with its Stop button
    // (an empty text hides both).
    void ShowReconnect(bool shown);
    bool ReconnectShown() const;
    void ShowReconnectCountdown(const QString& text);
    QString ReconnectCountdown() const;
    // `acResetConnection`: the File menu's item, enabled except in playback.
    void SetResetConnectionEnabled(bool enabled);

    void SetInRoom(bool inRoom) { m_inRoom = inRoom; }
    // Sees every key pressed or released in the window before its controls do (auto-repeats left out): the
    // virtual-key code and whether the key goes up.
    using KeyPreview = std::function<void(std::int32_t key, bool released)>;
    void SetKeyPreview(KeyPreview preview) { m_keyPreview = std::move(preview); }
    // Closes without the question (kill timer, removal by a moderator, a refused join link).
    void ForceClose();
    // Places the window over the screen's whole work area.
    void FitToWorkArea();
    // Shows it there, maximized.
    void ShowInWorkArea();
    // While this user shares its screen: a narrow strip at the right screen edge, or maximized again.
    void SetSharingStrip(bool strip);

signals:
    void settingsRequested(int page);
    void connectionSpeedChosen(std::int32_t bytesPerSecond);
    void themeChosen(std::int32_t theme);
    void viewSelected(std::int32_t view);
    void aboutRequested();
    // File menu: a recorded session made into a video file.
    void exportVideoRequested();
    void helpRequested();
    // The "Reconnect" button or the File menu's "Reset Connection".
    void reconnectRequested();
    // The user stopped the automatic reconnection.
    void autoReconnectStopped();
    void closed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildGoMenu();
    void focusFirstControl(QWidget* part);
    void buildCentre();
    void buildStatusBar();
    // No menu, tool bars, status bar or splitter; the Text Chat page alone.
    void hideSessionBars();
    void updateSessionClock();
    void nameNavigationPages();

    IDialogs& m_dialogs;
    TMessageRouter m_router;
    KeyPreview m_keyPreview;
    QLabel* m_participantHeader = nullptr;
    QWidget* m_participants = nullptr;
    QLabel* m_counters = nullptr;
    QToolBar* m_tools = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_audioMenu = nullptr;
    QWidget* m_audioPane = nullptr;
    QAction* m_fileMenuEnd = nullptr; // the separator before "Exit Current Session"
    QMenu* m_actionsMenu = nullptr;
    QMenu* m_resourcesMenu = nullptr;
    QStackedWidget* m_views = nullptr;
    QPushButton* m_viewHeader = nullptr;
    QToolBox* m_navigation = nullptr;
    QWidget* m_sideColumn = nullptr;
    QSplitter* m_splitter = nullptr;
    QLabel* m_serverPanel = nullptr;
    QLabel* m_roomPanel = nullptr;
    QPushButton* m_reconnect = nullptr;
    QLabel* m_countdown = nullptr;
    TAnnouncementLabel* m_announcement = nullptr;
    QPushButton* m_stopReconnecting = nullptr;
    QAction* m_resetConnection = nullptr;
    QLabel* m_uplink = nullptr;
    QActionGroup* m_speedGroup = nullptr;
    QAction* m_fullScreen = nullptr;
    QShortcut* m_leaveFullScreen = nullptr;
    QTimer* m_clock = nullptr;
    std::int32_t m_currentView = 0;
    int m_navigationStyle = 0;
    bool m_inRoom = false;
    bool m_playbackLayout = false; // a replay shows no menus, tool bars or status bar, full screen or not
    bool m_forceClose = false;
    std::int32_t m_clockRoom = 0;
    QString m_clockRoomName;
    QDateTime m_clockStart;
};

} // namespace orv
