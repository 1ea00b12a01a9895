#pragma once
// A participant's local time from the time-zone bias of the participant's record (minutes, UTC = local time
// + bias), and the line an expanded roster entry shows: the time, then the offset from GMT.

#include <QDateTime>
#include <QString>

#include <functional>

namespace orv {

// The current time in UTC; tests hand in a fixed one.
using TUtcClock = std::function<QDateTime()>;

QDateTime ParticipantLocalTime(const QDateTime& utcNow, int biasMinutes);
// "10:05 (GMT+2:00)" for a bias of -120, "(GMT-5:30)" for 330, "(GMT 0:00)" for 0; the time in the
// locale's short format.
QString LocalTimeLine(const QDateTime& utcNow, int biasMinutes);

} // namespace orv
