#pragma once
// An output device through Qt Multimedia. The device stream runs only while there is something to play,
// so a silent output holds nothing open.

#include "platform/AudioDevices.h"

#include <QAudioSink>
#include <QIODevice>
#include <QObject>

namespace orv {

// The samples waiting to be played, read by the sink as it needs them.
class PcmQueue final : public QIODevice {
public:
    PcmQueue();
    void Append(std::span<const std::int16_t> samples);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_bytes.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
};

class QtAudioPlayback final : public QObject, public IAudioPlayback {
public:
    QtAudioPlayback(const QAudioDevice& device, const QAudioFormat& format);
    ~QtAudioPlayback() override;

    void Play(std::span<const std::int16_t> samples) override;

private:
    PcmQueue m_queue; // outlives the sink that reads it
    QAudioSink m_sink;
};

} // namespace orv
