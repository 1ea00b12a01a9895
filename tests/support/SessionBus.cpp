#include "support/SessionBus.h"

#include <QDBusMessage>
#include <QElapsedTimer>

namespace orv::test {

PrivateSessionBus::PrivateSessionBus() {
    m_daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (!m_daemon.waitForStarted(5000))
        return;
    QByteArray line;
    QElapsedTimer timer;
    timer.start();
    // Until it names its address or ends; the limit only keeps a hung daemon from hanging the test.
    while (!line.contains('\n') && timer.elapsed() < 120000 && m_daemon.state() == QProcess::Running) {
        m_daemon.waitForReadyRead(1000);
        line += m_daemon.readAllStandardOutput();
    }
    m_address = QString::fromUtf8(line.trimmed());
}

PrivateSessionBus::~PrivateSessionBus() {
    for (const QString& name : m_names)
        QDBusConnection::disconnectFromBus(name);
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000))
            m_daemon.kill();
        m_daemon.waitForFinished(2000);
    }
}

QDBusConnection PrivateSessionBus::connect(const QString& name) const {
    m_names << name;
    return QDBusConnection::connectToBus(m_address, name);
}

bool FakeNotificationService::registerOn(QDBusConnection bus) {
    m_bus = bus;
    return bus.registerObject("/org/freedesktop/Notifications", this, QDBusConnection::ExportAllSlots) &&
           bus.registerService("org.freedesktop.Notifications");
}

uint FakeNotificationService::Notify(const QString& appName, uint, const QString&, const QString& summary,
                                     const QString& body, const QStringList& actions,
                                     const QVariantMap& hints, int) {
    shown.append({appName, summary, body, actions, hints});
    return uint(shown.size());
}

void FakeNotificationService::click(uint id) {
    if (!m_bus)
        return;
    QDBusMessage signal = QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                     "org.freedesktop.Notifications", "ActionInvoked");
    signal << id << QStringLiteral("default");
    m_bus->send(signal);
}

} // namespace orv::test
