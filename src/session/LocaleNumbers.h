#pragma once
// Numbers shown to the user as the user's language writes them: its digits, decimal separator and percent
// sign (50.00% in English, 50,00% in Portuguese).

#include <QLocale>
#include <QString>

namespace orv {

inline QString LocalePercent(double percent, int decimals = 2) {
    const QLocale locale;
    return locale.toString(percent, 'f', decimals) + locale.percent();
}

inline QString LocaleInteger(qint64 value) {
    return QLocale().toString(value);
}

} // namespace orv
