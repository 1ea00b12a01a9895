#pragma once
// TACMIn: records from an input device straight into a codec format and hands each filled buffer to its
// owner. Each buffer holds whole codec blocks, as many as fit in BufferSize. The captured signal is
// cleaned (echo, noise) before it is compressed.

#include "platform/AudioDevices.h"
#include "voice/CodecFormat.h"
#include "voice/CodecRegistry.h"
#include "voice/MicrophoneLevel.h"
#include "voice/VoiceCleaner.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace orv {

class TACMIn : public QObject {
public:
    // Each filled buffer, on the thread that created the component.
    using TBufferFullEvent = std::function<void(TACMIn& sender, const std::uint8_t* data, int size)>;

    explicit TACMIn(IAudioSystem& audio, QObject* owner = nullptr,
                    const CodecRegistry& codecs = CodecRegistry::Installed());
    ~TACMIn() override;

    bool Active() const { return m_active; }
    // Bytes per delivered buffer; only whole codec blocks are delivered. Ignored while Active.
    int BufferSize() const { return m_bufferSize; }
    void SetBufferSize(int bytes);
    // Buffers' worth of sound the device may hold back. Ignored while Active.
    std::uint8_t NumBuffers() const { return m_numBuffers; }
    void SetNumBuffers(std::uint8_t count);
    // Echo cancellation and noise suppression from the next open; `farEnd` is what the loudspeakers play.
    void SetCleaning(VoiceCleaning cleaning, FarEndSignal* farEnd);

    // Starts capture from `device` (empty: the system default) in `format`; nothing when already Active.
    // Raises EACMIn.
    void Open(const CodecFormat& format, const QByteArray& device);
    // Stops capture and drops what was not delivered; nothing when not Active.
    void Close();

    TBufferFullEvent OnBufferFull;
    // The microphone's level (0..100) every few hundredths of a second, on the thread that delivers the
    // samples; a window hears of it only through a posted message.
    std::function<void(int level)> OnLevel;

private:
    void captured(std::span<const std::int16_t> samples);
    void encodeWholeBlocks();
    void deliver(const std::vector<std::uint8_t>& buffer);
    void ReleaseRetired();

    IAudioSystem& m_audio;
    const CodecRegistry& m_codecs;
    bool m_active = false;
    int m_bufferSize = 8192;
    std::uint8_t m_numBuffers = 4;
    VoiceCleaning m_cleaning{};
    FarEndSignal* m_farEnd = nullptr;

    CodecFormat m_format;
    std::unique_ptr<IBlockEncoder> m_encoder;
    std::unique_ptr<VoiceCleaner> m_cleaner;
    std::optional<TLevelTracker> m_level;
    std::unique_ptr<IAudioCapture> m_capture;
    // Closed captures, released from the event loop: a capture may be closed from inside its own delivery.
    std::vector<std::unique_ptr<IAudioCapture>> m_retired;
    unsigned m_opened = 0; // counts opens, so a delivery notices a close and reopen inside the handler
    std::size_t m_blocksPerBuffer = 0;
    std::vector<std::int16_t> m_raw;   // captured, not yet cleaned
    std::vector<std::int16_t> m_clean; // cleaned, not yet compressed
    std::vector<std::uint8_t> m_buffer;
};

} // namespace orv
