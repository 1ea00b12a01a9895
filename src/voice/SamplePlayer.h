#pragma once
// Plays a RIFF WAVE image on one output device through the playback component, half a second at a time, and
// says when it has started and when the whole sample has played.

#include "voice/ACMOut.h"

#include <QByteArray>

#include <functional>
#include <memory>

namespace orv {

class TSamplePlayer {
public:
    TSamplePlayer(IAudioSystem& audio, IClock& clock, ITimerFactory& timers,
                  const CodecRegistry& codecs = CodecRegistry::Installed());
    ~TSamplePlayer();

    // False when the image cannot be read or played on `device`; nothing when already playing.
    bool Play(const QByteArray& image, const QByteArray& device);
    // Nothing when not playing; onFinished is not called.
    void Stop();
    bool Playing() const { return m_out != nullptr; }

    std::function<void()> onStarted;
    // The whole sample has played; called from the event loop after the player has stopped.
    std::function<void()> onFinished;

private:
    void feed();
    void pump();

    IAudioSystem& m_audio;
    IClock& m_clock;
    ITimerFactory& m_timers;
    const CodecRegistry& m_codecs;
    std::unique_ptr<TACMOut> m_out;
    std::unique_ptr<ITimer> m_pump;
    QByteArray m_data;
    qsizetype m_next = 0;
    qsizetype m_chunk = 0;
};

// The wizard's own speech sample, from the program's resources.
QByteArray WizardSample();

} // namespace orv
