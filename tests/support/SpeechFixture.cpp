#include "support/SpeechFixture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>
#include <map>
#include <mutex>

namespace orv::test {

bool HaveTool(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool RunTool(const QString& program, const QStringList& args, ToolCheck& check, int timeoutMs) {
    if (!check.ran())
        return false;
    if (!HaveTool(program)) {
        check = {ToolOutcome::Missing, program + " is not installed (scripts/install-deps.sh installs it)"};
        return false;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        check = {ToolOutcome::Failed,
                 program + " " + args.join(' ') + " failed: " + QString::fromLocal8Bit(process.readAll())};
        process.kill();
        process.waitForFinished();
        return false;
    }
    return true;
}

bool RunTool(const QString& program, const QStringList& args, QString& why, int timeoutMs) {
    ToolCheck check;
    const bool ran = RunTool(program, args, check, timeoutMs);
    why = check.why;
    return ran;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

std::vector<std::int16_t> ReadPcm(const QString& path) {
    const QByteArray bytes = ReadAll(path);
    std::vector<std::int16_t> samples(std::size_t(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

bool WritePcm(const QString& path, const std::vector<std::int16_t>& samples) {
    return WriteAll(path,
                    QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size() * 2)));
}

std::vector<std::int16_t> Speech(int sampleRate, QString& why) {
    ToolCheck check;
    auto speech = Speech(sampleRate, check);
    why = check.why;
    return speech;
}

std::vector<std::int16_t> Speech(int sampleRate, ToolCheck& check) {
    static std::mutex mutex;
    static std::map<int, std::vector<std::int16_t>> made;
    const std::lock_guard lock(mutex);
    if (const auto it = made.find(sampleRate); it != made.end())
        return it->second;

    QTemporaryDir dir;
    const QString wav = dir.filePath("speech.wav");
    const QString raw = dir.filePath("speech.raw");
    const QString text = "Voice starts here. The quick brown fox jumps over the lazy dog. Every participant "
                         "hears the teacher clearly, and nobody hears an echo of their own voice.";
    if (!RunTool("espeak-ng", {"-w", wav, text}, check) ||
        !RunTool("sox",
                 {wav, "-r", QString::number(sampleRate), "-c", "1", "-b", "16", "-e", "signed-integer", "-t",
                  "raw", raw, "gain", "-n", "-6"},
                 check))
        return {};
    return made[sampleRate] = ReadPcm(raw);
}

double Power(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to && i < s.size(); ++i)
        sum += double(s[i]) * double(s[i]);
    return to > from ? sum / double(to - from) : 0;
}

double Decibels(double powerRatio) {
    return 10 * std::log10(powerRatio);
}

} // namespace orv::test
