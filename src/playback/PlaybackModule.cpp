#include "playback/PlaybackModule.h"

#include "playback/RecordingDuration.h"

#include "link/Dispatcher.h"
#include "link/SessionState.h"
#include "platform/Dialogs.h"
#include "platform/HttpDownload.h"
#include "platform/Progress.h"
#include "playback/PlaybackMessageIds.h"
#include "playback/RecordedPacketRoute.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/ResultCodes.h"
#include "session/RecordedVoice.h"
#include "session/RoomEvents.h"
#include "session/Settings.h"

#include <QCursor>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>

namespace orv {

TPlaybackModule::TPlaybackModule(TPlaybackModuleParts parts)
    : m_parts(std::move(parts)), m_context(m_parts.context), m_recorder(m_context) {
    m_recorder.openSettings = [this] {
        if (m_parts.shell.openRecorderSettings)
            m_parts.shell.openRecorderSettings();
    };
    m_router.Register(PlayerMsg::Progress, [this](std::intptr_t total, std::intptr_t done) {
        m_status.Downloaded(total, done);
        refresh();
    });
    m_router.Register(PlayerMsg::Position, [this](std::intptr_t index, std::intptr_t seeking) {
        m_status.Played(std::int32_t(index), seeking != 0, m_seekTarget);
        refresh();
    });
    m_router.Register(PlayerMsg::Stopped, [this](std::intptr_t, std::intptr_t) {
        m_playing = false;
        refresh();
        m_player.reset(); // its thread has ended
        m_status.Played(m_status.PacketCount(), false, 0);
        setStatus(TPlayerStatusText::Stopped);
    });
    m_router.Register(PlayerMsg::PlayingOrFast, [this](std::intptr_t fast, std::intptr_t) {
        setStatus(fast ? TPlayerStatusText::FastMode : TPlayerStatusText::Playing);
    });
    m_router.Register(PlayerMsg::Buffering,
                      [this](std::intptr_t, std::intptr_t) { setStatus(TPlayerStatusText::Buffering); });
}

TPlaybackModule::~TPlaybackModule() {
    m_sink.detach();
    StopPlayback();
}

void TPlaybackModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    m_dispatcher = &dispatcher;
    m_recorder.RegisterHandlers(dispatcher);
}

void TPlaybackModule::RegisterMessages(TMessageRouter& mainWindow) {
    m_recorder.RegisterMessages(mainWindow);
    mainWindow.Register(MainMsg::PlaybackLayout, [this](std::intptr_t, std::intptr_t) {
        if (m_parts.shell.playbackLayout)
            m_parts.shell.playbackLayout();
    });
    m_context.events.accountType.Listen(
        [this](std::uint16_t, std::int32_t) { m_recorder.UpdateVisibility(); });
}

void TPlaybackModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::RecorderTools, [this] { m_recorder.UpdateVisibility(); });
}

void TPlaybackModule::EndSession() {
    StopPlayback();
}

void TPlaybackModule::ApplySettings(const TSettings& settings) {
    m_recorder.SetCredentials(settings.RecorderUserName, settings.RecorderPassword);
}

bool TPlaybackModule::event(QEvent* event) {
    return m_router.Route(event) || QObject::event(event);
}

void TPlaybackModule::Deliver(const TPacketHeader& header, QByteArrayView stream) {
    RouteRecordedPacket({m_dispatcher, m_parts.shell.recordedResource, m_parts.shell.showBoard}, header,
                        stream);
}

