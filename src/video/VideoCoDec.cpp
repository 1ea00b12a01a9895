#include "video/VideoCoDec.h"

#include <QCoreApplication>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace orv {
namespace {

struct TCodecEntry {
    std::uint32_t code;
    AVCodecID id;
    bool dataRateControl; // the size of its frames follows a bit rate
    bool decodable = true;
};

// The codes a broadcast may name, and the libavcodec codec behind each.
constexpr std::array kCodecs{
    // libavcodec decodes WMV3 only with the codec's sequence header, which a stream description never
    // carries: such a stream cannot be shown, and nothing here compresses it.
    TCodecEntry{FourCC("WMV3"), AV_CODEC_ID_WMV3, true, false},
    TCodecEntry{FourCC("WMV2"), AV_CODEC_ID_WMV2, true},
    TCodecEntry{FourCC("WMV1"), AV_CODEC_ID_WMV1, true},
    TCodecEntry{FourCC("MP42"), AV_CODEC_ID_MSMPEG4V2, true},
    TCodecEntry{FourCC("MP43"), AV_CODEC_ID_MSMPEG4V3, true},
    TCodecEntry{FourCC("DIV3"), AV_CODEC_ID_MSMPEG4V3, true},
    TCodecEntry{FourCC("XVID"), AV_CODEC_ID_MPEG4, true},
    TCodecEntry{FourCC("DIVX"), AV_CODEC_ID_MPEG4, true},
    TCodecEntry{FourCC("FMP4"), AV_CODEC_ID_MPEG4, true},
    TCodecEntry{FourCC("MJPG"), AV_CODEC_ID_MJPEG, false},
};

std::uint32_t upperCase(std::uint32_t code) {
    std::uint32_t out = 0;
    for (int i = 0; i < 4; ++i) {
        auto c = std::uint8_t(code >> (8 * i));
        if (c >= 'a' && c <= 'z')
            c = std::uint8_t(c - 'a' + 'A');
        out |= std::uint32_t(c) << (8 * i);
    }
    return out;
}

const TCodecEntry* findCodec(std::uint32_t code) {
    const std::uint32_t upper = upperCase(code);
    for (const TCodecEntry& e : kCodecs)
        if (e.code == upper)
            return &e;
    return nullptr;
}

const AVCodec* findAv(const TCodecEntry& e, TCodecRole role) {
    if (role == TCodecRole::Decompress && !e.decodable)
        return nullptr;
    return role == TCodecRole::Compress ? avcodec_find_encoder(e.id) : avcodec_find_decoder(e.id);
}

void quietLibrary() {
    static const bool once = [] {
        av_log_set_level(qEnvironmentVariableIsEmpty("ORV_AV_LOG") ? AV_LOG_FATAL : AV_LOG_DEBUG);
        return true;
    }();
    (void)once;
}

bool sizeAllowed(std::int32_t width, std::int32_t height) {
    return width > 0 && height > 0 && width <= kMaxVideoSide && height <= kMaxVideoSide;
}

// A compressor context for the picture size; the frame rate and data rate only shape the bit budget.
AVCodecContext* newEncoder(const AVCodec* codec, int width, int height, int fps, std::int32_t dataRate,
                           int quality, int keyRate) {
    AVCodecContext* c = avcodec_alloc_context3(codec);
    if (!c)
        return nullptr;
    c->width = width;
    c->height = height;
    c->pix_fmt = codec->pix_fmts ? codec->pix_fmts[0] : AV_PIX_FMT_YUV420P;
    c->time_base = AVRational{1, std::max(1, fps)};
    c->framerate = AVRational{std::max(1, fps), 1};
    c->gop_size = keyRate > 0 ? keyRate : 100000; // key rate 0: the first frame only
    c->max_b_frames = 0;
    c->thread_count = 1; // frame threads would hold frames back
    if (c->pix_fmt == AV_PIX_FMT_YUVJ420P)
        c->color_range = AVCOL_RANGE_JPEG;
    if (dataRate > 0 && codec->id != AV_CODEC_ID_MJPEG) {
        c->bit_rate = std::int64_t(dataRate) * 8;
        c->bit_rate_tolerance = int(std::min<std::int64_t>(c->bit_rate, INT32_MAX));
        // The connection's throttle lets no more through: a peak over the rate only makes frames late.
        c->rc_max_rate = c->bit_rate;
        c->rc_buffer_size = int(std::min<std::int64_t>(c->bit_rate, INT32_MAX));
    } else {
        // Quality 0..10000 to a quantiser from 31 (worst) to 2 (best).
        const int q = std::clamp(31 - quality * 29 / 10000, 2, 31);
        c->flags |= AV_CODEC_FLAG_QSCALE;
        c->global_quality = FF_QP2LAMBDA * q;
    }
    if (avcodec_open2(c, codec, nullptr) < 0)
        avcodec_free_context(&c);
    return c;
}

} // namespace

