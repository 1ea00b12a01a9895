#include "voice/RecordedVoicePlayer.h"

#include "voice/CodecCatalogue.h"

#include <QDebug>

namespace orv {

TRecordedVoicePlayer::TRecordedVoicePlayer(TPlaybackDevice output, const CodecRegistry& codecs)
    : m_output(std::move(output)), m_codecs(codecs) {}

void TRecordedVoicePlayer::SetDevice(const QByteArray& device) {
    std::lock_guard lock(m_mutex);
    m_output.device = device;
}

void TRecordedVoicePlayer::Begin(std::int32_t codecIndex) {
    TPlaybackDevice output = [this] {
        std::lock_guard lock(m_mutex);
        return m_output;
    }();
    auto pool = std::make_unique<TPlayerPool>();
    if (codecIndex >= 0 && codecIndex <= 0xFF) {
        const std::optional<CodecFormat> format = MakeCodecFormat(std::uint8_t(codecIndex), m_codecs);
        try {
            for (int i = 0; format && i < kPlayers; ++i)
                pool->Add(std::make_unique<TACMPlayer>(output, *format, kQueueLength));
        } catch (const std::exception& e) {
            qWarning() << "recorded voice: players left out:" << e.what();
        }
    }
    std::lock_guard lock(m_mutex);
    m_pool = std::move(pool);
}

void TRecordedVoicePlayer::PlayFrame(std::uint16_t speaker, QByteArrayView frame) {
    std::lock_guard lock(m_mutex);
    if (!m_pool || m_pool->Size() == 0 || frame.isEmpty())
        return; // nobody to play it
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(frame.data());
    const int size = int(frame.size());
    if (!m_pool->Route(speaker, bytes, size)) {
        // Every player is taken: the first one goes over to this speaker.
        m_pool->Release(m_pool->At(0).speaker);
        m_pool->Route(speaker, bytes, size);
    }
}

void TRecordedVoicePlayer::End() {
    std::lock_guard lock(m_mutex);
    if (!m_pool)
        return;
    for (std::size_t i = 0; i < m_pool->Size(); ++i)
        m_pool->Release(m_pool->At(i).speaker);
}

std::size_t TRecordedVoicePlayer::Players() const {
    std::lock_guard lock(m_mutex);
    return m_pool ? m_pool->Size() : 0;
}

} // namespace orv
