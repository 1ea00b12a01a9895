#pragma once
// One run of the real client program on a test's display, with a home of its own (settings, data, runtime
// folders), so it never touches the user's files. Killed with the test if it is still running.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

namespace orv::test {

class ClientProcess {
public:
    ClientProcess(const QString& program, const QString& display, double scale = 1.0);
    ~ClientProcess();

    QString home(const QString& relative) const { return m_home.filePath(relative); }
    QString settingsFile() const { return home("config/Tamlock/Orvane Live.ini"); }
    // The program's own diagnostics so far, to show with a failure.
    std::string log() const;
    // A variable of the program's environment, set before it starts.
    void setEnvironment(const QString& name, const QString& value);
    bool start(const QStringList& arguments);
    QProcess& process() { return m_process; }
    bool waitForExit(int ms);

private:
    QString m_program;
    QTemporaryDir m_home;
    QProcess m_process;
};

} // namespace orv::test
