#pragma once
// The sound system through Qt Multimedia (PulseAudio or PipeWire): device lists from QMediaDevices,
// capture through QAudioSource and output through QAudioSink.

#include "platform/AudioDevices.h"

namespace orv {

class QtAudioSystem final : public IAudioSystem {
public:
    std::vector<TAudioDeviceInfo> Devices(TAudioDirection direction) override;
    std::unique_ptr<IAudioCapture> OpenCapture(const QByteArray& id, int sampleRate, int bufferBytes,
                                               TAudioOpenError& error) override;
    std::unique_ptr<IAudioPlayback> OpenPlayback(const QByteArray& id, int sampleRate,
                                                 TAudioOpenError& error) override;
};

} // namespace orv
