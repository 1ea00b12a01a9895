#include "support/AccessibilityBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QThread>

namespace orv::test {

namespace {

constexpr auto kLauncher = "/usr/libexec/at-spi-bus-launcher";
// Ends the wait for a hung launcher only: a loaded machine never reaches it.
constexpr int kHungAfterMs = 120000;

} // namespace

AccessibilityBus::AccessibilityBus(const QString& sessionBusAddress, const QString& display) {
    if (!QFileInfo(kLauncher).isExecutable()) {
        m_failure = "at-spi-bus-launcher is missing (scripts/install-deps.sh installs at-spi2-core)";
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", sessionBusAddress);
    environment.insert("DISPLAY", display);
    environment.insert("XDG_RUNTIME_DIR", m_runtime.path());
    m_launcher.setProcessEnvironment(environment);
    m_launcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_launcher.start(kLauncher, {"--launch-immediately"});
    if (!m_launcher.waitForStarted(kHungAfterMs)) {
        m_failure = "at-spi-bus-launcher did not start: " + m_launcher.errorString();
        return;
    }
    const QString name = "orv-accessibility-bus-" + QString::number(quintptr(this));
    {
        QDBusConnection bus = QDBusConnection::connectToBus(sessionBusAddress, name);
        QElapsedTimer timer;
        timer.start();
        // The launcher takes its name once its bus runs; until then a call would start another one.
        while (m_address.isEmpty() && timer.elapsed() < kHungAfterMs &&
               m_launcher.state() == QProcess::Running) {
            if (bus.interface()->isServiceRegistered("org.a11y.Bus")) {
                const QDBusMessage reply = bus.call(QDBusMessage::createMethodCall(
                    "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"));
                if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                    m_address = reply.arguments().constFirst().toString();
            } else {
                m_launcher.waitForFinished(100);
            }
        }
    }
    QDBusConnection::disconnectFromBus(name);
    if (m_address.isEmpty())
        m_failure = "the accessibility bus did not come up";
}

AccessibilityBus::~AccessibilityBus() {
    if (m_launcher.state() != QProcess::NotRunning) {
        m_launcher.terminate();
        if (!m_launcher.waitForFinished(10000))
            m_launcher.kill();
        m_launcher.waitForFinished(2000);
    }
}

} // namespace orv::test
