#pragma once
// A module's whole session surroundings for tests: what it sends, posts, shows in the main window's slots,
// and the system lines and beeps it asks for, all recorded.

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "session/MainPanes.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakeShell.h"
#include "support/RecordingSink.h"

#include <QAction>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

namespace orv::test {

struct SentPacket {
    std::uint16_t command;
    QByteArray payload;
    friend bool operator==(const SentPacket&, const SentPacket&) = default;
};

class FakeSender final : public ISessionSender {
public:
    bool Send(std::uint16_t command, const QByteArray& payload) override {
        if (!connected)
            return false;
        sent.push_back({command, payload});
        return true;
    }
    bool connected = true;
    std::vector<SentPacket> sent;
};

// Keeps what modules install, and owns it as the main window would.
class FakePanes final : public IMainPanes {
public:
    void InstallView(std::int32_t, QWidget* widget) override { keep(widget); }
    void InstallNavigationPage(TNavigationPage, QWidget* widget) override { keep(widget); }
    void InstallParticipantList(QWidget* widget) override { participantList = keep(widget); }
    void InstallToolAction(QAction* action) override { actions.emplace_back(action); }
    void SetParticipantListHeader(const QString& text) override { participantHeader = text; }
    void ShowMotionCounters(int handsUp, int yes, int no) override { counters = {handsUp, yes, no}; }

    QWidget* participantList = nullptr;
    QString participantHeader;
    std::vector<int> counters;
    std::vector<std::unique_ptr<QAction>> actions;

private:
    QWidget* keep(QWidget* widget) {
        m_widgets.emplace_back(widget);
        return widget;
    }
    std::vector<std::unique_ptr<QWidget>> m_widgets;
};

class RecordingNotices final : public IRoomNotices {
public:
    void AddSystemLine(const QString& text) override { lines << text; }
    void Beep(int frequencyHz, int durationMs) override { beeps.emplace_back(frequencyHz, durationMs); }
    QStringList lines;
    std::vector<std::pair<int, int>> beeps;
};

struct FakeSession {
    TSessionState state;
    FakeSender sender;
    FakeDialogs dialogs;
    FakeProgress progress;
    FakePanes panes;
    RecordingSink sink;
    FakeClock clock;
    RecordingNotices notices;
    TSessionContext context{state, sender, dialogs, progress, panes, sink, clock, notices};
};

} // namespace orv::test
