#pragma once
// SIGINT and SIGTERM end the program's event loop with exit code 0, so that it shuts down in order.

class QCoreApplication;

namespace orv {

void QuitOnSignals(QCoreApplication& app);

} // namespace orv
