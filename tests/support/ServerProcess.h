#pragma once
// The session server as a process of its own, for the benchmarks that measure it from outside.

#include <QProcess>
#include <QString>

#include <cstdint>

namespace orv::test {

// Starts `program` with `config` (quiet) and waits until `port` accepts connections; false when it does not
// within a few seconds.
bool StartServerProcess(QProcess& server, const QString& program, const QString& config, std::uint16_t port);

// The process's peak resident memory in KiB, or -1 where it cannot be read.
long PeakMemoryKb(qint64 pid);

} // namespace orv::test
