#pragma once
// Playback as a module: starts a recording from a local file, a web address or the session server, runs the
// player with its download, routes the replayed packets into the live handlers, and acts on the player
// window's controls. It also carries the moderator's recorder controls of a live session.

#include "platform/AppMessage.h"
#include "platform/ByteChannel.h"
#include "platform/MessageRouter.h"
#include "playback/AvailableBytes.h"
#include "playback/PlayerControls.h"
#include "playback/PlayerStatus.h"
#include "playback/PlayerThread.h"
#include "playback/RecorderControl.h"
#include "playback/ServerRecordings.h"
#include "playback/WebRecording.h"
#include "protocol/IncomingPacket.h"
#include "protocol/RecordingMessages.h"
#include "session/Module.h"
#include "session/SessionContext.h"

#include <QCoreApplication>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

namespace orv {

class IRecordedVoice;

// What the program around the module does for it; each may be left empty.
struct TPlaybackShell {
    std::function<void(int code)> quit;
    std::function<void()> closeMainWindow; // ends the program
    std::function<void()> hideProgress;
    // Caption, server and room indicators of the main window.
    std::function<void(const QString& caption, const QString& server, const QString& room)> panels;
    std::function<void()> playbackLayout;
    std::function<void(bool on)> fullScreen;
    // The recordings list: the chosen session id, or none when it was not confirmed.
    std::function<std::optional<std::int32_t>(const std::vector<TRecordedSessionHeader>&)> chooseRecording;
    // A recorded document, image, picture or slide download (19, 21, 35, 54).
    std::function<void(const TIncomingPacket&)> recordedResource;
    // Shows a public board (a recorded pushed image or slide).
    std::function<void(int board)> showBoard;
    // Every module drops the room it built.
    std::function<void()> resetRoom;
    // The speaker volume of the configured output device, in percent, when it can be read.
    std::function<std::optional<int>()> readVolume;
    std::function<void(int percent)> setVolume;
    std::function<void()> openRecorderSettings;
};

struct TPlaybackModuleParts {
    TSessionContext& context;
    IByteChannel& connection; // the signed-in control connection, for recordings on the server
    QString temporaryFolder;
    std::function<std::unique_ptr<IPlayerWindow>(TPlayerStatus&)> newWindow;
    TPlaybackShell shell;
    IRecordedVoice* voice = nullptr;
    // The pauses before the player starts, and between checks for a recording's header.
    int serverStartDelayMs = 2000;
    int fileStartDelayMs = 3000;
    int headerWaitMs = 3000;
};

class TPlaybackModule final : public QObject, public ISessionModule {
    Q_OBJECT
public:
    // Checks for the header of a recording that is still downloading, before giving up.
    static constexpr int kHeaderWaits = 4;

    explicit TPlaybackModule(TPlaybackModuleParts parts);
    ~TPlaybackModule() override;

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    void EndSession() override;
    void OwnRoleChanged() override { m_recorder.UpdateVisibility(); }
    std::optional<TSettingOwner> SettingsOwner() const override { return TSettingOwner::Playback; }
    void ApplySettings(const TSettings& settings) override;

    // The three ways a recording starts; on failure they tell the user and end the program.
    void PlayFile(const QString& file, bool downloading);
    void PlayFromAddress(const QString& url);
    // On the signed-in connection: `sessionName` names the recording, or is empty for the list.
    void PlayFromServer(const QString& sessionName);
    void StopPlayback();

    // The player window's controls.
    void Play();
    void PauseOrResume();
    void StopAndExit();
    void Seek(std::int32_t index);

    bool Playing() const { return m_playing; }
    const TPlayerStatus& Status() const { return m_status; }
    TRecorderControl& Recorder() { return m_recorder; }
    // One replayed packet into the handlers, as the player hands it over; main thread.
    void Deliver(const TPacketHeader& header, QByteArrayView stream);

protected:
    bool event(QEvent* event) override;

private:
    void showWindow(bool top);
    void startPlayer();
    void pauseDownloads(bool paused);
    void refresh();
    void setStatus(TPlayerStatusText status);
    void waitMs(int ms);
    void fail(const QString& text);
    QString temporaryFile() const;

    TPlaybackModuleParts m_parts;
    TSessionContext& m_context;
    TRecorderControl m_recorder;
    TPacketDispatcher* m_dispatcher = nullptr;
    QtMessageSink m_sink{this}; // the player window's reports, from the threads
    TMessageRouter m_router;
    TPlayerStatus m_status;
    TAvailableBytes m_available;
    std::unique_ptr<IPlayerWindow> m_window;
    TRecordedSessionHeader m_header;
    QString m_file;
    bool m_hasHeader = true;
    bool m_playing = false;
    std::int32_t m_seekTarget = 0;
    std::int64_t m_elapsedMs = 0;
    bool m_lengthMeasured = false;
    std::unique_ptr<TSessionReaderThread> m_serverDownload;
    std::unique_ptr<TSessionURLReaderThread> m_webDownload;
    std::unique_ptr<TPlayerThread> m_player;
};

} // namespace orv
