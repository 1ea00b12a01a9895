#include "support/ServerProcess.h"

#include "platform/TcpClient.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace orv::test {

bool StartServerProcess(QProcess& server, const QString& program, const QString& config, std::uint16_t port) {
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(program, {config, "--quiet"});
    if (!server.waitForStarted(5000))
        return false;
    // Until it listens or ends; the limit only keeps a hung server from hanging the caller.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 120000) {
        try {
            TcpClient probe;
            probe.connectTo("127.0.0.1", port, 1000);
            return true;
        } catch (const EChannelError&) {
            if (server.waitForFinished(50))
                return false;
        }
    }
    return false;
}

long PeakMemoryKb(qint64 pid) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace orv::test
