#pragma once
// A sound system on a virtual clock. Its microphone hears `signal` (then silence) from the moment a capture
// starts; each Pump delivers the whole 10 ms device periods that the clock has advanced by since the start.
// Outputs keep everything they are given.

#include "platform/AudioDevices.h"
#include "platform/Clock.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace orv::test {

class FakeAudioSystem final : public IAudioSystem {
public:
    explicit FakeAudioSystem(IClock& clock) : m_clock(clock) {}

    std::vector<TAudioDeviceInfo> inputs;
    std::vector<TAudioDeviceInfo> outputs;
    TAudioOpenError openError = TAudioOpenError::None; // what opens fail with
    bool startFails = false;
    std::vector<std::int16_t> signal; // what the microphone hears

    // The last capture opened, and how.
    int captureOpens = 0;
    QByteArray capturedDevice;
    int captureRate = 0;
    int captureBufferBytes = 0;

    int playbackOpens = 0;
    std::vector<std::int16_t> played;

    std::vector<TAudioDeviceInfo> Devices(TAudioDirection direction) override {
        return direction == TAudioDirection::Input ? inputs : outputs;
    }

    std::unique_ptr<IAudioCapture> OpenCapture(const QByteArray& id, int sampleRate, int bufferBytes,
                                               TAudioOpenError& error) override {
        error = openError;
        if (error != TAudioOpenError::None)
            return nullptr;
        ++captureOpens;
        capturedDevice = id;
        captureRate = sampleRate;
        captureBufferBytes = bufferBytes;
        return std::make_unique<Capture>(*this, sampleRate);
    }

    std::unique_ptr<IAudioPlayback> OpenPlayback(const QByteArray&, int, TAudioOpenError& error) override {
        error = openError;
        if (error != TAudioOpenError::None)
            return nullptr;
        ++playbackOpens;
        return std::make_unique<Playback>(*this);
    }

    // Delivers what every running capture is owed by now.
    void Pump() {
        const std::vector<Capture*> running = m_running;
        for (Capture* c : running)
            if (std::find(m_running.begin(), m_running.end(), c) != m_running.end())
                c->Pump();
    }

    // Advances the clock in `stepMs` steps up to `totalMs`, pumping after each.
    template <typename Clock> void Run(Clock& clock, int totalMs, int stepMs) {
        for (int t = 0; t < totalMs; t += stepMs) {
            clock.advance(std::uint32_t(stepMs));
            Pump();
        }
    }

private:
    class Capture final : public IAudioCapture {
    public:
        Capture(FakeAudioSystem& system, int rate) : m_system(system), m_rate(rate) {}
        ~Capture() override { Stop(); }
        bool Start(Sink sink) override {
            if (m_system.startFails)
                return false;
            m_sink = std::move(sink);
            m_start = m_system.m_clock.tickCount();
            m_periods = 0;
            m_system.m_running.push_back(this);
            return true;
        }
        void Stop() override {
            std::erase(m_system.m_running, this);
            m_sink = nullptr;
        }
        void Pump() {
            const std::uint32_t due = ticksBetween(m_start, m_system.m_clock.tickCount()) / 10;
            const auto period = std::size_t(m_rate / 100);
            while (m_periods < due && m_sink) {
                std::vector<std::int16_t> samples(period, 0);
                const std::size_t from = std::size_t(m_periods) * period;
                for (std::size_t i = 0; i < period && from + i < m_system.signal.size(); ++i)
                    samples[i] = m_system.signal[from + i];
                ++m_periods;
                const Sink sink = m_sink; // the sink may stop this capture
                sink(samples);
            }
        }

    private:
        FakeAudioSystem& m_system;
        int m_rate;
        Sink m_sink;
        std::uint32_t m_start = 0;
        std::uint32_t m_periods = 0;
    };

    class Playback final : public IAudioPlayback {
    public:
        explicit Playback(FakeAudioSystem& system) : m_system(system) {}
        void Play(std::span<const std::int16_t> samples) override {
            m_system.played.insert(m_system.played.end(), samples.begin(), samples.end());
        }

    private:
        FakeAudioSystem& m_system;
    };

    IClock& m_clock;
    std::vector<Capture*> m_running;
};

} // namespace orv::test
