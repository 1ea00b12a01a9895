#include "app/SessionModule.h"

#include "app/AboutBox.h"
#include "app/AudioDeviceNames.h"
#include "app/DesktopRegistration.h"
#include "app/MainWindow.h"
#include "app/RoomListWindow.h"
#include "app/SignInWindow.h"
#include "app/StatusTexts.h"
#include "app/WelcomeWindow.h"
#include "link/ErrorMessages.h"
#include "platform/AppMessageIds.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace orv {

TDM::TDM(TfMain& main, TStartOptions options)
    : QObject(&main), m_main(main), m_options(std::move(options)), m_dialogs(&main), m_store(),
      m_mainSink(&main), m_link(m_connection, m_dispatcher, m_mainSink, &main), m_sender(m_link, m_state),
      m_signIn(m_connection, m_link, m_state, m_mainSink, *this, m_store, {}),
      m_views([this](std::uint16_t command, const QByteArray& payload) { m_sender.Send(command, payload); },
              [this](std::int32_t view) { m_main.ShowView(view); },
              // Moderators lead; so will the holder of the public board, once boards are shared.
              [this] { return m_state.account.IsModerator(); }) {
    WriteIdentitySettings(m_store, m_options.programFile);
    m_folders = TProgramFolders::Prepare(m_options.programFolder);
    m_recordingStem = RecordingNameStem();
    m_settings = LoadSettings(m_store, m_folders.program);
    SetSupportAddress(m_settings.HelpURL);
    for (const TFileType& type : {TFileType{"orvane", "Orvane Live Recorded Session"},
                                  TFileType{"or5", "Orvane Live 5 Recorded Session"}})
        RegisterFileType(m_options.programFile, type);

    m_signIn.RegisterHandlers(m_dispatcher);
    m_views.RegisterHandlers(m_dispatcher);
    routeMessages();

    connect(&m_main, &TfMain::settingsRequested, this, &TDM::openSettings);
    connect(&m_main, &TfMain::viewSelected, this, [this](std::int32_t view) { m_views.SelectView(view); });
    connect(&m_main, &TfMain::connectionSpeedChosen, this, [this](std::int32_t speed) {
        m_link.SetConnectionSpeed(speed);
        m_settings.ConnectionSpeed = speed;
        m_store.WriteInteger("", "ConnectionSpeedBytesPerSec", speed);
        m_store.Flush();
    });
    connect(&m_main, &TfMain::themeChosen, this, [this](std::int32_t theme) {
        m_main.ApplyTheme(theme);
        m_settings.ColorTheme = theme;
        m_store.WriteInteger("", "ColorTheme", theme);
        m_store.Flush();
    });
    connect(&m_main, &TfMain::aboutRequested, this, [this] { TfrmAbout(&m_main).exec(); });
    connect(&m_main, &TfMain::helpRequested, this, [] { QDesktopServices::openUrl(QUrl(SupportAddress())); });
    connect(&m_main, &TfMain::closed, this, [] { QCoreApplication::quit(); });
}

TDM::~TDM() {
    m_mainSink.detach();
    // The session ends before anything its handlers use goes away.
    EndSession();
    if (ClearFolder(m_folders.temporary))
        TProgramFolders::Prepare(m_folders.program);
    m_connection.close();
}

void TDM::EndSession() {
    if (m_ended)
        return;
    m_ended = true;
    m_link.StopReader();
    m_link.StopWriter();
}

void TDM::routeMessages() {
    m_main.RegisterMessageHandler(MainMsg::ShowChatPane, [this](std::intptr_t, std::intptr_t) {
        m_main.ShowNavigationPage(TfMain::TextChatPage);
    });
    m_main.RegisterMessageHandler(MainMsg::RoomEntered, [this](std::intptr_t code, std::intptr_t) {
        TRoomEntrySequence(m_signIn, m_state, m_mainSink, *this, m_launch.mode == TLaunchMode::Join)
            .Run(int(code));
        m_main.SetInRoom(m_state.inRoom);
    });
    m_main.RegisterMessageHandler(MainMsg::RoomListLoaded,
                                  [this](std::intptr_t code, std::intptr_t) { onRoomList(int(code)); });
    m_main.RegisterMessageHandler(MainMsg::UplinkProgress, [this](std::intptr_t bytes, std::intptr_t) {
        m_main.ShowUplink(bytes, m_link.OverflowSize());
    });
}

TSignInOptions TDM::signInOptions() const {
    TSignInOptions o;
    o.programFolder = m_folders.program;
    o.proxy = {m_settings.UseProxy,
               m_settings.SocksVersion,
               m_settings.ProxyHost,
               std::uint16_t(m_settings.ProxyPort),
               m_settings.ProxyAuthentication,
               m_settings.ProxyUserName,
               m_settings.ProxyPassword};
    o.connectionSpeed = m_settings.ConnectionSpeed;
    o.viaSignInWindow = m_launch.mode == TLaunchMode::SignInWindow;
    o.playbackMode = m_launch.mode == TLaunchMode::PlayFromServer;
    return o;
}

void TDM::prepareMainWindow() {
    m_main.TickConnectionSpeed(m_settings.ConnectionSpeed);
    m_main.ApplyTheme(m_settings.ColorTheme);
    m_main.FitToWorkArea();
    m_main.SetInRoom(false);
    if (const QScreen* screen = QApplication::primaryScreen())
        for (const QString& warning :
             ScreenWarnings(screen->geometry().height(), screen->logicalDotsPerInch()))
            m_dialogs.Information(warning);
    m_mainSink.post(MainMsg::ShowChatPane, 0, 0);
    m_main.ShowView(vwWhiteBoard);
}

