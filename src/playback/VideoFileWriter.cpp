#include "playback/VideoFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>

namespace orv {
namespace {

constexpr int kAudioRate = 48000;

QString AvError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

const AVCodec* FirstEncoder(std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (const AVCodec* codec = avcodec_find_encoder_by_name(name))
            return codec;
    return nullptr;
}

} // namespace

// The deleters of what FFmpeg allocates; named, as the members of a class with linkage use them.
namespace video_file_free {

struct CodecContextFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFree {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct SwsFree {
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};
struct SwrFree {
    void operator()(SwrContext* s) const { swr_free(&s); }
};
struct FifoFree {
    void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); }
};

} // namespace video_file_free

struct TVideoFileWriter::Streams {
    ~Streams() {
        if (output) {
            if (output->pb)
                avio_closep(&output->pb);
            avformat_free_context(output);
        }
    }

    AVFormatContext* output = nullptr;
    std::unique_ptr<AVCodecContext, video_file_free::CodecContextFree> video;
    std::unique_ptr<AVCodecContext, video_file_free::CodecContextFree> audio;
    AVStream* videoStream = nullptr;
    AVStream* audioStream = nullptr;
    std::unique_ptr<AVFrame, video_file_free::FrameFree> picture;
    std::unique_ptr<AVFrame, video_file_free::FrameFree> sound;
    std::unique_ptr<AVPacket, video_file_free::PacketFree> packet{av_packet_alloc()};
    std::unique_ptr<SwsContext, video_file_free::SwsFree> scale;
    std::unique_ptr<SwrContext, video_file_free::SwrFree> resample;
    std::unique_ptr<AVAudioFifo, video_file_free::FifoFree>
        pending; // resampled sound not yet a whole encoder frame
    QSize size;
    std::int64_t framesWritten = 0;
    std::int64_t samplesWritten = 0;
    bool headerWritten = false;

    // Sends one frame (none: drains) and writes every packet that comes out.
    int encode(AVCodecContext* codec, AVStream* stream, AVFrame* frame) {
        int rc = avcodec_send_frame(codec, frame);
        if (rc < 0)
            return rc;
        for (;;) {
            rc = avcodec_receive_packet(codec, packet.get());
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
                return 0;
            if (rc < 0)
                return rc;
            av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            rc = av_interleaved_write_frame(output, packet.get());
            if (rc < 0)
                return rc;
        }
    }

    // Encodes whole frames of pending sound; with `last`, what is left too.
    int encodePending(bool last) {
        const int frameSize = audio->frame_size > 0 ? audio->frame_size : 1024;
        while (av_audio_fifo_size(pending.get()) >= frameSize ||
               (last && av_audio_fifo_size(pending.get()) > 0)) {
            const int count = std::min(frameSize, av_audio_fifo_size(pending.get()));
            sound->nb_samples = count;
            int rc = av_frame_make_writable(sound.get());
            if (rc < 0)
                return rc;
            if (av_audio_fifo_read(pending.get(), reinterpret_cast<void**>(sound->data), count) < count)
                return AVERROR(EIO);
            sound->pts = samplesWritten;
            samplesWritten += count;
            rc = encode(audio.get(), audioStream, sound.get());
            if (rc < 0)
                return rc;
        }
        return 0;
    }

    // Resamples `count` samples (none: the resampler's tail) into the pending sound.
    int resampleInto(const std::int16_t* samples, int count) {
        const int room = swr_get_out_samples(resample.get(), count);
        if (room < 0)
            return room;
        if (room == 0)
            return 0;
        uint8_t** out = nullptr;
        int rc = av_samples_alloc_array_and_samples(&out, nullptr, 1, room, audio->sample_fmt, 0);
        if (rc < 0)
            return rc;
        const auto* in = reinterpret_cast<const uint8_t*>(samples);
        const int made = swr_convert(resample.get(), out, room, samples ? &in : nullptr, count);
        rc = made < 0 ? made : av_audio_fifo_write(pending.get(), reinterpret_cast<void**>(out), made);
        av_freep(&out[0]);
        av_freep(&out);
        return rc < 0 ? rc : 0;
    }
};

TVideoFileWriter::TVideoFileWriter() = default;

TVideoFileWriter::~TVideoFileWriter() {
    Abandon();
}

