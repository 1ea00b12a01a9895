#include "roster/LocalTime.h"

#include <QLocale>
#include <QTimeZone>

#include <cstdlib>

namespace orv {

QDateTime ParticipantLocalTime(const QDateTime& utcNow, int biasMinutes) {
    // A wall-clock reading without a zone of its own: shown as it stands.
    const QDateTime shifted = utcNow.toUTC().addSecs(-qint64(biasMinutes) * 60);
    return QDateTime(shifted.date(), shifted.time());
}

QString LocalTimeLine(const QDateTime& utcNow, int biasMinutes) {
    const QString time =
        QLocale().toString(ParticipantLocalTime(utcNow, biasMinutes).time(), QLocale::ShortFormat);
    // A bias west of Greenwich is positive: the zone is behind GMT.
    const QChar sign = biasMinutes < 0 ? u'+' : biasMinutes > 0 ? u'-' : u' ';
    const int magnitude = std::abs(biasMinutes);
    const QLocale locale;
    return time + QStringLiteral(" (GMT") + sign + locale.toString(magnitude / 60) + u':' +
           locale.toString(magnitude % 60).rightJustified(2, locale.zeroDigit().front()) + u')';
}

} // namespace orv
