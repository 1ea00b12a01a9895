#include "support/HeadlessWayland.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <csignal>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace orv::test {

namespace {

// Every wait below ends on the event it waits for or on the process ending; this limit only keeps a hung
// process from hanging the test, so a loaded machine never reaches it.
constexpr int kHungAfterMs = 180000;
// sway refuses to run as root; as root the compositor gets this unprivileged account.
constexpr uid_t kNobody = 65534;

QString OutputOf(QProcess& process) {
    return QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput()).trimmed();
}

bool IsWaylandSocket(const QString& name) {
    return name.startsWith("wayland-") && !name.endsWith(".lock");
}

// The first entry of `folder` that `wanted` accepts, waiting for it to appear on inotify's events while
// `owner` runs.
template <typename Wanted> QString WaitForEntry(const QString& folder, Wanted wanted, const QProcess& owner) {
    const auto present = [&]() -> QString {
        for (const QString& name : QDir(folder).entryList(QDir::System | QDir::Files | QDir::Hidden))
            if (wanted(name))
                return name;
        return {};
    };
    const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (watch < 0)
        return {};
    inotify_add_watch(watch, QFile::encodeName(folder).constData(), IN_CREATE | IN_MOVED_TO);
    QElapsedTimer timer;
    timer.start();
    QString found = present(); // after the watch is set, so an entry made in between is not missed
    while (found.isEmpty() && owner.state() == QProcess::Running && timer.elapsed() < kHungAfterMs) {
        pollfd p{watch, POLLIN, 0};
        // The poll ends on the entry's event; its slice only lets the owner's death be noticed.
        if (poll(&p, 1, 200) > 0) {
            char events[4096];
            while (read(watch, events, sizeof events) > 0) {
            }
        }
        found = present();
    }
    close(watch);
    return found;
}

bool WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

