#pragma once
// A module's whole session surroundings for tests: what it sends, posts, shows in the main window's slots,
// and the system lines and beeps it asks for, all recorded.

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/DesktopNotifier.h"
#include "session/MainPanes.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakeShell.h"
#include "support/RecordingSink.h"

#include <QAction>
#include <QStringList>
#include <QWidget>

#include <map>
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
    void InstallNavigationPage(TNavigationPage p, QWidget* widget) override { pages[p] = keep(widget); }
    void InstallParticipantList(QWidget* widget) override { participantList = keep(widget); }
    void InstallAudioPane(QWidget* widget) override { audioPane = keep(widget); }
    void InstallToolAction(QAction* action) override { actions.emplace_back(action); }
    void InstallMenuAction(TMainMenu, QAction* action) override { menuActions.emplace_back(action); }
    void SetParticipantListHeader(const QString& text) override { participantHeader = text; }
    void ShowMotionCounters(int handsUp, int yes, int no) override { counters = {handsUp, yes, no}; }
    void ShowNavigationPage(TNavigationPage p) override { page = p; }
    TNavigationPage CurrentNavigationPage() const override { return page; }
    void SetNavigationPageEnabled(TNavigationPage p, bool enabled) override {
        std::erase(disabledPages, p);
        if (!enabled)
            disabledPages.push_back(p);
    }
    bool IsFullScreen() const override { return fullScreen; }
    bool IsMainWindowActive() const override { return active; }
    void RaiseMainWindow() override {
        ++raised;
        active = true;
    }
    void Announce(const QString& text) override { announced << text; }

    QWidget* participantList = nullptr;
    QWidget* audioPane = nullptr;
    std::map<TNavigationPage, QWidget*> pages;
    QString participantHeader;
    std::vector<int> counters;
    std::vector<std::unique_ptr<QAction>> actions;
    std::vector<std::unique_ptr<QAction>> menuActions;
    TNavigationPage page = TNavigationPage::TextChat;
    std::vector<TNavigationPage> disabledPages;
    bool fullScreen = false;
    bool active = true;
    int raised = 0;
    QStringList announced;

private:
    QWidget* keep(QWidget* widget) {
        m_widgets.emplace_back(widget);
        return widget;
    }
    std::vector<std::unique_ptr<QWidget>> m_widgets;
};

struct RecordedChatLine {
    std::uint16_t partner;
    QString name;
    TChatLineKind kind;
    TColor color;
    QString text;
};

class RecordingNotices final : public IRoomNotices {
public:
    void AddChatLine(std::uint16_t partner, const QString& name, TChatLineKind kind, TColor color,
                     const QString& text) override {
        chatLines.push_back({partner, name, kind, color, text});
        lines << text;
        if (forwardTo)
            forwardTo->AddChatLine(partner, name, kind, color, text);
    }
    void Beep(int frequencyHz, int durationMs) override { beeps.emplace_back(frequencyHz, durationMs); }
    std::vector<RecordedChatLine> chatLines;
    QStringList lines;               // the texts alone
    IChatLines* forwardTo = nullptr; // the chat, where the program sends them
    std::vector<std::pair<int, int>> beeps;
};

// Keeps what it is asked to show; a test clicks a notification by running its action.
class RecordingNotifier final : public IDesktopNotifier {
public:
    struct Shown {
        QString summary;
        QString body;
        std::function<void()> activated;
    };
    void Notify(const QString& summary, const QString& body, std::function<void()> activated) override {
        shown.push_back({summary, body, std::move(activated)});
    }
    std::vector<Shown> shown;
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
    RecordingNotifier desktop;
    TRoomEvents events;
    TSessionContext context{state, sender, dialogs, progress, panes, sink, clock, notices, desktop, events};
};

} // namespace orv::test
