#include "support/PulseServer.h"

#include "support/SpeechFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

#include <sys/prctl.h>

#include <csignal>

namespace orv::test {

bool PulseServer::Start(ToolCheck& check) {
    if (!HaveTool("pulseaudio") || !HaveTool("pactl")) {
        check = {ToolOutcome::Missing,
                 "pulseaudio and pactl are not installed (scripts/install-deps.sh installs them)"};
        return false;
    }
    check.outcome = ToolOutcome::Failed; // from here on, anything that stops the server is a fault
    QString& why = check.why;
    const QString runtime = m_dir.filePath("run");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString socket = runtime + "/native";
    m_server = "unix:" + socket;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_dir.path());
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    env.remove("PULSE_SERVER");
    m_process.setProcessEnvironment(env);
    // The server goes with this program, even when a test crashes.
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                                   "--use-pid-file=no", "--log-level=error",
                                   "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket,
                                   "--load=module-null-sink sink_name=nullsink",
                                   "--load=module-remap-source master=nullsink.monitor source_name=loopmic"});
    if (!m_process.waitForStarted(5000)) {
        why = "pulseaudio did not start: " + m_process.errorString();
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    QString output;
    // The server answers once it has loaded its modules; the limit only stops a hung server from hanging
    // the test, so it is generous for a loaded machine.
    while (!Pactl({"info"}, output, why)) {
        if (timer.elapsed() > 120000 || m_process.state() != QProcess::Running) {
            why = "pulseaudio did not come up: " + why +
                  QString::fromLocal8Bit(m_process.readAllStandardError());
            Stop();
            return false;
        }
        QThread::msleep(50);
    }
    if (!Pactl({"set-default-sink", "nullsink"}, output, why) ||
        !Pactl({"set-default-source", "loopmic"}, output, why)) {
        Stop();
        return false;
    }
    qputenv("PULSE_SERVER", m_server.toLocal8Bit());
    check = {};
    return true;
}

void PulseServer::Stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    qunsetenv("PULSE_SERVER");
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool PulseServer::Pactl(const QStringList& args, QString& output, QString& why) {
    QProcess pactl;
    pactl.setProcessChannelMode(QProcess::MergedChannels);
    pactl.start("pactl", QStringList{"-s", m_server} + args);
    const bool ok =
        pactl.waitForFinished(30000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
    output = QString::fromLocal8Bit(pactl.readAll());
    if (!ok)
        why = "pactl " + args.join(' ') + ": " + output;
    return ok;
}

} // namespace orv::test
