#pragma once
// A private PulseAudio server for one test program, for machines without a sound card: a null sink
// ("nullsink") whose monitor is remapped to an input ("loopmic"), both the defaults, so what is played
// comes back as captured sound. Start points this program's sound connections at it (PULSE_SERVER).

#include "support/SpeechFixture.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace orv::test {

class PulseServer {
public:
    PulseServer() = default;
    ~PulseServer() { Stop(); }
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // False, with the problem in `check`, when pulseaudio is not installed or does not come up.
    bool Start(ToolCheck& check);
    void Stop();
    // Runs pactl against the server; its output in `output`.
    bool Pactl(const QStringList& args, QString& output, QString& why);

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_server;
};

} // namespace orv::test