void TPlaybackModule::waitMs(int ms) {
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void TPlaybackModule::fail(const QString& text) {
    m_context.progress.Hide();
    m_context.dialogs.Error(text);
    if (m_parts.shell.quit)
        m_parts.shell.quit(-1);
}

QString TPlaybackModule::temporaryFile() const {
    return QDir(m_parts.temporaryFolder)
        .filePath("tmp" + QDateTime::currentDateTime().toString("ddMMyyhhmmss") + ".tmp");
}

void TPlaybackModule::PlayFile(const QString& file, bool downloading) {
    if (!QFileInfo::exists(file))
        return fail(tr("The file cannot be located."));
    m_file = file;
    m_hasHeader = true;
    if (!downloading)
        m_available.Finish(QFileInfo(file).size());
    // A download may take a while to bring the header; a local file has all it will ever have.
    constexpr std::int64_t kHeader = sizeof(TRecordedSessionHeader);
    for (int wait = 0; wait < kHeaderWaits && m_available.Bytes() < kHeader && !m_available.Complete();
         ++wait)
        waitMs(m_parts.headerWaitMs);
    TRecordingReader reader(file, true);
    const std::optional<TRecordedSessionHeader> header = reader.ReadHeader(m_available.Bytes());
    if (!header)
        return fail(tr("Unable to play the resource. Please try again later."));
    m_sink.post(PlayerMsg::Progress, 0, 0);
    m_header = *header;

    TSessionState& state = m_context.state;
    state.boardHolder = 0;
    state.OwnMicAllowed = state.OwnBoardAllowed = state.OwnCamAllowed = false;
    if (m_parts.shell.resetRoom)
        m_parts.shell.resetRoom(); // request counter, chat partner, boards: as a new session
    m_context.progress.Step(4, tr("Init whiteboards..."));
    m_context.progress.Step(5, tr("Starting communication services..."));
    if (m_parts.shell.panels)
        m_parts.shell.panels(tr("Playback mode"), tr(" Server: Local"), tr(" Room: Not selected"));
    m_context.progress.Hide();
    showWindow(false);
    m_playing = false;
    waitMs(m_parts.fileStartDelayMs);
    startPlayer();
}

void TPlaybackModule::PlayFromAddress(const QString& url) {
    if (HttpHead(url) != 200)
        return fail(tr("The specified URL cannot be accessed.\r\nThis recorded session may no longer be "
                       "available."));
    const QString file = temporaryFile();
    QFile(file).open(QIODevice::WriteOnly); // there from the start: the player opens it while it grows
    m_webDownload = std::make_unique<TSessionURLReaderThread>(url, file, m_available, m_sink);
    m_webDownload->Start();
    PlayFile(file, true);
}

void TPlaybackModule::PlayFromServer(const QString& sessionName) {
    bool named = false;
    std::int32_t id = sessionName.toInt(&named);
    try {
        if (!named) {
            const TRecordingListResult list =
                ListRecordings(m_parts.connection, m_context.state.account.UserId());
            if (list.code != ResultCode::Success) {
                m_context.progress.Hide();
                if (list.code == ResultCode::NoRecordings)
                    m_context.dialogs.Information(
                        tr("There are no recorded sessions available at the moment."));
                else if (list.code == ResultCode::PlaybackDisabled)
                    m_context.dialogs.Information(
                        tr("Playback is temporary disabled on the server. Please try again in some time."));
                else
                    m_context.dialogs.Information(tr("This feature is temporary unavailable."));
                if (m_parts.shell.quit)
                    m_parts.shell.quit(-1);
                return;
            }
            m_context.progress.Hide();
            const std::optional<std::int32_t> chosen =
                m_parts.shell.chooseRecording ? m_parts.shell.chooseRecording(list.recordings) : std::nullopt;
            if (!chosen) {
                if (m_parts.shell.quit)
                    m_parts.shell.quit(-1);
                return;
            }
            id = *chosen;
        }
        const TOpenResult opened = OpenRecording(m_parts.connection, id);
        if (opened.code != ResultCode::Success || !opened.header)
            return fail(
                tr("Unable to open the recorded session. This session may be temporary unavailable."));
        m_header = *opened.header;
    } catch (const EChannelError&) {
        return fail(tr("Unable to open the recorded session. This session may be temporary unavailable."));
    }
    m_file = temporaryFile();
    m_hasHeader = false;
    QFile(m_file).open(QIODevice::WriteOnly);
    m_serverDownload = std::make_unique<TSessionReaderThread>(m_parts.connection, m_file, m_available, m_sink,
                                                              m_header.TotalSize());
    m_context.progress.Hide();
    showWindow(true);
    m_serverDownload->Start();
    waitMs(m_parts.serverStartDelayMs);
    startPlayer();
}

void TPlaybackModule::showWindow(bool top) {
    m_status.SetPacketCount(m_header.PacketCount());
    m_status.SetTotalMs(std::nullopt);
    m_lengthMeasured = false;
    if (!m_window && m_parts.newWindow) {
        m_window = m_parts.newWindow(m_status);
        m_window->SetCallbacks({[this] { Play(); }, [this] { PauseOrResume(); }, [this] { StopAndExit(); },
                                [this](bool on) {
                                    if (m_parts.shell.fullScreen)
                                        m_parts.shell.fullScreen(on);
                                },
                                [this](std::int32_t index) { Seek(index); },
                                [this](int percent) {
                                    if (m_parts.shell.setVolume)
                                        m_parts.shell.setVolume(percent);
                                }});
    }
    if (!m_window)
        return;
    const std::optional<int> volume = m_parts.shell.readVolume ? m_parts.shell.readVolume() : std::nullopt;
    m_window->ShowVolume(volume.value_or(0), volume.has_value());
    m_window->ShowAtCorner(top);
    refresh();
}

void TPlaybackModule::startPlayer() {
    const std::int64_t total = m_header.TotalSize();
    const std::int64_t headerSize = sizeof(TRecordedSessionHeader);
    const std::int64_t end =
        total <= 0 ? 0 : (m_hasHeader ? total : std::max<std::int64_t>(0, total - headerSize));
    TPlayerParts parts{this,
                       m_sink,
                       m_context.mainWindow,
                       m_context.clock,
                       m_available,
                       [this](const TPacketHeader& h, QByteArrayView s) { Deliver(h, s); },
                       [this] {
                           if (m_parts.shell.resetRoom)
                               m_parts.shell.resetRoom();
                       },
                       m_parts.voice};
    m_player = std::make_unique<TPlayerThread>(std::move(parts), m_file, m_hasHeader, end);
    const std::int32_t codec = m_player->ReadRoomCodec();
    m_context.state.audioCodec = codec;
    if (m_parts.voice)
        m_parts.voice->Begin(codec);
    m_player->Start();
    m_playing = true;
    setStatus(TPlayerStatusText::Playing);
}

void TPlaybackModule::pauseDownloads(bool paused) {
    // A finished download has nothing left to hold back.
    if (paused && m_available.Complete())
        return;
    if (m_serverDownload)
        m_serverDownload->SetPaused(paused);
    if (m_webDownload)
        m_webDownload->SetPaused(paused);
}

void TPlaybackModule::Play() {
    if (m_player) {
        pauseDownloads(false);
        m_player->Resume();
    } else {
        if (m_file.isEmpty())
            return;
        // A new run from the start: what the last one built would otherwise be shown twice.
        if (m_parts.shell.resetRoom)
            m_parts.shell.resetRoom();
        startPlayer();
    }
    m_playing = true;
    setStatus(TPlayerStatusText::Playing);
}

void TPlaybackModule::PauseOrResume() {
    if (!m_player)
        return;
    if (m_player->Paused()) {
        pauseDownloads(false);
        m_player->Resume();
        m_playing = true;
        setStatus(TPlayerStatusText::Playing);
    } else {
        m_player->Pause();
        pauseDownloads(true);
        m_playing = false;
        setStatus(TPlayerStatusText::Paused);
    }
}

void TPlaybackModule::StopAndExit() {
    if (!m_context.dialogs.Question(tr("Do you want to exit?")))
        return;
    const bool cursor = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (cursor)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_status.Stopping();
    refresh();
    StopPlayback();
    if (cursor)
        QGuiApplication::restoreOverrideCursor();
    if (m_parts.shell.closeMainWindow)
        m_parts.shell.closeMainWindow();
}

void TPlaybackModule::Seek(std::int32_t index) {
    if (!m_player)
        return;
    m_seekTarget = std::clamp(index, 0, m_status.PacketCount());
    m_player->RequestSeek(m_seekTarget);
}

void TPlaybackModule::StopPlayback() {
    try {
        if (m_player)
            m_player->Stop();
        m_player.reset();
        if (m_serverDownload)
            m_serverDownload->Stop(); // disconnects the control connection
        m_serverDownload.reset();
        if (m_webDownload)
            m_webDownload->Stop();
        m_webDownload.reset();
    } catch (const std::exception& e) {
        qWarning() << "stopping playback:" << e.what();
    }
    m_playing = false;
}

void TPlaybackModule::setStatus(TPlayerStatusText status) {
    m_status.SetStatus(status);
    if (m_window)
        m_window->SetPlaying(m_playing);
    refresh();
}

void TPlaybackModule::refresh() {
    if (m_player)
        m_elapsedMs = m_player->ElapsedMs(); // kept once the player is gone: the time it reached
    // Measured once, when the whole recording is there.
    if (!m_lengthMeasured && m_available.Complete() && !m_file.isEmpty()) {
        m_lengthMeasured = true; // once: a file without packets is not read again on every refresh
        m_status.SetTotalMs(RecordingDurationMs(m_file, m_hasHeader, m_available.Bytes()));
    }
    if (m_window)
        m_window->Refresh(m_elapsedMs);
}

} // namespace orv
