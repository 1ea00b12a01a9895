#include "platform/QtAudioPlayback.h"

#include <algorithm>
#include <cstring>

namespace orv {

PcmQueue::PcmQueue() {
    open(QIODevice::ReadOnly);
}

void PcmQueue::Append(std::span<const std::int16_t> samples) {
    m_bytes.append(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size_bytes()));
    emit readyRead();
}

qint64 PcmQueue::readData(char* data, qint64 maxSize) {
    const qint64 n = std::min<qint64>(maxSize, m_bytes.size());
    std::memcpy(data, m_bytes.constData(), std::size_t(n));
    m_bytes.remove(0, n);
    return n;
}

QtAudioPlayback::QtAudioPlayback(const QAudioDevice& device, const QAudioFormat& format)
    : m_queue(), m_sink(device, format) {
    // Run dry: release the stream until there is more to play.
    connect(&m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState && m_queue.bytesAvailable() == 0)
            m_sink.stop();
    });
}

QtAudioPlayback::~QtAudioPlayback() {
    m_sink.stop();
}

void QtAudioPlayback::Play(std::span<const std::int16_t> samples) {
    m_queue.Append(samples);
    if (m_sink.state() == QAudio::StoppedState)
        m_sink.start(&m_queue);
}

} // namespace orv