struct TVideoCoDec::Av {
    const AVCodec* codec = nullptr;
    AVCodecContext* context = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scale = nullptr;

    ~Av() { close(); }
    void close() {
        sws_freeContext(scale);
        scale = nullptr;
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&context);
    }
};

bool IsCodecInstalled(std::uint32_t code, TCodecRole role) {
    const TCodecEntry* e = findCodec(code);
    return e && findAv(*e, role) != nullptr;
}

std::vector<std::uint32_t> CompressorCodes() {
    std::vector<std::uint32_t> codes;
    for (const TCodecEntry& e : kCodecs)
        if (findAv(e, TCodecRole::Compress))
            codes.push_back(e.code);
    return codes;
}

std::uint32_t BroadcastCompressor(std::uint32_t stored) {
    return IsCodecInstalled(stored, TCodecRole::Compress) ? stored : kWMV2;
}

QString FourCCText(std::uint32_t code) {
    QString text;
    for (int i = 0; i < 4; ++i)
        text += QChar(char(std::uint8_t(code >> (8 * i))));
    return text;
}

QString CodecErrorText(int code) {
    const char* text = nullptr;
    switch (code) {
    case 0:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "No error.");
        break;
    case 1:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Drawing not allowed.");
        break;
    case 2:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "New palette.");
        break;
    case 3:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "A KeyFrame is needed.");
        break;
    case 4:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Stop drawing");
        break;
    case -1:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Unsupported video codec function/format");
        break;
    case -2:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Invalid video format.");
        break;
    case -3:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Not enough memory to compete.");
        break;
    case -4:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Internal video codec error.");
        break;
    case -5:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Invalid video parameters.");
        break;
    case -6:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Invalid parameter.");
        break;
    case -7:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Invalid size.");
        break;
    case -8:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "You don't have this video codec installed on your system.");
        break;
    case -9:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Unable to update information.");
        break;
    case -10:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Video encoding aborted.");
        break;
    case -100:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Video codec produced an error.");
        break;
    case -200:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Invalid bit-depth.");
        break;
    case -201:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "Invalid image size.");
        break;
    default:
        text = QT_TRANSLATE_NOOP("TVideoCoDec", "A system compressor error occured.");
        break;
    }
    return QCoreApplication::translate("TVideoCoDec", text);
}

TVideoCoDec::TVideoCoDec() : m_av(std::make_unique<Av>()) {
    quietLibrary();
}

TVideoCoDec::~TVideoCoDec() {
    EndSequence();
}

bool TVideoCoDec::open(TCodecRole role, std::uint32_t code) {
    EndSequence();
    m_role = role;
    m_av->close();
    const TCodecEntry* e = findCodec(code);
    m_av->codec = e ? findAv(*e, role) : nullptr;
    if (!m_av->codec) {
        m_lastError = CodecError::NotInstalled;
        return false;
    }
    m_dataRateControl = role == TCodecRole::Compress && e->dataRateControl;
    m_description = QString::fromUtf8(m_av->codec->long_name ? m_av->codec->long_name : m_av->codec->name);
    m_bytesPerFrame = 0;
    m_slack = 0;
    m_lastError = CodecError::Ok;
    return true;
}

