#pragma once
// The program's surroundings as the sign-in exchange sees them: the progress and message windows, the main
// window's caption and panels, opening files, the connection settings and quitting.

#include "link/SignInSession.h"

#include <functional>

namespace orv {

class TfMain;

class TShellServices final : public ISignInShell {
public:
    TShellServices(TfMain& main, IProgress& progress, IDialogs& dialogs,
                   std::function<void()> openConnectionSettings);

    IProgress& Progress() override { return m_progress; }
    IDialogs& Dialogs() override { return m_dialogs; }
    void OpenFile(const QString& path) override;
    void OpenConnectionSettings() override { m_openConnectionSettings(); }
    void RequestQuit(int exitCode) override;
    void SetCaption(const QString& text) override;
    void SetServerPanel(const QString& text) override;
    void SetRoomPanel(const QString& text) override;

    // Opens a web address with the desktop's browser; when nothing can open it, a box shows the address so
    // that the user can open it by hand.
    void OpenAddress(const QString& address);

private:
    TfMain& m_main;
    IProgress& m_progress;
    IDialogs& m_dialogs;
    std::function<void()> m_openConnectionSettings;
    bool m_quitRequested = false;
};

} // namespace orv
