#pragma once
// An X display of the test's own (Xvfb on a free number), optionally with the openbox window manager, and
// what the tests ask of it through the standard X tools: windows by name, stacking order, frame geometry.

#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace orv::test {

class VirtualDesktop {
public:
    explicit VirtualDesktop(QSize screen = {1280, 1024}, bool windowManager = false);
    ~VirtualDesktop();

    // Empty when Xvfb (or the window manager) could not start; then failure() says why, with their output.
    QString display() const { return m_display; }
    QString failure() const { return m_failure; }
    QSize screen() const { return m_screen; }

    // Output of an X tool run against this display, empty when it failed.
    QString run(const QString& tool, const QStringList& arguments) const;
    // A mapped, visible window whose name matches the regular expression, waiting up to `timeoutMs` (by
    // default long enough for a program under the sanitizers on a loaded machine).
    std::optional<QString> waitForWindow(const QString& namePattern, int timeoutMs = 120000) const;
    bool isVisible(const QString& namePattern) const;
    // Top-level client windows from the bottom of the stack to its top, as the window manager keeps them.
    QStringList stacking() const;
    QString windowName(const QString& id) const;
    // The window with the frame the window manager drew around it, in root coordinates.
    QRect frameGeometry(const QString& id) const;
    // Activates the window and presses `keys` until the window is gone; false when it stays.
    bool pressUntilGone(const QString& id, const QString& keys, int timeoutMs = 60000) const;

private:
    bool startServer();
    bool startManager();

    QSize m_screen;
    QString m_display;
    QString m_failure;
    QProcess m_server;
    QProcess m_manager;
};

} // namespace orv::test
