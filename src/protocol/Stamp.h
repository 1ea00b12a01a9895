#pragma once
// Time stamps: local time as an OLE Automation date, whole days since 1899-12-30 00:00 plus the fraction of
// the day, at millisecond resolution.

#include <QDateTime>

namespace orv {

double stampFromLocal(const QDateTime& local);
QDateTime localFromStamp(double stamp);
double stampNow();

} // namespace orv
