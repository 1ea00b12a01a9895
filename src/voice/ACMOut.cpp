#include "voice/ACMOut.h"

#include "voice/AudioErrors.h"
#include "voice/FarEndSignal.h"

#include <QThread>

#include <algorithm>
#include <cstring>

namespace orv {
namespace {

// 16-bit mono PCM plays as it is: a block is one sample.
class PcmDecoderPassThrough final : public IBlockDecoder {
public:
    int SamplesPerBlock() const override { return 1; }
    int BlockSize() const override { return 2; }
    bool Decode(std::span<const std::uint8_t> block, std::span<std::int16_t> pcm) override {
        std::memcpy(pcm.data(), block.data(), 2);
        return true;
    }
};

// Signed difference of two tick counts, right across the counter's wrap-around.
std::int32_t TicksUntil(std::uint32_t now, std::uint32_t due) {
    return std::int32_t(due - now);
}

} // namespace

TACMOut::TACMOut(IAudioSystem& audio, IClock& clock, ITimerFactory& timers, QObject* owner,
                 const CodecRegistry& codecs)
    : QObject(owner), m_audio(audio), m_clock(clock), m_codecs(codecs),
      m_timer(timers.CreateTimer(TTimerMode::SingleShot, [this] { complete(); })) {}

TACMOut::~TACMOut() {
    Close();
}

std::uint8_t TACMOut::NumBuffers() const {
    std::lock_guard lock(m_mutex);
    return m_numBuffers;
}

void TACMOut::SetNumBuffers(std::uint8_t count) {
    std::lock_guard lock(m_mutex);
    const int left = int(m_numBuffersLeft) + int(count) - int(m_numBuffers);
    m_numBuffersLeft = std::uint8_t(std::clamp(left, 0, 255));
    m_numBuffers = count;
}

std::uint8_t TACMOut::NumBuffersLeft() const {
    std::lock_guard lock(m_mutex);
    return m_numBuffersLeft;
}

void TACMOut::SetNumBuffersLeft(std::uint8_t count) {
    std::lock_guard lock(m_mutex);
    m_numBuffersLeft = count;
}

void TACMOut::Open(const CodecFormat& format, const QByteArray& device) {
    if (m_active)
        return;
    std::unique_ptr<IBlockDecoder> decoder =
        IsMonoPcm16(format) ? std::make_unique<PcmDecoderPassThrough>() : m_codecs.NewDecoder(format);
    if (!decoder)
        throw EACMOut("WaveOutOpen", AudioError::BadFormat);
    TAudioOpenError error = TAudioOpenError::None;
    std::unique_ptr<IAudioPlayback> output = m_audio.OpenPlayback(device, int(format.samplesPerSec), error);
    if (!output)
        throw EACMOut("WaveOutOpen", AudioOpenErrorNumber(error));
    {
        std::lock_guard decoding(m_decodeMutex);
        m_decoder = std::move(decoder);
    }
    m_device = std::move(output);
    m_sampleRate = std::max(1, int(format.samplesPerSec));
    m_scheduledSamples = 0;
    std::lock_guard lock(m_mutex);
    m_numBuffersLeft = m_numBuffers;
    ++m_opened;
    m_active = true;
}

void TACMOut::Play(const std::uint8_t* bytes, int size) {
    if (size <= 0 || !m_active)
        return;
    unsigned opened = 0;
    {
        std::lock_guard lock(m_mutex);
        if (m_numBuffersLeft == 0)
            return; // the newest block goes: the queue is full
        --m_numBuffersLeft;
        opened = m_opened;
    }
    TBlock block;
    block.bytes.assign(bytes, bytes + size);
    {
        std::lock_guard decoding(m_decodeMutex);
        if (!m_decoder)
            return;
        const auto blockSize = std::size_t(m_decoder->BlockSize());
        const auto samples = std::size_t(m_decoder->SamplesPerBlock());
        const std::size_t count = block.bytes.size() / blockSize; // a cut-off last block is not played
        block.pcm.resize(count * samples);
        for (std::size_t i = 0; i < count; ++i)
            m_decoder->Decode(std::span(block.bytes).subspan(i * blockSize, blockSize),
                              std::span(block.pcm).subspan(i * samples, samples));
    }
    TBlock* queued = nullptr;
    {
        std::lock_guard lock(m_mutex);
        if (!m_active || m_opened != opened)
            return;
        queued = &m_blocks.emplace_back(std::move(block));
    }
    if (QThread::currentThread() == thread())
        write(queued);
    else
        QMetaObject::invokeMethod(
            this,
            [this, queued, opened] {
                if (m_active && m_opened == opened)
                    write(queued);
            },
            Qt::QueuedConnection);
}

void TACMOut::write(TBlock* block) {
    const std::uint32_t now = m_clock.tickCount();
    const auto scheduledMs = std::uint32_t(m_scheduledSamples * 1000 / std::uint64_t(m_sampleRate));
    if (m_scheduledSamples == 0 || TicksUntil(now, m_scheduleStart + scheduledMs) < 0) {
        // The device ran dry: this block starts now.
        m_scheduleStart = now;
        m_scheduledSamples = 0;
    }
    m_scheduledSamples += block->pcm.size();
    block->playedBy =
        m_scheduleStart + std::uint32_t((m_scheduledSamples * 1000 + std::uint64_t(m_sampleRate) - 1) /
                                        std::uint64_t(m_sampleRate));
    block->written = true;
    if (!block->pcm.empty()) {
        m_device->Play(block->pcm);
        if (m_farEnd)
            m_farEnd->Played(block->pcm);
    }
    armTimer();
}

void TACMOut::armTimer() {
    if (m_timer->IsActive())
        return;
    const TBlock* next = nullptr;
    {
        std::lock_guard lock(m_mutex);
        for (const TBlock& b : m_blocks)
            if (b.written) {
                next = &b;
                break;
            }
    }
    if (next)
        m_timer->Start(std::uint32_t(std::max(0, TicksUntil(m_clock.tickCount(), next->playedBy))));
}

void TACMOut::complete() {
    if (!m_active)
        return;
    const std::uint32_t now = m_clock.tickCount();
    for (;;) {
        std::list<TBlock>::iterator done;
        {
            std::lock_guard lock(m_mutex);
            done = std::find_if(m_blocks.begin(), m_blocks.end(), [](const TBlock& b) { return b.written; });
            if (done == m_blocks.end() || TicksUntil(now, done->playedBy) > 0)
                break;
        }
        if (OnBufferPlayed)
            OnBufferPlayed(*this, *done);
        release(done);
    }
    armTimer();
}

void TACMOut::release(std::list<TBlock>::iterator block) {
    std::lock_guard lock(m_mutex);
    m_blocks.erase(block);
    m_numBuffersLeft = std::uint8_t(std::min(int(m_numBuffersLeft) + 1, int(m_numBuffers)));
}

void TACMOut::Close() {
    if (!m_active)
        return;
    m_active = false;
    m_timer->Stop();
    m_device.reset();
    std::lock_guard lock(m_mutex);
    while (!m_blocks.empty()) {
        m_blocks.pop_back();
        m_numBuffersLeft = std::uint8_t(std::min(int(m_numBuffersLeft) + 1, int(m_numBuffers)));
    }
}

} // namespace orv
