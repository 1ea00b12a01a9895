#include "voice/SamplePlayer.h"

#include "voice/WaveImage.h"

#include <QFile>

#include <QDebug>
#include <algorithm>

namespace orv {

QByteArray WizardSample() {
    QFile file(":/voice/sample.wav");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TSamplePlayer::TSamplePlayer(IAudioSystem& audio, IClock& clock, ITimerFactory& timers,
                             const CodecRegistry& codecs)
    : m_audio(audio), m_clock(clock), m_timers(timers), m_codecs(codecs),
      m_pump(timers.CreateTimer(TTimerMode::SingleShot, [this] { pump(); })) {}

TSamplePlayer::~TSamplePlayer() {
    Stop();
}

bool TSamplePlayer::Play(const QByteArray& image, const QByteArray& device) {
    if (Playing())
        return true;
    const std::optional<TWaveImage> wave = ReadWaveImage(image);
    if (!wave || wave->data.isEmpty())
        return false;
    auto out = std::make_unique<TACMOut>(m_audio, m_clock, m_timers, nullptr, m_codecs);
    try {
        out->Open(wave->format, device);
    } catch (const std::exception& e) {
        qWarning() << "wizard sample:" << e.what();
        return false;
    }
    m_out = std::move(out);
    m_data = wave->data;
    const qsizetype align = wave->format.blockAlign;
    m_chunk = std::max<qsizetype>(align, qsizetype(wave->format.avgBytesPerSec / 2) / align * align);
    m_next = 0;
    // A played block frees its place only once the handler has returned: the next block follows from the
    // event loop.
    m_out->OnBufferPlayed = [this](TACMOut&, const TACMOut::TBlock&) { m_pump->Start(0); };
    feed();
    if (onStarted)
        onStarted();
    return true;
}

void TSamplePlayer::feed() {
    while (m_out && m_next < m_data.size() && m_out->NumBuffersLeft() > 0) {
        const qsizetype size = std::min(m_chunk, m_data.size() - m_next);
        m_out->Play(reinterpret_cast<const std::uint8_t*>(m_data.constData() + m_next), int(size));
        m_next += size;
    }
}

void TSamplePlayer::pump() {
    if (!m_out)
        return;
    feed();
    if (m_next >= m_data.size() && m_out->NumBuffersLeft() >= m_out->NumBuffers()) {
        Stop();
        if (onFinished)
            onFinished();
    }
}

void TSamplePlayer::Stop() {
    m_pump->Stop();
    if (!m_out)
        return;
    m_out->OnBufferPlayed = nullptr;
    m_out->Close();
    m_out.reset();
    m_data.clear();
}

} // namespace orv
