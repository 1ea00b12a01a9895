#include "protocol/Stamp.h"

#include <cmath>

namespace orv {
namespace {

constexpr double kMsPerDay = 86400000.0;

qint64 epochJulianDay() {
    return QDate(1899, 12, 30).toJulianDay();
}

} // namespace

double stampFromLocal(const QDateTime& local) {
    const qint64 days = local.date().toJulianDay() - epochJulianDay();
    const double fraction = local.time().msecsSinceStartOfDay() / kMsPerDay;
    // Before the epoch the day count is negative and the fraction still counts forward in magnitude.
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

QDateTime localFromStamp(double stamp) {
    if (!std::isfinite(stamp) || std::fabs(stamp) > 3.0e6)
        return {};
    const double whole = std::trunc(stamp);
    const qint64 ms = std::llround(std::fabs(stamp - whole) * kMsPerDay);
    const QDate date = QDate::fromJulianDay(epochJulianDay() + qint64(whole));
    return QDateTime(date, QTime(0, 0)).addMSecs(ms);
}

double stampNow() {
    return stampFromLocal(QDateTime::currentDateTime());
}

} // namespace orv
