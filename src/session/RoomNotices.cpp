#include "session/RoomNotices.h"

#include <QDebug>

namespace orv {

void TLoggedRoomNotices::AddSystemLine(const QString& text) {
    qInfo().noquote() << "system line:" << text;
}

void TLoggedRoomNotices::Beep(int frequencyHz, int durationMs) {
    qInfo() << "beep:" << frequencyHz << "Hz," << durationMs << "ms";
    if (m_beep)
        m_beep(frequencyHz, durationMs);
}

} // namespace orv
