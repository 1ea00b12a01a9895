#pragma once
// A Wayland desktop of the test's own with no screen: sway on its headless backend (software rendering),
// and PipeWire with WirePlumber, on a private session bus and a private runtime folder, stopped with the
// object. Each piece is awaited on its own sign of readiness (its socket appearing, its address printed).
// The desktop portal is the test's own (TestPortal): the wlroots one casts only from a compositor with a GPU.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace orv::test {

class HeadlessWayland {
public:
    explicit HeadlessWayland(QSize output = {1024, 768});
    ~HeadlessWayland();
    HeadlessWayland(const HeadlessWayland&) = delete;
    HeadlessWayland& operator=(const HeadlessWayland&) = delete;

    bool ready() const { return m_failure.isEmpty(); }
    // Why the desktop is not there, with the failing program's output; empty when it is.
    QString failure() const { return m_failure; }
    // True when the failure is a program that is not installed rather than one that failed.
    bool toolMissing() const { return m_toolMissing; }
    QSize output() const { return m_output; }
    static QString outputName() { return QStringLiteral("HEADLESS-1"); }

    // What a client of this desktop needs: the Wayland socket, the runtime folder, the session bus, the
    // session type and the desktop's name.
    QProcessEnvironment environment() const;
    // The same, set in this process (before its QGuiApplication exists).
    void joinFromThisProcess() const;

    // Output of a tool run against this desktop (swaymsg, grim); empty when it failed.
    QByteArray run(const QString& tool, const QStringList& arguments) const;
    // The output's picture as the compositor has it (grim); null when it could not be taken.
    QImage screenshot() const;

private:
    bool startCompositor();
    bool startBus();
    bool startMedia();
    QProcess& launch(const QString& name, const QString& program, const QStringList& arguments,
                     const QProcessEnvironment& environment);
    bool fail(const QString& why, const QProcess* process = nullptr);
    QProcessEnvironment serviceEnvironment() const;

    QSize m_output;
    QString m_failure;
    bool m_toolMissing = false;
    QTemporaryDir m_home;        // configuration files, the services' private home
    QString m_runtime;           // XDG_RUNTIME_DIR of everything but the compositor
    QString m_compositorRuntime; // the compositor's own (it runs unprivileged when we are root)
    QString m_waylandSocket;     // absolute path
    QString m_swaySocket;        // its IPC socket, for swaymsg
    QString m_busAddress;
    std::vector<std::unique_ptr<QProcess>> m_processes; // in start order, stopped in reverse
};

} // namespace orv::test
