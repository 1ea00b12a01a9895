#include "voice/DelayMeter.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace orv {

TDelayReading ReadDelay(int longestQueue) {
    TDelayReading r;
    r.seconds = std::max(0, longestQueue) * 0.5 + 0.5;
    r.percent = int(std::lround(r.seconds / 7 * 100));
    r.text =
        QCoreApplication::translate("orv::DelayMeter", "%1 sec.").arg(QLocale().toString(r.seconds, 'f', 1));
    return r;
}

std::uint8_t ClampQueueLength(std::int32_t value) {
    return std::uint8_t(std::clamp(value, 1, 50));
}

} // namespace orv
