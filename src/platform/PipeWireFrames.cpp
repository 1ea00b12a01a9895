#include "platform/PipeWireFrames.h"

#include <QMutex>
#include <QRect>
#include <QString>

#include <pipewire/pipewire.h>
#include <spa/buffer/meta.h>
#include <spa/param/video/format-utils.h>

#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace orv {

namespace {

// The largest pointer picture asked for in the stream's metadata.
constexpr std::uint32_t kPointerSide = 64;
// Larger than any screen; a stream announcing more is not taken, so sizes never overflow.
constexpr std::uint32_t kMaxSide = 16384;
// Formats the frames are read in: 32 bits a pixel, in the two byte orders QImage reads directly.
constexpr spa_video_format kFormats[] = {SPA_VIDEO_FORMAT_BGRx, SPA_VIDEO_FORMAT_BGRA, SPA_VIDEO_FORMAT_RGBx,
                                         SPA_VIDEO_FORMAT_RGBA};

QImage::Format ImageFormatOf(std::uint32_t format) {
    switch (format) {
    case SPA_VIDEO_FORMAT_BGRx:
    case SPA_VIDEO_FORMAT_BGRA:
        return QImage::Format_RGB32; // B, G, R, X in memory is 0xXXRRGGBB little-endian
    case SPA_VIDEO_FORMAT_RGBx:
    case SPA_VIDEO_FORMAT_RGBA:
        return QImage::Format_RGBX8888;
    default:
        return QImage::Format_Invalid;
    }
}

template <typename T> const T* At(const void* base, std::uint32_t offset) {
    return reinterpret_cast<const T*>(static_cast<const std::uint8_t*>(base) + offset);
}

} // namespace

struct PipeWireFrames::Parts {
    pw_thread_loop* loop = nullptr;
    pw_context* context = nullptr;
    pw_core* core = nullptr;
    pw_stream* stream = nullptr;
    spa_hook streamListener{};
    pw_stream_events events{};

    mutable QMutex lock; // guards what follows
    QString failure;
    QSize size;
    QImage::Format format = QImage::Format_Invalid;
    QImage frame;
    std::uint64_t frames = 0;
    std::optional<TStreamPointer> pointer;

    void fail(const QString& why) {
        QMutexLocker hold(&lock);
        if (failure.isEmpty())
            failure = why;
    }

    static void onState(void* data, pw_stream_state, pw_stream_state state, const char* error) {
        if (state == PW_STREAM_STATE_ERROR)
            static_cast<Parts*>(data)->fail(QString::fromUtf8(error ? error : "stream error"));
    }

    static void onParam(void* data, std::uint32_t id, const spa_pod* param) {
        auto* self = static_cast<Parts*>(data);
        if (!param || id != SPA_PARAM_Format)
            return;
        std::uint32_t mediaType = 0, mediaSubtype = 0;
        spa_video_info_raw info{};
        if (spa_format_parse(param, &mediaType, &mediaSubtype) < 0 || mediaType != SPA_MEDIA_TYPE_video ||
            mediaSubtype != SPA_MEDIA_SUBTYPE_raw || spa_format_video_raw_parse(param, &info) < 0)
            return;
        {
            QMutexLocker hold(&self->lock);
            const bool fits = info.size.width <= kMaxSide && info.size.height <= kMaxSide;
            self->size = fits ? QSize(int(info.size.width), int(info.size.height)) : QSize();
            self->format = ImageFormatOf(info.format);
        }
        // The pointer as metadata, where the stream can carry it.
        std::uint8_t buffer[256];
        spa_pod_builder builder{};
        spa_pod_builder_init(&builder, buffer, sizeof buffer);
        spa_pod_frame frame{};
        spa_pod_builder_push_object(&builder, &frame, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta);
        spa_pod_builder_prop(&builder, SPA_PARAM_META_type, 0);
        spa_pod_builder_id(&builder, SPA_META_Cursor);
        spa_pod_builder_prop(&builder, SPA_PARAM_META_size, 0);
        spa_pod_builder_int(&builder, int(sizeof(spa_meta_cursor) + sizeof(spa_meta_bitmap) +
                                          kPointerSide * kPointerSide * 4));
        const spa_pod* params[] = {static_cast<const spa_pod*>(spa_pod_builder_pop(&builder, &frame))};
        pw_stream_update_params(self->stream, params, 1);
    }