bool TVideoCoDec::InitCompressor(TBitmapInfoHeader& input, TBitmapInfoHeader& output, int quality,
                                 int keyRate) {
    if (!open(TCodecRole::Compress, output.Compression()))
        return false;
    m_quality = quality;
    m_keyRate = keyRate;
    if (!sizeAllowed(input.Width(), input.Height()) || input.BitCount() != 24) {
        m_lastError = input.BitCount() != 24 ? CodecError::BadBitDepth : CodecError::BadImageSize;
        return false;
    }
    // A trial opening tells whether the codec takes this picture size.
    AVCodecContext* trial = newEncoder(m_av->codec, input.Width(), input.Height(), 15, 0, quality, keyRate);
    if (!trial) {
        m_lastError = CodecError::BadFormat;
        return false;
    }
    avcodec_free_context(&trial);
    input.SetSize(40);
    input.SetSizeImage(std::uint32_t(TBitmapInfoHeader::RowBytes(input.Width()) * input.Height()));
    const std::uint32_t code = output.Compression();
    output = input;
    output.SetCompression(code);
    // The largest frame the codec could make: the picture itself and some headers.
    output.SetSizeImage(input.SizeImage() + 4096);
    m_input = input;
    m_output = output;
    return true;
}

bool TVideoCoDec::InitDecompressor(TBitmapInfoHeader& compressed, TBitmapInfoHeader& output, int quality,
                                   int keyRate) {
    if (!open(TCodecRole::Decompress, compressed.Compression()))
        return false;
    m_quality = quality;
    m_keyRate = keyRate;
    if (!sizeAllowed(compressed.Width(), compressed.Height())) {
        m_lastError = CodecError::BadImageSize;
        return false;
    }
    // The link carries only the 40-byte header: a compressor instance of the same codec, where there is one,
    // makes the codec-specific bytes the decompressor needs.
    m_extradata.clear();
    if (const TCodecEntry* e = findCodec(compressed.Compression()))
        if (const AVCodec* encoder = findAv(*e, TCodecRole::Compress)) {
            AVCodecContext* c =
                newEncoder(encoder, compressed.Width(), compressed.Height(), 15, 0, quality, keyRate);
            if (c && c->extradata_size > 0)
                m_extradata = QByteArray(reinterpret_cast<const char*>(c->extradata), c->extradata_size);
            avcodec_free_context(&c);
        }
    m_input = compressed;
    output = TBitmapInfoHeader::Rgb24(compressed.Width(), compressed.Height());
    m_output = output;
    return true;
}

void TVideoCoDec::SetFramesInfo(std::int32_t dataRate, std::int32_t microsecondsPerFrame, std::int32_t) {
    if (!m_av->codec)
        return;
    m_dataRate = dataRate;
    m_microsecondsPerFrame = microsecondsPerFrame;
    m_bytesPerFrame = 0;
    if (dataRate > 0 && m_dataRateControl && microsecondsPerFrame > 0)
        m_bytesPerFrame = std::uint32_t((std::int64_t(dataRate) * microsecondsPerFrame + 500000) / 1000000);
    m_lastError = CodecError::Ok;
}

