#pragma once
// Where the program's diagnostics go: a log file in the program's folder, so that the terminal it was
// started from stays quiet in normal use. Verbose runs copy every line to the terminal as well.

#include <QString>

namespace orv {

// Sends Qt's messages (warnings of the toolkit and its multimedia and web parts included) to `path`,
// appending; a file grown past its limit is kept as one older copy. Fatal messages always reach the terminal.
void InstallProgramLog(const QString& path, bool verbose);

// Quiets the embedded browser's own logging, which bypasses Qt's messages, unless the run is verbose.
void QuietEmbeddedBrowser(bool verbose);

} // namespace orv
