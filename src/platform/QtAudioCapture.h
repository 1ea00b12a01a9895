#pragma once
// An input device through Qt Multimedia: the device's PCM as it arrives, in whole samples.

#include "platform/AudioDevices.h"

#include <QAudioSource>
#include <QObject>

namespace orv {

class QtAudioCapture final : public QObject, public IAudioCapture {
public:
    QtAudioCapture(const QAudioDevice& device, const QAudioFormat& format, int bufferBytes);
    ~QtAudioCapture() override;

    bool Start(Sink sink) override;
    void Stop() override;

private:
    void drain();

    QAudioSource m_source;
    QIODevice* m_io = nullptr;
    Sink m_sink;
    QByteArray m_partial; // an odd byte left over from the last read
};

} // namespace orv
