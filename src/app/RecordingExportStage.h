#pragma once
// The room a recording replays into when it is made into a video: a main window of its own that is never on
// the screen, in the playback layout at the video's size, with the modules whose views it shows (the main
// views, participants, moderation, chat and boards) on a session that sends nothing and asks nothing. Its
// time is the replay's, and its recorded voice becomes a sound track.

#include "app/MainWindow.h"
#include "board/BoardModule.h"
#include "chat/ChatModule.h"
#include "link/Dispatcher.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/DesktopNotifier.h"
#include "playback/ReplayClock.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "voice/RecordedVoiceMix.h"

#include <QImage>

#include <memory>
#include <vector>

namespace orv {

class TRecordingExportStage {
public:
    explicit TRecordingExportStage(QSize size);
    ~TRecordingExportStage();
    TRecordingExportStage(const TRecordingExportStage&) = delete;
    TRecordingExportStage& operator=(const TRecordingExportStage&) = delete;

    TReplayClock& Clock() { return m_clock; }
    IRecordedVoiceTrack& Voice() { return m_voice; }
    // One replayed packet into the handlers, routed as the player routes it.
    void Deliver(const TPacketHeader& header, QByteArrayView stream);
    // The main window as it looks now; painted again only when something in it asked to be.
    QImage Render();
    const TfMain& MainWindow() const { return m_main; }

private:
    struct Surroundings;

    TReplayClock m_clock;
    TRecordedVoiceMix m_voice{m_clock};
    std::unique_ptr<Surroundings> m_surroundings;
    TSessionState m_state;
    TfMain m_main;
    QtMessageSink m_mainSink{&m_main};
    TRoomNoticesRelay m_notices;
    NullDesktopNotifier m_desktop;
    TRoomEvents m_roomEvents;
    TSessionContext m_context;
    TPacketDispatcher m_dispatcher;
    TRoomEntrySteps m_roomEntrySteps;
    std::vector<std::unique_ptr<ISessionModule>> m_modules;
    TBoardModule* m_board = nullptr;
    std::unique_ptr<QObject> m_repaintWatch;
    bool m_repaintAsked = true;
    QImage m_picture;
};

} // namespace orv
