#include "platform/TonePlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv {
namespace {

constexpr int kSampleRate = 44100;
constexpr int kFadeMs = 3;
constexpr double kAmplitude = 0.4 * 32767;

} // namespace

QByteArray ToneSamples(int frequencyHz, int durationMs, int sampleRate) {
    const qsizetype count = qsizetype(std::max(0, durationMs)) * sampleRate / 1000;
    QByteArray bytes(count * 2, '\0');
    if (frequencyHz <= 0 || 2 * frequencyHz > sampleRate)
        return bytes;
    auto* samples = reinterpret_cast<std::int16_t*>(bytes.data());
    const qsizetype fade = std::min<qsizetype>(count / 2, qsizetype(kFadeMs) * sampleRate / 1000);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype edge = std::min(i, count - 1 - i);
        const double gain = fade > 0 && edge < fade ? double(edge) / double(fade) : 1.0;
        const double phase = 2 * std::numbers::pi * frequencyHz * double(i) / sampleRate;
        samples[i] = std::int16_t(std::lround(kAmplitude * gain * std::sin(phase)));
    }
    return bytes;
}

void TAudioTonePlayer::Beep(int frequencyHz, int durationMs) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;
    // Each tone plays on a sink of its own, which goes once it has played or failed.
    auto* sink = new QAudioSink(device, format, this);
    auto* buffer = new QBuffer(sink);
    buffer->setData(ToneSamples(frequencyHz, durationMs, kSampleRate));
    buffer->open(QIODevice::ReadOnly);
    connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
        if (state == QAudio::IdleState)
            sink->stop(); // comes back here as stopped
        else if (state == QAudio::StoppedState)
            sink->deleteLater();
    });
    sink->start(buffer);
}

} // namespace orv