bool TVideoCoDec::CompressBegin() {
    m_frameNumber = 0;
    m_lastBudget = 0;
    m_slack = 0;
    m_compressing = false;
    if (!m_av->codec || m_role != TCodecRole::Compress) {
        m_lastError = CodecError::BadParam;
        return false;
    }
    const int fps = m_microsecondsPerFrame > 0 ? int(std::lround(1e6 / m_microsecondsPerFrame)) : 15;
    avcodec_free_context(&m_av->context);
    m_av->context = newEncoder(m_av->codec, m_input.Width(), m_input.Height(), fps,
                               m_dataRateControl ? m_dataRate : 0, m_quality, m_keyRate);
    m_av->frame = av_frame_alloc();
    m_av->packet = av_packet_alloc();
    if (!m_av->context || !m_av->frame || !m_av->packet) {
        m_lastError = CodecError::BadFormat;
        return false;
    }
    AVFrame* f = m_av->frame;
    f->format = m_av->context->pix_fmt;
    f->width = m_input.Width();
    f->height = m_input.Height();
    m_av->scale = sws_getContext(f->width, f->height, AV_PIX_FMT_BGR24, f->width, f->height,
                                 AVPixelFormat(f->format), SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!m_av->scale || av_frame_get_buffer(f, 0) < 0) {
        m_lastError = CodecError::Memory;
        return false;
    }
    m_lastError = CodecError::Ok;
    m_compressing = true;
    return true;
}

bool TVideoCoDec::DecompressBegin() {
    m_decompressing = false;
    if (!m_av->codec || m_role != TCodecRole::Decompress) {
        m_lastError = CodecError::BadParam;
        return false;
    }
    avcodec_free_context(&m_av->context);
    AVCodecContext* c = avcodec_alloc_context3(m_av->codec);
    m_av->context = c;
    m_av->frame = av_frame_alloc();
    m_av->packet = av_packet_alloc();
    if (!c || !m_av->frame || !m_av->packet) {
        m_lastError = CodecError::Memory;
        return false;
    }
    c->width = m_input.Width();
    c->height = m_input.Height();
    c->thread_count = 1;
    c->flags |= AV_CODEC_FLAG_LOW_DELAY;
    c->codec_tag = m_input.Compression();
    if (!m_extradata.isEmpty()) {
        c->extradata = static_cast<std::uint8_t*>(
            av_mallocz(std::size_t(m_extradata.size()) + AV_INPUT_BUFFER_PADDING_SIZE));
        if (!c->extradata) {
            m_lastError = CodecError::Memory;
            return false;
        }
        std::memcpy(c->extradata, m_extradata.constData(), std::size_t(m_extradata.size()));
        c->extradata_size = int(m_extradata.size());
    }
    if (avcodec_open2(c, m_av->codec, nullptr) < 0) {
        m_lastError = CodecError::BadFormat;
        return false;
    }
    m_decompressed = QByteArray(qsizetype(m_output.SizeImage()), '\0');
    m_lastError = CodecError::Ok;
    m_decompressing = true;
    return true;
}

void TVideoCoDec::EndSequence() {
    m_compressing = false;
    m_decompressing = false;
    if (m_av)
        m_av->close();
}

TVideoCoDec::TCompressed TVideoCoDec::CompressFrame(QByteArrayView bits) {
    // A frame of 8 bytes starting with 0 is the codec's "busy" answer: the same picture again, a few times
    // at most.
    constexpr int kMaxRepeats = 3;
    TCompressed out = compressOnce(bits);
    for (int i = 0; i < kMaxRepeats && out.bytes.size() == 8 && out.bytes[0] == 0; ++i)
        out = compressOnce(bits);
    return out;
}

