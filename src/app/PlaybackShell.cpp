#include "app/PlaybackShell.h"

#include "app/MainWindow.h"
#include "app/ModuleList.h"
#include "app/ProgramFolders.h"
#include "app/RoomListWindow.h"
#include "app/SettingsWindow.h"
#include "app/ShellServices.h"
#include "app/SignInModule.h"
#include "board/BoardModule.h"
#include "link/ErrorMessages.h"
#include "platform/Progress.h"
#include "platform/TcpClient.h"
#include "playback/PlayerWindow.h"
#include "protocol/BoardRecords.h"
#include "protocol/Stamp.h"
#include "session/Settings.h"
#include "voice/AudioDeviceList.h"
#include "voice/MixerOperations.h"

#include <QToolBar>

namespace orv {
namespace {

constexpr int kFullVolume = 65535;

// The welcome window with its recordings pane; its rows are tagged with the session ids.
std::optional<std::int32_t> ChooseRecording(const TSignInModuleParts& signIn,
                                            const std::vector<TRecordedSessionHeader>& list) {
    const TSessionState& state = signIn.state;
    TfrmRoomList window(state.serverHost, state.account, state.startup, state.bannerPath,
                        signIn.folders.userImages, &signIn.main, TRoomListPane::Recordings);
    QObject::connect(&window, &TfrmRoomList::vendorSiteRequested, &window,
                     [&signIn] { signIn.shell.OpenAddress(SupportAddress()); });
    for (const TRecordedSessionHeader& header : list)
        window.AddRecording(header);
    signIn.shell.Progress().Hide();
    const std::int32_t chosen = window.ChooseRoom();
    if (!window.HasChoice())
        return std::nullopt;
    return chosen;
}

} // namespace

TPlaybackModuleParts PlaybackModuleParts(const TModuleListParts& parts, const TSignInModuleParts& signInParts,
                                         TBoardModule& boards, IRecordedVoice& voice,
                                         std::vector<ISessionModule*> roomModules) {
    TfMain& main = parts.main;
    TShellServices& shell = signInParts.shell;
    const TSettings& settings = signInParts.settings;
    IAudioSystem& audio = parts.audio;
    IAudioMixer& mixer = parts.mixer;
    TPlaybackShell s;
    s.quit = [&shell](int code) { shell.RequestQuit(code); };
    s.closeMainWindow = [&main] { main.ForceClose(); };
    s.panels = [&main, &shell](const QString& caption, const QString& server, const QString& room) {
        shell.SetCaption(caption);
        main.SetServerPanel(server);
        main.SetRoomPanel(room);
    };
    s.playbackLayout = [&main] { main.SetPlaybackLayout(); };
    s.fullScreen = [&main](bool on) { main.SetFullScreen(on); };
    s.chooseRecording = [signIn = signInParts](const std::vector<TRecordedSessionHeader>& list) {
        return ChooseRecording(signIn, list);
    };
    s.recordedResource = [&boards](const TIncomingPacket& p) { boards.Sharing().ReceiveRecordedResource(p); };
    s.showBoard = [&boards](int board) {
        if (IsBoardIndex(board))
            boards.Sharing().SwitchBoard(board, false);
    };
    s.resetRoom = [modules = std::move(roomModules)] {
        for (ISessionModule* m : modules)
            m->ResetRoom();
    };
    s.readVolume = [&audio, &mixer, &settings]() -> std::optional<int> {
        std::uint16_t level = 0;
        if (!GetSpeakerVolume(mixer, ListOutputDevices(audio).DeviceAt(settings.AudioOutDeviceID), level))
            return std::nullopt;
        return int(level) * 100 / kFullVolume;
    };
    s.setVolume = [&audio, &mixer, &settings](int percent) {
        SetSpeakerVolume(mixer, ListOutputDevices(audio).DeviceAt(settings.AudioOutDeviceID),
                         std::uint16_t(std::clamp(percent, 0, 100) * kFullVolume / 100));
    };
    s.openRecorderSettings = [&main] { emit main.settingsRequested(TfrmSettings::RecordingPage); };
    return {parts.context,   signInParts.connection, parts.folders.temporary,
            NewPlayerWindow, std::move(s),           &voice};
}

void InstallRecorderToolBar(const TModuleListParts& parts, TRecorderControl& recorder) {
    QToolBar* bar =
        parts.main.addToolBar(QCoreApplication::translate("orv::TPlaybackShell", " Session Recording"));
    bar->setObjectName("recorderTools");
    for (QAction* a : {&recorder.StartAction(), &recorder.PauseAction(), &recorder.StopAction(),
                       &recorder.SettingsAction()})
        bar->addAction(a);
    bar->setVisible(false);
    QObject::connect(&recorder.StartAction(), &QAction::visibleChanged, bar,
                     [bar, &recorder] { bar->setVisible(recorder.StartAction().isVisible()); });
}

} // namespace orv
