#include "support/TestPortal.h"

#include <QElapsedTimer>

namespace orv::test {

namespace {

// Only a hung portal reaches this; the wait ends on its "ready" line.
constexpr int kPortalHungAfterMs = 120000;

} // namespace

TestPortal::TestPortal(const QProcessEnvironment& environment, QSize size, uint startAnswer,
                       QStringList more) {
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList arguments{"--size", QString("%1x%2").arg(size.width()).arg(size.height()),
                                "--start-answer", QString::number(startAnswer)};
    m_process.start(ORV_TEST_PORTAL, arguments + more);
    QElapsedTimer timer;
    timer.start();
    while (!m_lines.contains("ready") && m_process.state() != QProcess::NotRunning &&
           timer.elapsed() < kPortalHungAfterMs) {
        m_process.waitForReadyRead(1000);
        reported();
    }
    if (!m_lines.contains("ready"))
        m_failure = "the test portal did not start: " + m_process.errorString();
}

TestPortal::~TestPortal() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel(); // its input ends: it quits
    if (!m_process.waitForFinished(10000))
        m_process.kill();
    m_process.waitForFinished(2000);
}

QStringList TestPortal::reported() {
    m_pending += m_process.readAllStandardOutput();
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        m_lines << QString::fromUtf8(m_pending.left(end));
        m_pending.remove(0, end + 1);
    }
    return m_lines;
}

bool TestPortal::reported(const QString& prefix) {
    for (const QString& line : reported())
        if (line.startsWith(prefix))
            return true;
    return false;
}

void TestPortal::pressShortcut(const QString& id, bool pressed) {
    m_process.write(QString("%1 %2\n").arg(pressed ? "press" : "release", id).toUtf8());
}

void TestPortal::showScene(int scene) {
    m_process.write(QString("scene %1\n").arg(scene).toUtf8());
}

} // namespace orv::test
