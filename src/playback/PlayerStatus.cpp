#include "playback/PlayerStatus.h"

#include "session/LocaleNumbers.h"

#include <cmath>

namespace orv {

// Set here rather than in the class body, where the catalogue tool would file the text under the wrong class.
TPlayerStatus::TPlayerStatus() : m_caption(tr("Orvane Live Player")) {}

void TPlayerStatus::Downloaded(std::int64_t total, std::int64_t done) {
    if (total == done) {
        m_caption = tr("Orvane Live Player - Downloaded");
        m_downloadPercent = 100;
        return;
    }
    m_caption = tr("Orvane Live Player - Downloading %1 KB of %2 KB").arg(done / 1024).arg(total / 1024);
    if (total > 0 && done > 0)
        m_downloadPercent =
            int(std::clamp<std::int64_t>(std::llround(double(done) / double(total) * 100), 0, 100));
    else if (total > 0 && done == 0)
        m_downloadPercent = 0;
}

void TPlayerStatus::Played(std::int32_t index, bool seeking, std::int32_t seekTarget) {
    m_index = std::max(0, index);
    m_sliderIndex = seeking ? seekTarget : m_index;
}

QString TPlayerStatus::PercentText() const {
    // No packets: nothing to divide by, and nothing played.
    const double percent = m_packetCount > 0 ? std::min(100.0, double(m_index) / m_packetCount * 100) : 0.0;
    return LocalePercent(percent);
}

std::int32_t TPlayerStatus::SeekTarget(int x, int width) const {
    if (width <= 0)
        return 0;
    const int inside = std::clamp(x, 0, width);
    return std::int32_t(std::llround(double(m_packetCount) / width * inside));
}

int TPlayerStatus::SliderLeft(std::int32_t index, int width, int sliderWidth) const {
    const int highest = std::max(2, width - sliderWidth - 1);
    if (m_packetCount <= 0 || width <= 0)
        return 2;
    const int left = int(std::lround(double(index) / (double(m_packetCount) / width)));
    return std::clamp(left, 2, highest);
}

QString TPlayerStatus::StatusText() const {
    switch (m_status) {
    case TPlayerStatusText::Stopped:
        return tr("STOPPED");
    case TPlayerStatusText::Playing:
        return tr("PLAYING");
    case TPlayerStatusText::Paused:
        return tr("PAUSED");
    case TPlayerStatusText::Buffering:
        return tr("Buffering");
    case TPlayerStatusText::FastMode:
        return tr("FAST MODE");
    }
    return {};
}

QString TPlayerStatus::ElapsedText(std::int64_t ms) {
    const std::int64_t seconds = std::max<std::int64_t>(0, ms) / 1000;
    return QString("%1:%2:%3")
        .arg(seconds / 3600)
        .arg((seconds / 60) % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

QString TPlayerStatus::TimeText(std::int64_t elapsedMs) const {
    if (!m_totalMs)
        return ElapsedText(elapsedMs);
    return tr("%1 / %2").arg(ElapsedText(elapsedMs), ElapsedText(*m_totalMs));
}

} // namespace orv
