#include "support/ClientProcess.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

namespace orv::test {

ClientProcess::ClientProcess(const QString& program, const QString& display, double scale)
    : m_program(program) {
    for (const char* folder : {"config", "data", "runtime"})
        QDir(m_home.path()).mkpath(folder);
    QFile::setPermissions(home("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("QT_SCALE_FACTOR", QString::number(scale));
    environment.insert("HOME", m_home.path());
    environment.insert("XDG_CONFIG_HOME", home("config"));
    environment.insert("XDG_DATA_HOME", home("data"));
    environment.insert("XDG_RUNTIME_DIR", home("runtime"));
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
}

ClientProcess::~ClientProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void ClientProcess::setEnvironment(const QString& name, const QString& value) {
    QProcessEnvironment environment = m_process.processEnvironment();
    environment.insert(name, value);
    m_process.setProcessEnvironment(environment);
}

bool ClientProcess::start(const QStringList& arguments) {
    m_process.start(m_program, arguments);
    return m_process.waitForStarted(10000);
}

std::string ClientProcess::log() const {
    QFile file(home("data/Tamlock/Orvane Live/orvane-live.log"));
    return file.open(QIODevice::ReadOnly) ? "\nthe program's log:\n" + file.readAll().toStdString()
                                          : "\nno log at " + file.fileName().toStdString();
}

bool ClientProcess::waitForExit(int ms) {
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(ms);
}

} // namespace orv::test
