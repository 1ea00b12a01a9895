#include "app/RecordingExportStage.h"

#include "app/MainViews.h"
#include "app/MainViewsModule.h"
#include "link/SessionSender.h"
#include "moderation/ModerationModule.h"
#include "platform/Dialogs.h"
#include "platform/Progress.h"
#include "playback/RecordedPacketRoute.h"
#include "protocol/BoardRecords.h"
#include "roster/RosterModule.h"
#include "session/Settings.h"

#include <QEvent>

namespace orv {
// Named, as the members of a class with linkage hold them.
namespace export_stage {

// A replay asks nothing: every question is answered No.
class TExportDialogs final : public IDialogs {
public:
    void Information(const QString&) override {}
    void Error(const QString&) override {}
    bool Question(const QString&) override { return false; }
    bool ErrorQuestion(const QString&) override { return false; }
    bool Confirm(const QString&) override { return false; }
};

class TExportProgress final : public IProgress {
public:
    void Setup(int) override {}
    void Step(int, const QString&) override {}
    void Show() override {}
    void Hide() override {}
};

// A replay sends nothing.
class TExportSender final : public ISessionSender {
public:
    bool Send(std::uint16_t, const QByteArray&) override { return false; }
};

} // namespace export_stage

namespace {

// Notes when a window asks to be painted again.
class TRepaintWatch final : public QObject {
public:
    explicit TRepaintWatch(bool& asked) : m_asked(asked) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::UpdateRequest || event->type() == QEvent::UpdateLater)
            m_asked = true;
        return false;
    }

private:
    bool& m_asked;
};

} // namespace

struct TRecordingExportStage::Surroundings {
    export_stage::TExportDialogs dialogs;
    export_stage::TExportProgress progress;
    export_stage::TExportSender sender;
};

TRecordingExportStage::TRecordingExportStage(QSize size)
    : m_surroundings(std::make_unique<Surroundings>()),
      m_main(m_surroundings->dialogs), m_context{m_state,
                                                 m_surroundings->sender,
                                                 m_surroundings->dialogs,
                                                 m_surroundings->progress,
                                                 m_main,
                                                 m_mainSink,
                                                 m_clock,
                                                 m_notices,
                                                 m_desktop,
                                                 m_roomEvents} {
    m_state.launchMode = TLaunchMode::LocalFile; // a replay: no beeps, no popups, nothing sent
    m_modules.push_back(std::make_unique<TMainViewsModule>(m_main, m_context));
    auto roster = std::make_unique<TRosterModule>(m_context);
    TRosterModule& rosterModule = *roster;
    m_modules.push_back(std::move(roster));
    m_modules.push_back(std::make_unique<TModerationModule>(m_context, rosterModule.Participants(),
                                                            [] { return std::optional<QString>(); }));
    m_modules.push_back(std::make_unique<TChatModule>(m_context, rosterModule.Directory(), nullptr));
    auto board = std::make_unique<TBoardModule>(m_context);
    m_board = board.get();
    m_board->SetShowBoardView([this] { m_main.ShowView(vwWhiteBoard); });
    m_board->SetMarks(&rosterModule.Marks());
    m_modules.push_back(std::move(board));
    const TSettings settings;
    for (const auto& module : m_modules) {
        module->RegisterHandlers(m_dispatcher);
        module->RegisterMessages(m_main.Router());
        module->RegisterRoomEntry(m_roomEntrySteps);
        if (IChatLines* lines = module->ChatLines())
            m_notices.SetChatLines(lines);
        module->ApplySettings(settings);
    }
    m_main.ShowView(vwWhiteBoard);
    m_main.ShowOffscreenReplay(size);
    m_repaintWatch = std::make_unique<TRepaintWatch>(m_repaintAsked);
    m_main.installEventFilter(m_repaintWatch.get());
}

TRecordingExportStage::~TRecordingExportStage() {
    m_main.removeEventFilter(m_repaintWatch.get());
    m_mainSink.detach();
    for (const auto& module : m_modules)
        module->EndSession();
    m_notices.SetChatLines(nullptr);
}

void TRecordingExportStage::Deliver(const TPacketHeader& header, QByteArrayView stream) {
    TBoardModule& board = *m_board;
    RouteRecordedPacket({&m_dispatcher,
                         [&board](const TIncomingPacket& p) { board.Sharing().ReceiveRecordedResource(p); },
                         [&board](int shown) {
                             if (IsBoardIndex(shown))
                                 board.Sharing().SwitchBoard(shown, false);
                         }},
                        header, stream);
}

QImage TRecordingExportStage::Render() {
    // Most pictures of a lesson are the one before: the window is painted only when it asked to be.
    if (m_repaintAsked || m_picture.isNull()) {
        m_repaintAsked = false;
        m_picture = m_main.grab().toImage();
    }
    return m_picture;
}

} // namespace orv
