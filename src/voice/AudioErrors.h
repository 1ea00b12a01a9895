#pragma once
// The errors of the audio components: the failing operation's name followed directly by the text of the
// error number, as the wave and compression services of the original platform numbered them.

#include "platform/AudioDevices.h"

#include <QString>

#include <stdexcept>

namespace orv {

namespace AudioError {
constexpr int BadDevice = 2;
constexpr int Allocated = 4;
constexpr int InvalidHandle = 5;
constexpr int NoDriver = 6;
constexpr int NoMemory = 7;
constexpr int InvalidFlag = 10;
constexpr int InvalidParameter = 11;
constexpr int BadFormat = 32;
constexpr int Sync = 35;
constexpr int NotPossible = 512;
constexpr int Busy = 513;
constexpr int Unprepared = 514;
} // namespace AudioError

// "<operation><text>" for the numbers of the table, "<operation> raised an unknown error (code #<n>)"
// for any other.
QString AudioErrorMessage(const QString& operation, int error);

// The error number of a device that did not open.
int AudioOpenErrorNumber(TAudioOpenError error);

// The error of the capture component.
class EACMIn : public std::runtime_error {
public:
    EACMIn(const QString& operation, int error);
    int Error() const { return m_error; }
    QString Message() const { return QString::fromStdString(what()); }

private:
    int m_error;
};

// The error of the playback component.
class EACMOut : public std::runtime_error {
public:
    EACMOut(const QString& operation, int error);
    int Error() const { return m_error; }

private:
    int m_error;
};

} // namespace orv
