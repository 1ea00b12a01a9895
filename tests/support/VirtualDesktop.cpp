#include "support/VirtualDesktop.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>

namespace orv::test {

VirtualDesktop::VirtualDesktop(QSize screen, bool windowManager) : m_screen(screen) {
    // Xvfb picks a free display number itself and writes it to its standard output once it accepts clients.
    const QString size = QString("%1x%2x24").arg(screen.width()).arg(screen.height());
    m_server.start("Xvfb", {"-displayfd", "1", "-screen", "0", size, "-nolisten", "tcp"});
    if (!m_server.waitForStarted(5000))
        return;
    QElapsedTimer started;
    started.start();
    QByteArray number;
    while (!number.contains('\n') && started.elapsed() < 30000 && m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(200);
        number += m_server.readAllStandardOutput();
    }
    if (number.trimmed().isEmpty() || m_server.state() != QProcess::Running)
        return;
    m_display = ":" + QString::fromLatin1(number.trimmed());
    if (m_display.isEmpty() || !windowManager)
        return;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", m_display);
    m_manager.setProcessEnvironment(environment);
    m_manager.start("openbox", {"--sm-disable"});
    // The manager is ready once it names itself on the root window.
    QElapsedTimer timer;
    timer.start();
    while (m_manager.waitForStarted(5000) && timer.elapsed() < 30000 &&
           !run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"))
        QThread::msleep(50);
    if (m_manager.state() != QProcess::Running || timer.elapsed() >= 30000)
        m_display.clear();
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
    qWarning().noquote() << "no visible window" << namePattern << "on" << m_display << "; named:"
                         << run("xdotool", {"search", "--name", namePattern}).trimmed() << "; clients:"
                         << run("xprop", {"-root", "_NET_CLIENT_LIST"}).trimmed()
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
