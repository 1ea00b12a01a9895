#include "platform/QtAudioCapture.h"

#include <cstring>
#include <vector>

namespace orv {

QtAudioCapture::QtAudioCapture(const QAudioDevice& device, const QAudioFormat& format, int bufferBytes)
    : m_source(device, format) {
    if (bufferBytes > 0)
        m_source.setBufferSize(bufferBytes);
}

QtAudioCapture::~QtAudioCapture() {
    Stop();
}

bool QtAudioCapture::Start(Sink sink) {
    Stop();
    m_sink = std::move(sink);
    m_io = m_source.start();
    if (!m_io || m_source.error() != QAudio::NoError) {
        Stop();
        return false;
    }
    connect(m_io, &QIODevice::readyRead, this, &QtAudioCapture::drain);
    return true;
}

void QtAudioCapture::Stop() {
    if (!m_io)
        return;
    disconnect(m_io, nullptr, this, nullptr);
    m_io = nullptr;
    m_source.stop();
    m_sink = nullptr;
    m_partial.clear();
}

void QtAudioCapture::drain() {
    if (!m_io)
        return;
    QByteArray bytes = m_partial + m_io->readAll();
    const qsizetype whole = bytes.size() / qsizetype(sizeof(std::int16_t));
    m_partial = bytes.mid(whole * qsizetype(sizeof(std::int16_t)));
    if (whole == 0 || !m_sink)
        return;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(whole));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(std::int16_t));
    // The sink may stop this capture; it runs on a copy so that stopping does not pull it from under us.
    const Sink sink = m_sink;
    sink(samples);
}

} // namespace orv