    // The pointer's position and, when it changed, its picture.
    void readPointer(const spa_buffer* b) {
        const spa_meta* meta = spa_buffer_find_meta(b, SPA_META_Cursor);
        if (!meta || !meta->data || meta->size < sizeof(spa_meta_cursor))
            return;
        const auto* cursor = static_cast<const spa_meta_cursor*>(meta->data);
        if (cursor->id == 0)
            return;
        TStreamPointer p;
        p.position = QPoint(cursor->position.x, cursor->position.y);
        p.hotSpot = QPoint(cursor->hotspot.x, cursor->hotspot.y);
        // The bitmap and its pixels must lie within the metadata the stream gave.
        if (cursor->bitmap_offset >= sizeof(spa_meta_cursor) &&
            std::uint64_t(cursor->bitmap_offset) + sizeof(spa_meta_bitmap) <= meta->size) {
            const auto* bitmap = At<spa_meta_bitmap>(cursor, cursor->bitmap_offset);
            const std::uint64_t room = meta->size - cursor->bitmap_offset;
            const QImage::Format f = bitmap->format == SPA_VIDEO_FORMAT_RGBA   ? QImage::Format_RGBA8888
                                     : bitmap->format == SPA_VIDEO_FORMAT_BGRA ? QImage::Format_ARGB32
                                                                               : QImage::Format_Invalid;
            if (f != QImage::Format_Invalid && bitmap->size.width > 0 && bitmap->size.height > 0 &&
                bitmap->size.width <= kPointerSide && bitmap->size.height <= kPointerSide &&
                bitmap->offset >= sizeof(spa_meta_bitmap) && bitmap->stride >= int(bitmap->size.width * 4) &&
                bitmap->offset + std::uint64_t(bitmap->stride) * bitmap->size.height <= room)
                p.image = QImage(At<uchar>(bitmap, bitmap->offset), int(bitmap->size.width),
                                 int(bitmap->size.height), bitmap->stride, f)
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        QMutexLocker hold(&lock);
        if (p.image.isNull() && pointer)
            p.image = pointer->image; // only the position moved
        pointer = p;
    }

    void readFrame(const spa_buffer* b) {
        if (b->n_datas < 1)
            return;
        const spa_data& d = b->datas[0];
        QSize shape;
        QImage::Format layout;
        {
            QMutexLocker hold(&lock);
            shape = size;
            layout = format;
        }
        if (!d.data || !d.chunk || d.chunk->size == 0 || (d.chunk->flags & SPA_CHUNK_FLAG_CORRUPTED) ||
            layout == QImage::Format_Invalid || shape.isEmpty())
            return;
        const int stride = d.chunk->stride > 0 ? d.chunk->stride : shape.width() * 4;
        const std::uint64_t end = std::uint64_t(d.chunk->offset) + std::uint64_t(stride) * shape.height();
        if (stride < shape.width() * 4 || end > d.maxsize)
            return;
        // A deep copy: the buffer goes back to the stream as soon as this returns.
        QImage picture =
            QImage(At<uchar>(d.data, d.chunk->offset), shape.width(), shape.height(), stride, layout)
                .convertToFormat(QImage::Format_RGB32);
        if (picture.constBits() == At<uchar>(d.data, d.chunk->offset))
            picture.detach();
        QMutexLocker hold(&lock);
        frame = std::move(picture);
        ++frames;
    }

    static void onProcess(void* data) {
        auto* self = static_cast<Parts*>(data);
        // Only the newest waiting picture matters, but the pointer's picture comes only with a change, in
        // whichever buffer that was.
        pw_buffer* newest = nullptr;
        while (pw_buffer* next = pw_stream_dequeue_buffer(self->stream)) {
            self->readPointer(next->buffer);
            if (newest)
                pw_stream_queue_buffer(self->stream, newest);
            newest = next;
        }
        if (!newest)
            return;
        self->readFrame(newest->buffer);
        pw_stream_queue_buffer(self->stream, newest);
    }
};

PipeWireFrames::PipeWireFrames(int remoteFd, std::uint32_t node) : m(std::make_unique<Parts>()) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { pw_init(nullptr, nullptr); });
    m->loop = pw_thread_loop_new("orv-screencast", nullptr);
    if (!m->loop) {
        close(remoteFd);
        m->fail("no PipeWire loop");
        return;
    }
    m->context = pw_context_new(pw_thread_loop_get_loop(m->loop), nullptr, 0);
    if (!m->context || pw_thread_loop_start(m->loop) < 0) {
        close(remoteFd);
        m->fail("no PipeWire context");
        return;
    }
    pw_thread_loop_lock(m->loop);
    m->core = pw_context_connect_fd(m->context, remoteFd, nullptr, 0);
    if (!m->core) {
        pw_thread_loop_unlock(m->loop);
        m->fail("cannot connect to PipeWire through the portal's connection");
        return;
    }
    m->stream = pw_stream_new(m->core, "Orvane Live screen",
                              pw_properties_new(PW_KEY_MEDIA_TYPE, "Video", PW_KEY_MEDIA_CATEGORY, "Capture",
                                                PW_KEY_MEDIA_ROLE, "Screen", nullptr));
    m->events.version = PW_VERSION_STREAM_EVENTS;
    m->events.state_changed = &Parts::onState;
    m->events.param_changed = &Parts::onParam;
    m->events.process = &Parts::onProcess;
    pw_stream_add_listener(m->stream, &m->streamListener, &m->events, m.get());

    std::uint8_t buffer[1024];
    spa_pod_builder builder{};
    spa_pod_builder_init(&builder, buffer, sizeof buffer);
    const spa_pod* params[std::size(kFormats)];
    for (std::size_t i = 0; i < std::size(kFormats); ++i) {
        spa_video_info_raw wanted{};
        wanted.format = kFormats[i];
        params[i] = spa_format_video_raw_build(&builder, SPA_PARAM_EnumFormat, &wanted);
    }
    const int connected = pw_stream_connect(
        m->stream, PW_DIRECTION_INPUT, node,
        static_cast<pw_stream_flags>(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS), params,
        std::uint32_t(std::size(kFormats)));
    pw_thread_loop_unlock(m->loop);
    if (connected < 0)
        m->fail(QString("cannot read PipeWire stream %1").arg(node));
}