TVideoCoDec::TCompressed TVideoCoDec::compressOnce(QByteArrayView bits) {
    if (!m_compressing)
        return {};
    const std::int64_t row = TBitmapInfoHeader::RowBytes(m_input.Width());
    if (bits.size() < row * m_input.Height()) {
        m_lastError = CodecError::BadSize;
        return {};
    }
    if (m_bytesPerFrame > 0) {
        const std::int64_t budget =
            std::max<std::int64_t>(m_bytesPerFrame + m_slack / 4, m_bytesPerFrame / 2);
        m_lastBudget = std::uint32_t(std::min<std::int64_t>(budget, 0xFFFFFF));
    } else {
        m_lastBudget = 0;
    }
    if (m_frameNumber == 0)
        m_lastBudget = 0xFFFFFF;

    AVFrame* f = m_av->frame;
    if (av_frame_make_writable(f) < 0) {
        m_lastError = CodecError::Memory;
        return {};
    }
    // Bottom-up rows: start at the last one and step backwards.
    const auto* last = reinterpret_cast<const std::uint8_t*>(bits.data()) + row * (m_input.Height() - 1);
    const std::uint8_t* src[1] = {last};
    const int srcStride[1] = {int(-row)};
    sws_scale(m_av->scale, src, srcStride, 0, m_input.Height(), f->data, f->linesize);
    f->pts = m_frameNumber++;
    f->pict_type = std::exchange(m_forceKeyFrame, false) ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    int rc = avcodec_send_frame(m_av->context, f);
    if (rc >= 0)
        rc = avcodec_receive_packet(m_av->context, m_av->packet);
    if (rc < 0) {
        m_lastError = CodecError::Failed;
        return {};
    }
    m_compressed = QByteArray(reinterpret_cast<const char*>(m_av->packet->data), m_av->packet->size);
    const bool key = (m_av->packet->flags & AV_PKT_FLAG_KEY) != 0;
    av_packet_unref(m_av->packet);
    m_lastError = CodecError::Ok;
    if (m_bytesPerFrame > 0)
        m_slack += std::int64_t(m_bytesPerFrame) - m_compressed.size();
    return {QByteArrayView(m_compressed), key};
}

QByteArrayView TVideoCoDec::DecompressFrame(QByteArrayView data, bool) {
    if (!m_decompressing || data.isEmpty()) {
        m_lastError = CodecError::BadParam;
        return {};
    }
    // The decoder may read a little past the end: give it a padded copy.
    QByteArray padded(data.size() + AV_INPUT_BUFFER_PADDING_SIZE, '\0');
    std::memcpy(padded.data(), data.data(), std::size_t(data.size()));
    AVPacket* p = m_av->packet;
    p->data = reinterpret_cast<std::uint8_t*>(padded.data());
    p->size = int(data.size());
    int rc = avcodec_send_packet(m_av->context, p);
    p->data = nullptr;
    p->size = 0;
    if (rc >= 0)
        rc = avcodec_receive_frame(m_av->context, m_av->frame);
    if (rc < 0) {
        m_lastError = CodecError::Failed;
        return {};
    }
    AVFrame* f = m_av->frame;
    const int w = m_output.Width();
    const int h = m_output.Height();
    // A stream whose pictures differ from what it announced is not drawn into a buffer sized for the latter.
    if (f->width != w || f->height != h) {
        av_frame_unref(f);
        m_lastError = CodecError::BadImageSize;
        return {};
    }
    m_av->scale = sws_getCachedContext(m_av->scale, w, h, AVPixelFormat(f->format), w, h, AV_PIX_FMT_BGR24,
                                       SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!m_av->scale) {
        av_frame_unref(f);
        m_lastError = CodecError::Memory;
        return {};
    }
    const std::int64_t row = TBitmapInfoHeader::RowBytes(w);
    std::uint8_t* dst[1] = {reinterpret_cast<std::uint8_t*>(m_decompressed.data()) + row * (h - 1)};
    const int dstStride[1] = {int(-row)};
    sws_scale(m_av->scale, f->data, f->linesize, 0, h, dst, dstStride);
    av_frame_unref(f);
    m_lastError = CodecError::Ok;
    return QByteArrayView(m_decompressed);
}

bool TVideoCoDec::DrawFrame(QByteArrayView data, bool keyFrame, QImage* bitmap) {
    if (data.isEmpty() || !bitmap)
        return false;
    const QByteArrayView bits = DecompressFrame(data, keyFrame);
    if (bits.isEmpty())
        return false;
    const int w = m_output.Width();
    const int h = m_output.Height();
    const QImage rows(reinterpret_cast<const uchar*>(bits.data()), w, h, int(TBitmapInfoHeader::RowBytes(w)),
                      QImage::Format_BGR888);
    *bitmap = rows.mirrored(false, true).convertToFormat(QImage::Format_RGB32);
    return true;
}

} // namespace orv