void TDM::Start() {
    prepareMainWindow();
    m_launch = ParseLaunchArgument(m_options.launchArgument);
    QTimer::singleShot(1000, this, &TDM::continueStart);
}

void TDM::continueStart() {
    m_signIn.SetCredentials(m_launch.values.userName, m_launch.values.password);
    TServerAddress server{m_launch.values.host, std::uint16_t(std::max(0, m_launch.values.port))};

    if (m_launch.mode == TLaunchMode::LocalFile || m_launch.mode == TLaunchMode::PlayFromAddress ||
        m_launch.mode == TLaunchMode::PlayFromServer) {
        m_dialogs.Error("Recorded sessions cannot be played by this version of Orvane Live Browser.");
        RequestQuit(-1);
        return;
    }
    if (m_launch.mode == TLaunchMode::SignInWindow) {
        TfrmSignIn window(m_store, m_options.preferredServer.isEmpty()
                                       ? QStringList{}
                                       : QStringList{m_options.preferredServer});
        window.setPreferredServer(m_options.preferredServer);
        connect(&window, &TfrmSignIn::connectionSettingsRequested, this, &TDM::OpenConnectionSettings);
        connect(&window, &TfrmSignIn::helpRequested, this,
                [] { QDesktopServices::openUrl(QUrl(SupportAddress() + "?topic=whatserver")); });
        TSignInValues values;
        if (!window.ShowSignIn(values)) {
            RequestQuit(-1);
            return;
        }
        server = values.server;
        m_signIn.SetCredentials(values.userName, values.password);
    }
    startLive(server);
}

void TDM::startLive(const TServerAddress& server) {
    try {
        m_signIn.Options() = signInOptions();
        if (!m_signIn.StartSession(server.host, server.port)) {
            m_progress.Hide();
            return;
        }
        m_signIn.SendTimeZone();
        if (m_launch.mode == TLaunchMode::Join) {
            const std::int32_t room = m_launch.values.room;
            QTimer::singleShot(1000, this, [this, room] { m_signIn.EnterRoom(room); });
        } else {
            m_signIn.RequestRoomList();
        }
    } catch (const std::exception& e) {
        m_dialogs.Error(QString::fromStdString(e.what()) +
                        " Unable to launch Orvane Live Browser. Please contact the server administrator for "
                        "support...");
        m_progress.Hide();
        RequestQuit(0);
    }
}

void TDM::onRoomList(int resultCode) {
    m_signIn.OnRoomListReported(resultCode, [this] {
        TfrmRoomList window(m_state.serverHost, m_state.account, m_state.startup, m_state.bannerPath,
                            m_folders.userImages);
        connect(&window, &TfrmRoomList::vendorSiteRequested, this,
                [] { QDesktopServices::openUrl(QUrl(SupportAddress())); });
        for (const TRoomListEntry& entry : m_state.roomList)
            window.AddRoom(entry);
        m_progress.Hide();
        return window.ChooseRoom();
    });
}

void TDM::openSettings(int page) {
    TSettingsWindowContext context;
    context.inRoom = m_state.inRoom;
    context.moderator = m_state.account.IsModerator();
    context.microphones = m_state.microphoneCount;
    context.codec = m_state.audioCodec;
    context.audioOutputs = AudioOutputNames();
    context.audioInputs = AudioInputNames();
    TfrmSettings window(m_settings, m_store, m_folders.program, context, *this, m_dialogs, &m_main);
    window.LoadAndFill(TfrmSettings::Page(page));
    window.exec();
    SetSupportAddress(m_settings.HelpURL);
}

void TDM::OpenFile(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TDM::OpenConnectionSettings() {
    openSettings(TfrmSettings::ConnectionPage);
}

void TDM::RequestQuit(int exitCode) {
    // Leaves every running event loop, modal windows' included.
    QTimer::singleShot(0, qApp, [exitCode] { QCoreApplication::exit(exitCode); });
}

void TDM::SetCaption(const QString& text) {
    m_main.setWindowTitle(text);
}
void TDM::SetServerPanel(const QString& text) {
    m_main.SetServerPanel(text);
}
void TDM::SetRoomPanel(const QString& text) {
    m_main.SetRoomPanel(text);
}

void TDM::ShowMainWindow() {
    m_progress.Hide();
    m_main.FitToWorkArea();
    m_main.show();
}

void TDM::CloseMainWindow() {
    m_main.ForceClose();
}

void TDM::StartSessionClock() {
    m_main.StartSessionClock(m_state.room.Number(), m_state.room.Name(), m_state.sessionStart);
}

void TDM::RequestCurrentView() {
    m_views.RequestCurrentView();
}

void TDM::ShowWelcomePage(const QString& address) {
    auto* welcome = new TfrmWelcome(QUrl(address), &m_main);
    const QRect area = m_main.centralWidget() ? m_main.centralWidget()->geometry() : m_main.rect();
    welcome->resize(area.size() * 3 / 4);
    if (const QScreen* screen = QApplication::primaryScreen())
        welcome->move(screen->availableGeometry().center() - welcome->rect().center());
    welcome->show();
}

void TDM::BringToFront() {
    m_main.raise();
    m_main.activateWindow();
}

} // namespace orv
