#pragma once
// Speech and tools for the audio tests: speech is made at test time (espeak-ng reads a few sentences, sox
// turns them into PCM), so no recording is kept in the repository.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace orv::test {

// What became of the tools a test ran: a tool that is not installed is a gap in the machine; one that ran and
// failed is a fault. The first problem is kept.
enum class ToolOutcome { Ran, Missing, Failed };
struct ToolCheck {
    ToolOutcome outcome = ToolOutcome::Ran;
    QString why;
    bool ran() const { return outcome == ToolOutcome::Ran; }
};

// Signed 16-bit mono PCM at `sampleRate`, about seven seconds; empty, with the problem in `check`, when
// espeak-ng or sox is missing or fails.
std::vector<std::int16_t> Speech(int sampleRate, ToolCheck& check);
std::vector<std::int16_t> Speech(int sampleRate, QString& why);

// Runs a program to its end; false, with what went wrong in `check`, when it is not installed, fails or
// takes longer than `timeoutMs`.
bool RunTool(const QString& program, const QStringList& args, ToolCheck& check, int timeoutMs = 120000);
bool RunTool(const QString& program, const QStringList& args, QString& why, int timeoutMs = 120000);
bool HaveTool(const QString& program);

std::vector<std::int16_t> ReadPcm(const QString& path);
bool WritePcm(const QString& path, const std::vector<std::int16_t>& samples);
QByteArray ReadAll(const QString& path);
bool WriteAll(const QString& path, const QByteArray& bytes);

// Mean square of samples [from, to).
double Power(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to);
double Decibels(double powerRatio);

} // namespace orv::test
