#include "session/RoomNotices.h"

#include "platform/TonePlayer.h"

#include <QDebug>

namespace orv {

void TRoomNoticesRelay::AddChatLine(std::uint16_t partner, const QString& name, TChatLineKind kind,
                                    TColor color, const QString& text) {
    if (m_lines)
        m_lines->AddChatLine(partner, name, kind, color, text);
    else
        qInfo().noquote() << "chat line for" << partner << ":" << name << text;
}

void TRoomNoticesRelay::Beep(int frequencyHz, int durationMs) {
    if (m_tones)
        m_tones->Beep(frequencyHz, durationMs);
    else
        qInfo() << "beep:" << frequencyHz << "Hz," << durationMs << "ms";
}

} // namespace orv
