#include "voice/ACMPlayer.h"

#include <QDebug>

namespace orv {

TACMPlayer::TACMPlayer(const TPlaybackDevice& output, const CodecFormat& format, std::uint8_t queueLength,
                       FarEndSignal* farEnd)
    : m_out(std::make_unique<TACMOut>(output.audio, output.clock, output.timers)) {
    m_out->SetNumBuffers(queueLength);
    m_out->SetFarEnd(farEnd);
    try {
        m_out->Open(format, output.device);
        m_ok = true;
    } catch (const std::exception& e) {
        qWarning() << "playback:" << e.what();
    }
}

int TACMPlayer::Queued() const {
    return int(m_out->NumBuffers()) - int(m_out->NumBuffersLeft());
}

void TACMPlayer::Play(const std::uint8_t* bytes, int size) {
    if (m_ok)
        m_out->Play(bytes, size);
}

} // namespace orv
