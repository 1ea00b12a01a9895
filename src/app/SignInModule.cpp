#include "app/SignInModule.h"

#include "app/MainWindow.h"
#include "app/ProgramFolders.h"
#include "app/ProgressWindow.h"
#include "app/RoomListWindow.h"
#include "app/ShellServices.h"
#include "app/SignInWindow.h"
#include "link/ErrorMessages.h"
#include "link/LinkMessageIds.h"
#include "platform/Dialogs.h"
#include "platform/MessageRouter.h"
#include "playback/PlaybackModule.h"
#include "session/Settings.h"

#include <QTimer>
#include <QUrl>

namespace orv {

TSignInModule::TSignInModule(TSignInModuleParts parts)
    : m_parts(std::move(parts)), m_signIn(m_parts.connection, m_parts.link, m_parts.state, m_parts.mainWindow,
                                          m_parts.shell, m_parts.store, {}) {
    m_signIn.SetRememberedCredentials(&m_remembered);
}

void TSignInModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    m_signIn.RegisterHandlers(dispatcher);
}

void TSignInModule::RegisterMessages(TMessageRouter& router) {
    router.Register(MainMsg::RoomEntered,
                    [this](std::intptr_t code, std::intptr_t) { onRoomEntered(int(code)); });
    router.Register(MainMsg::RoomListLoaded,
                    [this](std::intptr_t code, std::intptr_t) { onRoomList(int(code)); });
    router.Register(MainMsg::LinkState,
                    [this](std::intptr_t value, std::intptr_t) { onLinkState(int(value)); });
}

TSignInOptions TSignInModule::options() const {
    const TSettings& s = m_parts.settings;
    TSignInOptions o;
    o.programFolder = m_parts.folders.program;
    o.proxy = {
        s.UseProxy,      s.SocksVersion, s.ProxyHost, std::uint16_t(s.ProxyPort), s.ProxyAuthentication,
        s.ProxyUserName, s.ProxyPassword};
    o.connectionSpeed = s.ConnectionSpeed;
    o.viaSignInWindow = m_launch.mode == TLaunchMode::SignInWindow;
    if (m_launch.encrypted)
        o.encryption = TEncryption::Required;
    o.playbackMode = m_launch.mode == TLaunchMode::PlayFromServer;
    return o;
}

void TSignInModule::Begin(const TLaunch& launch) {
    m_launch = launch;
    m_parts.state.launchMode = launch.mode;
    m_signIn.SetCredentials(launch.values.userName, launch.values.password);
    TServerAddress server{launch.values.host, std::uint16_t(std::max(0, launch.values.port))};

    if (m_parts.state.IsPlayback() && !m_playback) {
        m_parts.shell.Dialogs().Error(
            tr("Recorded sessions cannot be played by this version of Orvane Live Browser."));
        m_parts.shell.RequestQuit(-1);
        return;
    }
    if (launch.mode == TLaunchMode::LocalFile)
        return m_playback->PlayFile(launch.rest, false);
    if (launch.mode == TLaunchMode::PlayFromAddress)
        return m_playback->PlayFromAddress(launch.rest);
    if (launch.mode == TLaunchMode::SignInWindow) {
        const QString& preferred = m_parts.preferredServer;
        TfrmSignIn window(m_parts.store, preferred.isEmpty() ? QStringList{} : QStringList{preferred},
                          &m_remembered);
        window.setPreferredServer(preferred);
        connect(&window, &TfrmSignIn::connectionSettingsRequested, this,
                [this] { m_parts.shell.OpenConnectionSettings(); });
        connect(&window, &TfrmSignIn::helpRequested, this,
                [this] { m_parts.shell.OpenAddress(SupportAddress() + "?topic=whatserver"); });
        TSignInValues values;
        if (!window.ShowSignIn(values)) {
            m_parts.shell.RequestQuit(-1);
            return;
        }
        server = values.server;
        m_signIn.SetCredentials(values.userName, values.password);
        WriteServerEncryption(m_parts.store, server.host, server.port, values.encryption);
    }
    startLive(server);
}

void TSignInModule::startLive(const TServerAddress& server) {
    try {
        m_signIn.Options() = options();
        if (!m_signIn.StartSession(server.host, server.port)) {
            m_parts.shell.Progress().Hide();
            return;
        }
        if (m_launch.mode == TLaunchMode::PlayFromServer) {
            m_playback->PlayFromServer(m_launch.values.sessionName);
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
        m_parts.shell.Dialogs().Error(QString::fromStdString(e.what()) +
                                      " Unable to launch Orvane Live Browser. Please contact the server "
                                      "administrator for support...");
        m_parts.shell.Progress().Hide();
        m_parts.shell.RequestQuit(0);
    }
}

TRestart TSignInModule::RestartSession() {
    m_signIn.Options() = options();
    return m_signIn.RestartSession();
}

void TSignInModule::onRoomList(int resultCode) {
    m_signIn.OnRoomListReported(resultCode, [this] {
        const TSessionState& state = m_parts.state;
        TfrmRoomList window(state.serverHost, state.account, state.startup, state.bannerPath,
                            m_parts.folders.userImages);
        connect(&window, &TfrmRoomList::vendorSiteRequested, this,
                [this] { m_parts.shell.OpenAddress(SupportAddress()); });
        for (const TRoomListEntry& entry : state.roomList)
            window.AddRoom(entry);
        m_parts.shell.Progress().Hide();
        m_roomList = &window;
        const std::int32_t room = window.ChooseRoom();
        return m_lost ? -1 : room;
    });
}

void TSignInModule::onRoomEntered(int resultCode) {
    TRoomEntrySequence(m_parts.state, *this, m_parts.steps, m_parts.mainWindow,
                       m_launch.mode == TLaunchMode::Join)
        .Run(resultCode);
    m_parts.main.SetInRoom(m_parts.state.inRoom);
}

void TSignInModule::onLinkState(int value) {
    const bool lost = value == LinkStateValue::ReaderEnded || value == LinkStateValue::HeartbeatFailed ||
                      value == LinkStateValue::WriteFailed;
    if (!lost || m_lost || m_parts.state.inRoom || m_parts.state.IsPlayback())
        return;
    m_lost = true;
    if (m_roomList)
        m_roomList->reject();
    m_parts.shell.Progress().Hide();
    m_parts.shell.Dialogs().Error(tr("The connection to the server was lost before a room was entered.\r\n"
                                     "Orvane Live Browser will now close. Please sign in again later."));
    m_parts.shell.RequestQuit(-1);
}

IDialogs& TSignInModule::Dialogs() {

    return m_parts.shell.Dialogs();
}

IProgress& TSignInModule::Progress() {
    return m_parts.shell.Progress();
}

void TSignInModule::ShowMainWindow() {
    m_parts.shell.Progress().Hide();
    m_parts.main.ShowInWorkArea();
}

void TSignInModule::CloseMainWindow() {
    m_parts.main.ForceClose();
}

void TSignInModule::StartSessionClock() {
    const TSessionState& state = m_parts.state;
    m_parts.main.StartSessionClock(state.room.Number(), state.room.Name(), state.sessionStart);
}

void TSignInModule::SetRoomPanel(const QString& text) {
    m_parts.shell.SetRoomPanel(text);
}

void TSignInModule::RequestRoomList() {
    m_signIn.RequestRoomList();
}

} // namespace orv
