#pragma once
// Beeps: a short generated tone through the default audio output, without waiting for it. Silent where
// there is no output device.

#include <QByteArray>
#include <QObject>

namespace orv {

class ITonePlayer {
public:
    virtual ~ITonePlayer() = default;
    virtual void Beep(int frequencyHz, int durationMs) = 0;
};

// Signed 16-bit mono samples of a sine tone at `sampleRate`, faded in and out over a few milliseconds so that
// it starts and ends without a click. Frequencies above half the sample rate give silence.
QByteArray ToneSamples(int frequencyHz, int durationMs, int sampleRate);

class TAudioTonePlayer final : public QObject, public ITonePlayer {
public:
    using QObject::QObject;
    void Beep(int frequencyHz, int durationMs) override;
};

} // namespace orv
