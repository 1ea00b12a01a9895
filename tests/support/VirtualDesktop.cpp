#include "support/VirtualDesktop.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace orv::test {

namespace {

// Both waits below end on the event they wait for or on the process ending; this limit only keeps a hung
// process from hanging the test, so a loaded machine never reaches it.
constexpr int kHungAfterMs = 180000;

QString OutputOf(QProcess& process) {
    return QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput()).trimmed();
}

// True when the root window names its window manager.
bool ManagerNamed(Display* x, Atom check) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const bool named = XGetWindowProperty(x, DefaultRootWindow(x), check, 0, 1, False, XA_WINDOW, &type,
                                          &format, &count, &after, &data) == Success &&
                       count == 1;
    if (data)
        XFree(data);
    return named;
}

} // namespace

VirtualDesktop::VirtualDesktop(QSize screen, bool windowManager) : m_screen(screen) {
    if (startServer() && windowManager && !startManager())
        m_display.clear();
    if (!m_failure.isEmpty())
        qWarning().noquote() << "virtual desktop:" << m_failure;
}

bool VirtualDesktop::startServer() {
    // Xvfb picks a free display number itself and writes it to its standard output once it accepts clients.
    const QString size = QString("%1x%2x24").arg(m_screen.width()).arg(m_screen.height());
    m_server.start("Xvfb", {"-displayfd", "1", "-screen", "0", size, "-nolisten", "tcp"});
    if (!m_server.waitForStarted(kHungAfterMs)) {
        m_failure =
            "Xvfb could not be started (scripts/install-deps.sh installs xvfb): " + m_server.errorString();
        return false;
    }
    QElapsedTimer started;
    started.start();
    QByteArray number;
    while (!number.contains('\n') && m_server.state() == QProcess::Running &&
           started.elapsed() < kHungAfterMs) {
        m_server.waitForReadyRead(1000);
        number += m_server.readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        m_failure = QString("Xvfb %1 without naming its display; its output: %2")
                        .arg(m_server.state() == QProcess::Running ? "hung" : "ended")
                        .arg(OutputOf(m_server));
        return false;
    }
    m_display = ":" + QString::fromLatin1(number.trimmed());
    return true;
}

bool VirtualDesktop::startManager() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", m_display);
    m_manager.setProcessEnvironment(environment);
    Display* x = XOpenDisplay(m_display.toLocal8Bit().constData());
    if (!x) {
        m_failure = "cannot open Xvfb's display " + m_display;
        return false;
    }
    // The manager is ready once it names itself on the root window: watch the root's properties from
    // before it starts, so the change cannot be missed.
    const Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", False);
    XSelectInput(x, DefaultRootWindow(x), PropertyChangeMask);
    XSync(x, False);
    m_manager.start("openbox", {"--sm-disable"});
    bool ready = false;
    if (m_manager.waitForStarted(kHungAfterMs)) {
        QElapsedTimer timer;
        timer.start();
        ready = ManagerNamed(x, check);
        while (!ready && timer.elapsed() < kHungAfterMs) {
            while (!ready && XPending(x) > 0) {
                XEvent event;
                XNextEvent(x, &event);
                ready =
                    event.type == PropertyNotify && event.xproperty.atom == check && ManagerNamed(x, check);
            }
            // Waiting on the manager's end lets its output in and notices when it dies.
            if (!ready && m_manager.waitForFinished(100))
                break;
        }
    }
    XCloseDisplay(x);
    if (!ready)
        m_failure =
            QString("openbox did not become ready on %1 (%2); its output: %3")
                .arg(m_display)
                .arg(m_manager.state() == QProcess::Running ? "still running" : m_manager.errorString())
                .arg(OutputOf(m_manager));
    return ready;
}

VirtualDesktop::~VirtualDesktop() {
    for (QProcess* p : {&m_manager, &m_server}) {
        if (p->state() == QProcess::NotRunning)
            continue;
        p->terminate();
        if (!p->waitForFinished(5000))
            p->kill();
        p->waitForFinished(2000);
    }
}

QString VirtualDesktop::run(const QString& tool, const QStringList& arguments) const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", m_display);
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<QString> VirtualDesktop::waitForWindow(const QString& namePattern, int timeoutMs) const {
    QElapsedTimer timer;
    timer.start();
    do {
        const QStringList ids = run("xdotool", {"search", "--onlyvisible", "--name", namePattern})
                                    .split('\n', Qt::SkipEmptyParts);
        if (!ids.isEmpty())
            return ids.last();
        // This process's own windows are mapped only once its queued X requests go out.
        QCoreApplication::processEvents();
        QThread::msleep(50);
    } while (timer.elapsed() < timeoutMs);
    qWarning().noquote() << "no visible window" << namePattern << "on" << m_display
                         << "; named:" << run("xdotool", {"search", "--name", namePattern}).trimmed()
                         << "; clients:" << run("xprop", {"-root", "_NET_CLIENT_LIST"}).trimmed()
                         << "; server running:" << (m_server.state() == QProcess::Running)
                         << "; manager running:" << (m_manager.state() == QProcess::Running);
    return std::nullopt;
}

bool VirtualDesktop::isVisible(const QString& namePattern) const {
    return !run("xdotool", {"search", "--onlyvisible", "--name", namePattern}).trimmed().isEmpty();
}

QStringList VirtualDesktop::stacking() const {
    // "_NET_CLIENT_LIST_STACKING(WINDOW): window id # 0x400003, 0x600007"
    const QString line = run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    QStringList ids;
    for (const auto& match : QRegularExpression("0x[0-9a-f]+").globalMatch(line))
        ids << QString::number(match.captured().toULongLong(nullptr, 16));
    return ids;
}

QString VirtualDesktop::windowName(const QString& id) const {
    return run("xdotool", {"getwindowname", id}).trimmed();
}

QRect VirtualDesktop::frameGeometry(const QString& id) const {
    const QString info = run("xwininfo", {"-id", id});
    const auto number = [&](const char* label) {
        return QRegularExpression(QString("%1:\\s+(-?\\d+)").arg(label)).match(info).captured(1).toInt();
    };
    QRect client(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
                 number("Height"));
    // "_NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 22, 4": left, right, top, bottom
    const QString extents = run("xprop", {"-id", id, "_NET_FRAME_EXTENTS"});
    QList<int> e;
    for (const auto& match : QRegularExpression("(\\d+)(?:,|$)").globalMatch(extents.section('=', 1)))
        e << match.captured(1).toInt();
    if (e.size() == 4)
        client.adjust(-e[0], -e[2], e[1], e[3]);
    return client;
}

bool VirtualDesktop::pressUntilGone(const QString& id, const QString& keys, int timeoutMs) const {
    QElapsedTimer timer;
    timer.start();
    const auto present = [&] {
        return run("xdotool", {"search", "--onlyvisible", "--name", "."}).split('\n').contains(id);
    };
    while (present()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        // Real key presses to the focused window, once the window has taken the focus.
        run("xdotool", {"windowactivate", "--sync", id});
        run("xdotool", {"key", keys});
        QThread::msleep(400);
    }
    return true;
}

} // namespace orv::test