PipeWireFrames::~PipeWireFrames() {
    if (!m->loop)
        return;
    pw_thread_loop_lock(m->loop);
    if (m->stream) {
        pw_stream_disconnect(m->stream);
        pw_stream_destroy(m->stream);
    }
    if (m->core)
        pw_core_disconnect(m->core);
    pw_thread_loop_unlock(m->loop);
    pw_thread_loop_stop(m->loop);
    if (m->context)
        pw_context_destroy(m->context);
    pw_thread_loop_destroy(m->loop);
}

bool PipeWireFrames::Running() const {
    QMutexLocker hold(&m->lock);
    return m->failure.isEmpty();
}

QString PipeWireFrames::Failure() const {
    QMutexLocker hold(&m->lock);
    return m->failure;
}

QSize PipeWireFrames::Size() const {
    QMutexLocker hold(&m->lock);
    return m->size;
}

std::uint64_t PipeWireFrames::Frames() const {
    QMutexLocker hold(&m->lock);
    return m->frames;
}

bool PipeWireFrames::CopyArea(const QRect& wanted, QImage& target) const {
    QMutexLocker hold(&m->lock);
    const QRect area = wanted & m->frame.rect() & target.rect();
    if (m->frame.isNull() || area.isEmpty() || target.format() != QImage::Format_RGB32)
        return false;
    // The stream's fourth byte is padding, not necessarily opaque.
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(m->frame.constScanLine(y)) + area.left();
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(y)) + area.left();
        for (int x = 0; x < area.width(); ++x)
            to[x] = from[x] | 0xFF000000u;
    }
    return true;
}

std::optional<TStreamPointer> PipeWireFrames::Pointer() const {
    QMutexLocker hold(&m->lock);
    return m->pointer;
}

} // namespace orv
