#include "voice/ACMIn.h"

#include "voice/AudioErrors.h"

#include <QDebug>

#include <cstring>
#include <utility>

namespace orv {
namespace {

// 16-bit mono PCM passes through as it is: a block is one sample.
class PcmEncoderPassThrough final : public IBlockEncoder {
public:
    int SamplesPerBlock() const override { return 1; }
    int BlockSize() const override { return 2; }
    void Encode(std::span<const std::int16_t> pcm, std::span<std::uint8_t> block) override {
        std::memcpy(block.data(), pcm.data(), 2);
    }
};

template <typename T> void DropFront(std::vector<T>& v, std::size_t n) {
    v.erase(v.begin(), v.begin() + std::ptrdiff_t(n));
}

} // namespace

TACMIn::TACMIn(IAudioSystem& audio, QObject* owner, const CodecRegistry& codecs)
    : QObject(owner), m_audio(audio), m_codecs(codecs) {}

TACMIn::~TACMIn() {
    Close();
    ReleaseRetired();
}

void TACMIn::ReleaseRetired() {
    // Moved out first: a device may run the event loop while it goes, and that may come back here.
    const auto retired = std::move(m_retired);
    m_retired.clear();
}

void TACMIn::SetBufferSize(int bytes) {
    if (!m_active)
        m_bufferSize = bytes;
}

void TACMIn::SetNumBuffers(std::uint8_t count) {
    if (!m_active)
        m_numBuffers = count;
}

void TACMIn::SetCleaning(VoiceCleaning cleaning, FarEndSignal* farEnd) {
    m_cleaning = cleaning;
    m_farEnd = farEnd;
}

void TACMIn::Open(const CodecFormat& format, const QByteArray& device) {
    if (m_active)
        return;
    m_format = format;
    std::unique_ptr<IBlockEncoder> encoder =
        IsMonoPcm16(format) ? std::make_unique<PcmEncoderPassThrough>() : m_codecs.NewEncoder(format);
    if (!encoder)
        throw EACMIn("WaveIn-Open", AudioError::BadFormat);
    const int sampleRate = int(format.samplesPerSec);
    const std::size_t blocksPerBuffer =
        m_bufferSize > 0 ? std::size_t(m_bufferSize / encoder->BlockSize()) : 0;
    if (blocksPerBuffer == 0)
        throw EACMIn("WaveIn-PrepareHeader", AudioError::InvalidParameter);
    const int pcmBytesPerBuffer = int(blocksPerBuffer) * encoder->SamplesPerBlock() * 2;

    TAudioOpenError error = TAudioOpenError::None;
    std::unique_ptr<IAudioCapture> capture =
        m_audio.OpenCapture(device, sampleRate, std::max(1, int(m_numBuffers)) * pcmBytesPerBuffer, error);
    if (!capture)
        throw EACMIn("WaveIn-Open", AudioOpenErrorNumber(error));

    m_encoder = std::move(encoder);
    m_blocksPerBuffer = blocksPerBuffer;
    m_cleaner = m_cleaning.any() ? std::make_unique<VoiceCleaner>(sampleRate, m_cleaning, m_farEnd) : nullptr;
    m_level.emplace(sampleRate);
    m_raw.clear();
    m_clean.clear();
    m_buffer.clear();
    if (!capture->Start([this](std::span<const std::int16_t> samples) { captured(samples); })) {
        m_encoder.reset();
        m_cleaner.reset();
        throw EACMIn("WaveIn-Start", AudioError::Allocated);
    }
    m_capture = std::move(capture);
    m_active = true;
    ++m_opened;
}

void TACMIn::Close() {
    if (!m_active)
        return;
    m_active = false;
    m_capture->Stop();
    m_retired.push_back(std::move(m_capture));
    QMetaObject::invokeMethod(
        this, [this] { ReleaseRetired(); }, Qt::QueuedConnection);
    m_encoder.reset();
    m_cleaner.reset();
    m_raw.clear();
    m_clean.clear();
    m_buffer.clear();
}

void TACMIn::captured(std::span<const std::int16_t> samples) {
    if (!m_active)
        return;
    if (OnLevel)
        m_level->Feed(samples, OnLevel);
    if (m_cleaner) {
        m_raw.insert(m_raw.end(), samples.begin(), samples.end());
        const auto frame = std::size_t(m_cleaner->FrameSamples());
        std::size_t done = 0;
        for (; m_raw.size() - done >= frame; done += frame) {
            m_cleaner->Process(std::span(m_raw).subspan(done, frame));
            m_clean.insert(m_clean.end(), m_raw.begin() + std::ptrdiff_t(done),
                           m_raw.begin() + std::ptrdiff_t(done + frame));
        }
        DropFront(m_raw, done);
    } else {
        m_clean.insert(m_clean.end(), samples.begin(), samples.end());
    }
    encodeWholeBlocks();
}

void TACMIn::encodeWholeBlocks() {
    const auto blockSamples = std::size_t(m_encoder->SamplesPerBlock());
    const auto blockSize = std::size_t(m_encoder->BlockSize());
    std::vector<std::vector<std::uint8_t>> full;
    std::size_t done = 0;
    for (; m_clean.size() - done >= blockSamples; done += blockSamples) {
        const std::size_t at = m_buffer.size();
        m_buffer.resize(at + blockSize);
        m_encoder->Encode(std::span(m_clean).subspan(done, blockSamples), std::span(m_buffer).subspan(at));
        if (m_buffer.size() == m_blocksPerBuffer * blockSize)
            full.push_back(std::exchange(m_buffer, {}));
    }
    DropFront(m_clean, done);
    // A handler may close (and reopen) the component: what was filled before goes only to the open that
    // filled it.
    const unsigned opened = m_opened;
    for (const auto& buffer : full)
        if (m_active && m_opened == opened)
            deliver(buffer);
}

void TACMIn::deliver(const std::vector<std::uint8_t>& buffer) {
    if (!OnBufferFull)
        return;
    try {
        OnBufferFull(*this, buffer.data(), int(buffer.size()));
    } catch (const std::exception& e) {
        qWarning() << "capture: the buffer handler failed:" << e.what();
    }
}

} // namespace orv