QString TVideoFileWriter::Encoders() const {
    if (!m_streams || !m_streams->video || !m_streams->audio)
        return {};
    const auto name = [](AVCodecID id) {
        switch (id) {
        case AV_CODEC_ID_VP9:
            return QString("VP9");
        case AV_CODEC_ID_VP8:
            return QString("VP8");
        case AV_CODEC_ID_H264:
            return QString("H.264");
        case AV_CODEC_ID_OPUS:
            return QString("Opus");
        case AV_CODEC_ID_AAC:
            return QString("AAC");
        default:
            return QString(avcodec_get_name(id));
        }
    };
    return tr("%1 video, %2 sound").arg(name(m_streams->video->codec_id), name(m_streams->audio->codec_id));
}

bool TVideoFileWriter::fail(const QString& text) {
    Abandon();
    m_error = text;
    return false;
}

bool TVideoFileWriter::Open(const QString& path, const TVideoFileFormat& format) {
    Abandon();
    m_error.clear();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != "webm" && suffix != "mp4")
        return fail(tr("Choose a file name ending in .webm or .mp4."));
    const bool mp4 = suffix == "mp4";
    const QSize size = format.size;
    if (size.width() < 16 || size.height() < 16 || size.width() % 2 || size.height() % 2 ||
        format.framesPerSecond <= 0 || format.audioSampleRate <= 0)
        return fail(tr("The video size must be at least 16 x 16 with even numbers."));
    const AVCodec* videoCodec =
        mp4 ? FirstEncoder({"libx264", "h264"}) : FirstEncoder({"libvpx-vp9", "libvpx"});
    if (!videoCodec)
        return fail(
            mp4 ? tr("This system has no H.264 encoder for MP4 files. Export to a .webm file instead.")
                : tr("This system has neither a VP9 nor a VP8 encoder."));
    const AVCodec* audioCodec = mp4 ? FirstEncoder({"aac"}) : FirstEncoder({"libopus"});
    if (!audioCodec)
        return fail(mp4 ? tr("This system has no AAC encoder for MP4 files. Export to a .webm file instead.")
                        : tr("This system has no Opus encoder."));

    // The encoders report their settings and statistics at the information level: not for the terminal.
    if (av_log_get_level() == AV_LOG_INFO)
        av_log_set_level(AV_LOG_ERROR);
    m_path = path;
    m_partPath = path + ".part";
    m_streams = std::make_unique<Streams>();
    Streams& s = *m_streams;
    s.size = size;
    const QByteArray part = QFile::encodeName(m_partPath);
    if (avformat_alloc_output_context2(&s.output, nullptr, mp4 ? "mp4" : "webm", part.constData()) < 0 ||
        !s.output)
        return fail(tr("The video container cannot be prepared."));
    const bool globalHeader = s.output->oformat->flags & AVFMT_GLOBALHEADER;

    // Pictures: a key frame every few seconds, no frames held back, as fast as the encoder can go.
    s.video.reset(avcodec_alloc_context3(videoCodec));
    AVCodecContext* v = s.video.get();
    v->width = size.width();
    v->height = size.height();
    v->time_base = AVRational{1, format.framesPerSecond};
    v->framerate = AVRational{format.framesPerSecond, 1};
    v->pix_fmt = AV_PIX_FMT_YUV420P;
    v->gop_size = format.framesPerSecond * 5;
    v->max_b_frames = 0;
    v->thread_count = 2;
    v->bit_rate = std::max<std::int64_t>(300000, std::int64_t(size.width()) * size.height() * 2);
    if (globalHeader)
        v->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (mp4) {
        av_opt_set(v->priv_data, "preset", "veryfast", 0);
    } else {
        av_opt_set(v->priv_data, "deadline", "realtime", 0);
        av_opt_set_int(v->priv_data, "cpu-used", 8, 0);
        av_opt_set_int(v->priv_data, "lag-in-frames", 0, 0);
        av_opt_set_int(v->priv_data, "row-mt", 1, 0);
    }
    int rc = avcodec_open2(v, videoCodec, nullptr);
    if (rc < 0)
        return fail(tr("The video encoder %1 cannot start: %2").arg(videoCodec->name, AvError(rc)));
    s.videoStream = avformat_new_stream(s.output, nullptr);
    if (!s.videoStream || avcodec_parameters_from_context(s.videoStream->codecpar, v) < 0)
        return fail(tr("The video container cannot be prepared."));
    s.videoStream->time_base = v->time_base;

    // Sound: mono at 48 kHz, in the encoder's own sample format.
    s.audio.reset(avcodec_alloc_context3(audioCodec));
    AVCodecContext* a = s.audio.get();
    a->sample_rate = kAudioRate;
    a->sample_fmt = audioCodec->sample_fmts ? audioCodec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
    av_channel_layout_default(&a->ch_layout, 1);
    a->time_base = AVRational{1, kAudioRate};
    a->bit_rate = 64000;
    if (globalHeader)
        a->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    rc = avcodec_open2(a, audioCodec, nullptr);
    if (rc < 0)
        return fail(tr("The audio encoder %1 cannot start: %2").arg(audioCodec->name, AvError(rc)));
    s.audioStream = avformat_new_stream(s.output, nullptr);
    if (!s.audioStream || avcodec_parameters_from_context(s.audioStream->codecpar, a) < 0)
        return fail(tr("The video container cannot be prepared."));
    s.audioStream->time_base = a->time_base;

    s.picture.reset(av_frame_alloc());
    s.picture->format = v->pix_fmt;
    s.picture->width = v->width;
    s.picture->height = v->height;
    s.sound.reset(av_frame_alloc());
    s.sound->format = a->sample_fmt;
    s.sound->sample_rate = a->sample_rate;
    av_channel_layout_copy(&s.sound->ch_layout, &a->ch_layout);
    s.sound->nb_samples = a->frame_size > 0 ? a->frame_size : 1024;
    if (av_frame_get_buffer(s.picture.get(), 0) < 0 || av_frame_get_buffer(s.sound.get(), 0) < 0)
        return fail(tr("Out of memory."));
    s.scale.reset(sws_getContext(v->width, v->height, AV_PIX_FMT_BGRA, v->width, v->height,
                                 AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr));
    SwrContext* swr = nullptr;
    AVChannelLayout mono;
    av_channel_layout_default(&mono, 1);
    rc = swr_alloc_set_opts2(&swr, &a->ch_layout, a->sample_fmt, kAudioRate, &mono, AV_SAMPLE_FMT_S16,
                             format.audioSampleRate, 0, nullptr);
    s.resample.reset(swr);
    if (rc < 0 || !s.scale || swr_init(swr) < 0)
        return fail(tr("The sound or the pictures cannot be converted."));
    s.pending.reset(av_audio_fifo_alloc(a->sample_fmt, 1, kAudioRate));

    rc = avio_open(&s.output->pb, part.constData(), AVIO_FLAG_WRITE);
    if (rc < 0)
        return fail(tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), AvError(rc)));
    rc = avformat_write_header(s.output, nullptr);
    if (rc < 0)
        return fail(tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), AvError(rc)));
    s.headerWritten = true;
    return true;
}

