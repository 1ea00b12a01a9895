#pragma once
// The sign-in chain's surroundings for tests: progress, dialogs and the application, all recorded.

#include "link/SignInSession.h"
#include "platform/Progress.h"
#include "support/FakeDialogs.h"

#include <QStringList>

#include <vector>

namespace orv::test {

class FakeProgress final : public IProgress {
public:
    void Setup(int count) override { steps = count; }
    void Step(int step, const QString& text) override { shown << QString("%1 %2").arg(step).arg(text); }
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    int steps = 0;
    bool visible = false;
    QStringList shown;
};

class FakeShell final : public ISignInShell {
public:
    IProgress& Progress() override { return progress; }
    IDialogs& Dialogs() override { return dialogs; }
    void OpenFile(const QString& path) override { opened << path; }
    void OpenConnectionSettings() override { ++connectionSettingsOpened; }
    void RequestQuit(int exitCode) override { quitCodes.push_back(exitCode); }
    void SetCaption(const QString& text) override { caption = text; }
    void SetServerPanel(const QString& text) override { serverPanel = text; }
    void SetRoomPanel(const QString& text) override { roomPanel = text; }

    FakeProgress progress;
    FakeDialogs dialogs;
    QStringList opened;
    int connectionSettingsOpened = 0;
    std::vector<int> quitCodes;
    QString caption, serverPanel, roomPanel;
};

} // namespace orv::test
