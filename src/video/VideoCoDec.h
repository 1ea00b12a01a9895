#pragma once
// One video codec, chosen by its four-character code, as compressor or decompressor: each captured frame in
// gives one compressed frame out (no B-frames, no encoder delay), and each compressed frame back gives one
// picture. Pictures are uncompressed 24-bit bottom-up rows padded to four bytes. The codecs are libavcodec's.
// Used by one thread at a time.

#include "protocol/VideoMessages.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>

namespace orv {

// Codec results, as the owners show them (CodecErrorText).
namespace CodecError {
constexpr int Ok = 0;
constexpr int Unsupported = -1;
constexpr int BadFormat = -2;
constexpr int Memory = -3;
constexpr int Internal = -4;
constexpr int BadFlags = -5;
constexpr int BadParam = -6;
constexpr int BadSize = -7;
constexpr int NotInstalled = -8;
constexpr int Failed = -100;
constexpr int BadBitDepth = -200;
constexpr int BadImageSize = -201;
} // namespace CodecError

enum class TCodecRole { Compress, Decompress };

inline constexpr std::uint32_t kWMV3 = FourCC("WMV3");
inline constexpr std::uint32_t kWMV2 = FourCC("WMV2");

// Whether a codec for the code (in any letter case) can take the role here.
bool IsCodecInstalled(std::uint32_t code, TCodecRole role);
// The codes this machine can compress with, in the table's order.
std::vector<std::uint32_t> CompressorCodes();
// The compressor a broadcast uses for the stored choice: the stored one when it can compress here, else WMV2
// (the stored default, WMV3, can only be decoded here).
std::uint32_t BroadcastCompressor(std::uint32_t stored);
QString CodecErrorText(int code);
// The four characters of a code, first character from the low byte.
QString FourCCText(std::uint32_t code);

class TVideoCoDec {
public:
    struct TCompressed {
        QByteArrayView bytes; // valid until the next call; empty when the frame failed
        bool keyFrame = false;
    };

    TVideoCoDec();
    ~TVideoCoDec();
    TVideoCoDec(const TVideoCoDec&) = delete;
    TVideoCoDec& operator=(const TVideoCoDec&) = delete;

    // `output` names the compressor in its compression field; both are completed as the codec sees them.
    bool InitCompressor(TBitmapInfoHeader& input, TBitmapInfoHeader& output, int quality, int keyRate);
    // `compressed` names the codec; `output` is the picture to produce. Width and height must be within
    // 1..kMaxVideoSide; the picture buffer is sized from them, never from a size field.
    bool InitDecompressor(TBitmapInfoHeader& compressed, TBitmapInfoHeader& output, int quality, int keyRate);
    // Data rate in bytes per second; no effect without an initialised codec.
    void SetFramesInfo(std::int32_t dataRate, std::int32_t microsecondsPerFrame, std::int32_t frameCount);
    bool CompressBegin();
    bool DecompressBegin();
    void EndSequence();

    // `bits` holds one picture of the input format.
    TCompressed CompressFrame(QByteArrayView bits);
    // The next frame compressed is a key frame, whatever the key frame rate.
    void ForceKeyFrame() { m_forceKeyFrame = true; }
    // The picture, valid until the next call; empty on failure.
    QByteArrayView DecompressFrame(QByteArrayView data, bool keyFrame);
    // Decompresses into `bitmap`, sized to the output format; false leaves it as it was.
    bool DrawFrame(QByteArrayView data, bool keyFrame, QImage* bitmap);

    int LastError() const { return m_lastError; }
    QString Description() const { return m_description; }
    const TBitmapInfoHeader& OutputFormat() const { return m_output; }
    const TBitmapInfoHeader& InputFormat() const { return m_input; }
    bool Compressing() const { return m_compressing; }
    bool Decompressing() const { return m_decompressing; }
    bool SupportsDataRate() const { return m_dataRateControl; }
    std::uint32_t BytesPerFrameTarget() const { return m_bytesPerFrame; }
    // The size allowed to the last frame compressed: 0xFFFFFF for the first, 0 without a target.
    std::uint32_t LastFrameBudget() const { return m_lastBudget; }
    std::int64_t Slack() const { return m_slack; }

private:
    struct Av;
    bool open(TCodecRole role, std::uint32_t code);
    TCompressed compressOnce(QByteArrayView bits);

    std::unique_ptr<Av> m_av;
    TCodecRole m_role = TCodecRole::Compress;
    TBitmapInfoHeader m_input;
    TBitmapInfoHeader m_output;
    QByteArray m_extradata; // codec-specific bytes the decompressor needs, made by a compressor instance
    QString m_description;
    bool m_dataRateControl = false;
    bool m_compressing = false;
    bool m_decompressing = false;
    bool m_forceKeyFrame = false;
    int m_quality = 0;
    int m_keyRate = 0;
    std::int32_t m_dataRate = 0;
    std::int32_t m_microsecondsPerFrame = 0;
    std::int32_t m_frameNumber = 0;
    std::uint32_t m_bytesPerFrame = 0;
    std::int64_t m_slack = 0; // signed: one large frame must not wrap it
    std::uint32_t m_lastBudget = 0;
    int m_lastError = 0;
    QByteArray m_compressed;
    QByteArray m_decompressed;
};

} // namespace orv
