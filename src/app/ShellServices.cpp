#include "app/ShellServices.h"

#include "app/MainWindow.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>

namespace orv {

TShellServices::TShellServices(TfMain& main, IProgress& progress, IDialogs& dialogs,
                               std::function<void()> openConnectionSettings)
    : m_main(main), m_progress(progress), m_dialogs(dialogs),
      m_openConnectionSettings(std::move(openConnectionSettings)) {}

void TShellServices::OpenFile(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TShellServices::OpenAddress(const QString& address) {
    if (QDesktopServices::openUrl(QUrl(address)))
        return;
    m_dialogs.Information(QCoreApplication::translate(
                              "orv::TShellServices", "This address could not be opened here. You can open it "
                                                     "in your web browser:\r\n\r\n%1")
                              .arg(address));
}

void TShellServices::RequestQuit(int exitCode) {
    // The first request decides the exit code: a window that closes because of it asks again.
    if (m_quitRequested)
        return;
    m_quitRequested = true;
    // Leaves every running event loop, modal windows' included.
    QTimer::singleShot(0, qApp, [exitCode] { QCoreApplication::exit(exitCode); });
}

void TShellServices::SetCaption(const QString& text) {
    m_main.setWindowTitle(text);
}

void TShellServices::SetServerPanel(const QString& text) {
    m_main.SetServerPanel(text);
}

void TShellServices::SetRoomPanel(const QString& text) {
    m_main.SetRoomPanel(text);
}

} // namespace orv
