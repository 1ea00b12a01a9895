#include "voice/MicrophoneLoopback.h"

#include "voice/CodecCatalogue.h"

#include <chrono>

namespace orv {

TMicrophoneLoopback::TMicrophoneLoopback(IAudioSystem& audio, IClock& clock, ITimerFactory& timers,
                                         const CodecRegistry& codecs)
    : m_audio(audio), m_clock(clock), m_timers(timers), m_codecs(codecs) {}

TMicrophoneLoopback::~TMicrophoneLoopback() {
    Stop();
}

bool TMicrophoneLoopback::Start(std::uint8_t codec, const QByteArray& input, const QByteArray& output) {
    if (m_running)
        return true;
    const std::optional<CodecFormat> format = MakeCodecFormat(codec, m_codecs);
    if (!format)
        return false;
    m_in = std::make_unique<TACMIn>(m_audio, nullptr, m_codecs);
    m_in->SetBufferSize(int(format->avgBytesPerSec / 2) + 1);
    m_in->SetNumBuffers(2);
    m_in->OnBufferFull = [this](TACMIn&, const std::uint8_t* data, int size) { HandOver(data, size); };
    m_in->OnLevel = onLevel;
    m_out = std::make_unique<TACMOut>(m_audio, m_clock, m_timers, nullptr, m_codecs);
    try {
        m_out->Open(*format, output);
        {
            std::lock_guard lock(m_mutex);
            m_stop = false;
            m_slot.reset();
        }
        m_thread = std::thread([this] { run(); });
        m_running = true;
        m_in->Open(*format, input);
    } catch (...) {
        Stop();
        throw;
    }
    return true;
}

void TMicrophoneLoopback::HandOver(const std::uint8_t* data, int size) {
    if (size <= 0)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_slot.emplace(data, data + size); // a block still waiting is replaced by the newer one
    }
    m_wake.notify_one();
}

void TMicrophoneLoopback::run() {
    std::vector<std::uint8_t> block;
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait_for(lock, std::chrono::milliseconds(kWaitMs),
                                 [this] { return m_stop || m_slot.has_value(); }))
                continue;
            if (m_stop)
                return;
            block = std::move(*m_slot);
            m_slot.reset();
        }
        m_out->Play(block.data(), int(block.size()));
        std::lock_guard lock(m_mutex);
        ++m_played;
    }
}

void TMicrophoneLoopback::Stop() {
    if (m_in)
        m_in->Close();
    if (m_thread.joinable()) {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }
    if (m_out)
        m_out->Close();
    m_in.reset();
    m_out.reset();
    m_slot.reset();
    m_running = false;
}

int TMicrophoneLoopback::BlocksPlayed() const {
    std::lock_guard lock(m_mutex);
    return m_played;
}

} // namespace orv
