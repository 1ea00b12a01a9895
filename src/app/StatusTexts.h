#pragma once
// The texts and percentages the main window's status bar and meters show.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace orv {

// Uplink meter: 100 when more than the budget is queued or sent, else the rounded share of it.
int UplinkPercent(std::int64_t bytes, std::int32_t overflowSize);
QString UplinkText(int percent);

// Input audio delay: 0.5 s per waiting buffer of the fullest player, plus 0.5 s.
double InputDelaySeconds(const std::vector<int>& waitingBuffersPerPlayer);
QString InputDelayText(double seconds);
int InputDelayPercent(double seconds);

// " Room N: name (You have been in this session for M min.)"
QString SessionClockText(std::int32_t room, const QString& name, std::int64_t minutes);

// The warnings shown for a small or unusual screen, resolution first.
QStringList ScreenWarnings(int heightPixels, double dotsPerInch);

// The Connection Speed menu: its items, and the one ticked for a stored speed.
struct TSpeedItem {
    const char* text;
    std::int32_t bytesPerSecond;
};
const std::vector<TSpeedItem>& ConnectionSpeedItems();
// The item whose value equals the speed; "CABLE / DSL (512 Kbps)" when none does.
int ConnectionSpeedItemFor(std::int32_t bytesPerSecond);

} // namespace orv
