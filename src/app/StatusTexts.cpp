#include "app/StatusTexts.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace orv {

int UplinkPercent(std::int64_t bytes, std::int32_t overflowSize) {
    if (overflowSize <= 0 || bytes > overflowSize)
        return 100;
    return int(std::lround(double(bytes) / overflowSize * 100.0));
}

QString UplinkText(int percent) {
    return QCoreApplication::translate("orv::StatusTexts", "Upld %1%").arg(percent);
}

double InputDelaySeconds(const std::vector<int>& waitingBuffersPerPlayer) {
    const int most = waitingBuffersPerPlayer.empty()
                         ? 0
                         : *std::max_element(waitingBuffersPerPlayer.begin(), waitingBuffersPerPlayer.end());
    return 0.5 * most + 0.5;
}

QString InputDelayText(double seconds) {
    return QCoreApplication::translate("orv::StatusTexts", "%1 sec.")
        .arg(QLocale().toString(seconds, 'f', 1));
}

int InputDelayPercent(double seconds) {
    return int(std::lround(seconds / 7.0 * 100.0));
}

QString SessionClockText(std::int32_t room, const QString& name, std::int64_t minutes) {
    return QCoreApplication::translate("orv::StatusTexts",
                                       " Room %1: %2 (You have been in this session for %3 min.)")
        .arg(room)
        .arg(name)
        .arg(minutes);
}

QStringList ScreenWarnings(int heightPixels, double dotsPerInch) {
    QStringList warnings;
    if (heightPixels < 768)
        warnings << QCoreApplication::translate(
            "orv::StatusTexts",
            "Your screen resolution is less than 1024x768. Some of the text labels and graphics "
            "may not appear correctly.");
    if (std::lround(dotsPerInch) != 96)
        warnings << QCoreApplication::translate(
            "orv::StatusTexts",
            "Your screen DPI setting is not 96 dots per inch. Some of the text labels and "
            "graphics may not appear correctly.");
    return warnings;
}

const std::vector<TSpeedItem>& ConnectionSpeedItems() {
    static const std::vector<TSpeedItem> items = {
        {QT_TRANSLATE_NOOP("orv::StatusTexts", "28.8 Kbps Dial Up"), 3686},
        {QT_TRANSLATE_NOOP("orv::StatusTexts", "33.6 Kbps Dial Up"), 4300},
        {QT_TRANSLATE_NOOP("orv::StatusTexts", "56 Kbps Dial Up"), 7168},
        {"ISDN (128 Kbps)", 16384},
        {"CABLE / DSL (256 Kbps)", 32768},
        {"CABLE / DSL (512 Kbps)", 65535},
        {"CABLE / DSL (1024 Kbps)", 131070},
        {"CABLE / DSL (2048 Kbps)", 262140},
    };
    return items;
}

int ConnectionSpeedItemFor(std::int32_t bytesPerSecond) {
    const auto& items = ConnectionSpeedItems();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].bytesPerSecond == bytesPerSecond)
            return int(i);
    return 5;
}

} // namespace orv