HeadlessWayland::HeadlessWayland(QSize output) : m_output(output) {
    if (!m_home.isValid() || !QDir(m_home.path()).mkpath("runtime") || !QDir(m_home.path()).mkpath("sway")) {
        fail("cannot make a private folder: " + m_home.errorString());
        return;
    }
    m_runtime = m_home.filePath("runtime");
    m_compositorRuntime = m_home.filePath("sway");
    QFile::setPermissions(m_runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(m_compositorRuntime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The unprivileged compositor must reach its folder inside ours.
    QFile::setPermissions(m_home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ExeGroup | QFile::ExeOther);
    if (startCompositor() && startBus() && startMedia())
        return;
    qWarning().noquote() << "headless Wayland desktop:" << m_failure;
}

HeadlessWayland::~HeadlessWayland() {
    for (auto p = m_processes.rbegin(); p != m_processes.rend(); ++p) {
        QProcess& process = **p;
        if (process.state() == QProcess::NotRunning)
            continue;
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(2000);
    }
}

bool HeadlessWayland::fail(const QString& why, const QProcess* process) {
    m_failure = why;
    if (process && process->error() == QProcess::FailedToStart) {
        m_toolMissing = true;
        m_failure += " (scripts/install-deps.sh installs it)";
    }
    return false;
}

QProcess& HeadlessWayland::launch(const QString& name, const QString& program, const QStringList& arguments,
                                  const QProcessEnvironment& environment) {
    m_processes.push_back(std::make_unique<QProcess>());
    QProcess& process = *m_processes.back();
    process.setObjectName(name);
    // ORV_DESKTOP_LOG=1 shows the services' own output as it comes, for finding why one misbehaves.
    process.setProcessChannelMode(qEnvironmentVariableIntValue("ORV_DESKTOP_LOG")
                                      ? QProcess::ForwardedErrorChannel
                                      : QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    // A test that crashes takes its desktop with it rather than leaving it running.
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process.start(program, arguments);
    process.waitForStarted(kHungAfterMs);
    return process;
}

QProcessEnvironment HeadlessWayland::serviceEnvironment() const {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "SWAYSOCK"})
        e.remove(name);
    e.insert("HOME", m_home.path());
    e.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
    e.insert("XDG_STATE_HOME", m_home.filePath("state"));
    e.insert("XDG_DATA_HOME", m_home.filePath("data"));
    e.insert("XDG_RUNTIME_DIR", m_runtime);
    if (!m_waylandSocket.isEmpty())
        e.insert("WAYLAND_DISPLAY", m_waylandSocket);
    if (!m_busAddress.isEmpty())
        e.insert("DBUS_SESSION_BUS_ADDRESS", m_busAddress);
    e.insert("XDG_SESSION_TYPE", "wayland");
    e.insert("XDG_CURRENT_DESKTOP", "sway");
    return e;
}

bool HeadlessWayland::startCompositor() {
    const QString config = m_compositorRuntime + "/config";
    const QByteArray text = QString("xwayland disable\n"
                                    "output %1 resolution %2x%3 bg #404040 solid_color\n"
                                    "default_border none\n"
                                    "default_floating_border none\n")
                                .arg(outputName())
                                .arg(m_output.width())
                                .arg(m_output.height())
                                .toUtf8();
    if (!WriteFile(config, text))
        return fail("cannot write the compositor's configuration");
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK"})
        e.remove(name);
    e.insert("XDG_RUNTIME_DIR", m_compositorRuntime);
    e.insert("HOME", m_compositorRuntime);
    e.insert("WLR_BACKENDS", "headless");
    e.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    // No GPU here: the software renderer.
    e.insert("WLR_RENDERER", "pixman");
    QString program = "sway";
    QStringList arguments{"-c", config};
    if (geteuid() == 0) {
        // sway refuses to start with root's rights (it checks that they cannot come back).
        if (chown(QFile::encodeName(m_compositorRuntime).constData(), kNobody, kNobody) != 0 ||
            chown(QFile::encodeName(config).constData(), kNobody, kNobody) != 0)
            return fail("cannot give the compositor's folder to the unprivileged account");
        arguments.prepend("sway");
        // Changing the account drops the signal on the parent's death, so setpriv sets it again.
        arguments = QStringList{QString("--reuid=%1").arg(kNobody),
                                QString("--regid=%1").arg(kNobody),
                                "--clear-groups",
                                "--pdeathsig",
                                "TERM",
                                "--"} +
                    arguments;
        program = "setpriv";
    }
    QProcess& sway = launch("sway", program, arguments, e);
    if (sway.state() != QProcess::Running)
        return fail("sway could not be started", &sway);
    const QString socket = WaitForEntry(m_compositorRuntime, IsWaylandSocket, sway);
    if (socket.isEmpty())
        return fail("sway made no Wayland socket; its output: " + OutputOf(sway));
    m_waylandSocket = m_compositorRuntime + "/" + socket;
    m_swaySocket = m_compositorRuntime + "/" +
                   WaitForEntry(
                       m_compositorRuntime, [](const QString& n) { return n.startsWith("sway-ipc"); }, sway);
    return true;
}

bool HeadlessWayland::startBus() {
    // A session bus that starts no service on demand: only what the test starts is on it (the desktop's
    // own portal would otherwise be started by the first call to it).
    const QString config = m_home.filePath("bus.conf");
    const QByteArray text =
        QString("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\" "
                "eavesdrop=\"true\"/><allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>"
                "</busconfig>\n")
            .arg(m_runtime)
            .toUtf8();
    if (!WriteFile(config, text))
        return fail("cannot write the bus's configuration");
    QProcess& bus =
        launch("dbus-daemon", "dbus-daemon", {"--config-file=" + config, "--nofork", "--print-address=1"},
               serviceEnvironment());
    if (bus.state() != QProcess::Running)
        return fail("dbus-daemon could not be started", &bus);
    QByteArray line;
    QElapsedTimer timer;
    timer.start();
    while (!line.contains('\n') && bus.state() == QProcess::Running && timer.elapsed() < kHungAfterMs) {
        bus.waitForReadyRead(1000);
        line += bus.readAllStandardOutput();
    }
    m_busAddress = QString::fromUtf8(line.trimmed());
    if (m_busAddress.isEmpty())
        return fail("dbus-daemon named no address; its output: " + QString::fromUtf8(line));
    return true;
}

bool HeadlessWayland::startMedia() {
    QProcess& pipewire = launch("pipewire", "pipewire", {}, serviceEnvironment());
    if (pipewire.state() != QProcess::Running)
        return fail("pipewire could not be started", &pipewire);
    if (WaitForEntry(
            m_runtime, [](const QString& n) { return n == "pipewire-0"; }, pipewire)
            .isEmpty())
        return fail("pipewire made no socket; its output: " + OutputOf(pipewire));
    // The session manager links a stream to its consumer; a consumer simply waits until it has.
    QProcess& manager = launch("wireplumber", "wireplumber", {}, serviceEnvironment());
    if (manager.state() != QProcess::Running)
        return fail("wireplumber could not be started", &manager);
    return true;
}

QProcessEnvironment HeadlessWayland::environment() const {
    QProcessEnvironment e = serviceEnvironment();
    e.insert("QT_QPA_PLATFORM", "wayland");
    e.insert("SWAYSOCK", m_swaySocket);
    return e;
}

void HeadlessWayland::joinFromThisProcess() const {
    const QProcessEnvironment e = environment();
    for (const char* name : {"WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS",
                             "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP", "QT_QPA_PLATFORM", "SWAYSOCK"})
        qputenv(name, e.value(name).toLocal8Bit());
    qunsetenv("DISPLAY");
}

QByteArray HeadlessWayland::run(const QString& tool, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << tool << "failed:" << process.errorString()
                             << QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    return process.readAllStandardOutput();
}

QImage HeadlessWayland::screenshot() const {
    return QImage::fromData(run("grim", {"-t", "png", "-o", outputName(), "-"}), "PNG");
}

} // namespace orv::test