bool TVideoFileWriter::AddFrame(const QImage& frame) {
    if (!m_streams)
        return false;
    Streams& s = *m_streams;
    QImage image = frame.size() == s.size
                       ? frame
                       : frame.scaled(s.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    int rc = av_frame_make_writable(s.picture.get());
    if (rc >= 0) {
        const uint8_t* source[] = {image.constBits()};
        const int stride[] = {int(image.bytesPerLine())};
        sws_scale(s.scale.get(), source, stride, 0, image.height(), s.picture->data, s.picture->linesize);
        s.picture->pts = s.framesWritten++;
        rc = s.encode(s.video.get(), s.videoStream, s.picture.get());
    }
    if (rc < 0)
        return fail(tr("The video cannot be encoded: %1").arg(AvError(rc)));
    return true;
}

bool TVideoFileWriter::AddAudio(std::span<const std::int16_t> samples) {
    if (!m_streams)
        return false;
    if (samples.empty())
        return true;
    int rc = m_streams->resampleInto(samples.data(), int(samples.size()));
    if (rc >= 0)
        rc = m_streams->encodePending(false);
    if (rc < 0)
        return fail(tr("The sound cannot be encoded: %1").arg(AvError(rc)));
    return true;
}

bool TVideoFileWriter::Finish() {
    if (!m_streams)
        return false;
    Streams& s = *m_streams;
    int rc = s.resampleInto(nullptr, 0);
    if (rc >= 0)
        rc = s.encodePending(true);
    if (rc >= 0)
        rc = s.encode(s.audio.get(), s.audioStream, nullptr);
    if (rc >= 0)
        rc = s.encode(s.video.get(), s.videoStream, nullptr);
    if (rc >= 0)
        rc = av_write_trailer(s.output);
    if (rc >= 0)
        rc = avio_closep(&s.output->pb);
    if (rc < 0)
        return fail(tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(m_path), AvError(rc)));
    m_streams.reset();
    QFile::remove(m_path);
    if (!QFile::rename(m_partPath, m_path))
        return fail(tr("Cannot write %1.").arg(QDir::toNativeSeparators(m_path)));
    m_partPath.clear();
    return true;
}

void TVideoFileWriter::Abandon() {
    m_streams.reset(); // closes the file
    if (!m_partPath.isEmpty())
        QFile::remove(m_partPath);
    m_partPath.clear();
}

} // namespace orv
