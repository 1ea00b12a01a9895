#include "support/portal/CastVideoSource.h"

#include "support/portal/CastPicture.h"

#include <QImage>

#include <pipewire/pipewire.h>
#include <spa/buffer/meta.h>
#include <spa/param/video/format-utils.h>

#include <atomic>
#include <cstring>
#include <mutex>

// PipeWire's macros are GNU C (statement expressions, compound literals).
#pragma GCC diagnostic ignored "-Wpedantic"

namespace orv::test {

namespace {

constexpr int kFrameIntervalMs = 40;
constexpr std::uint32_t kMaxPointerSide = 256;

constexpr int PointerMetaSize(std::uint32_t side) {
    return int(sizeof(spa_meta_cursor) + sizeof(spa_meta_bitmap) + side * side * 4);
}

} // namespace

struct CastVideoSource::Parts {
    QSize size;
    std::function<void(std::uint32_t)> ready;
    QImage scenes[2];
    std::atomic<int> scene{0};
    int pointerSent = -1; // the scene whose pointer picture went out last (PipeWire's thread only)
    std::uint64_t sequence = 0;

    pw_thread_loop* loop = nullptr;
    pw_context* context = nullptr;
    pw_core* core = nullptr;
    pw_stream* stream = nullptr;
    spa_source* timer = nullptr;
    spa_hook listener{};
    pw_stream_events events{};
    bool told = false;

    void tell(std::uint32_t node) {
        if (told)
            return;
        told = true;
        if (ready)
            ready(node);
    }

    static void onState(void* data, pw_stream_state, pw_stream_state state, const char*) {
        auto* self = static_cast<Parts*>(data);
        pw_loop* loop = pw_thread_loop_get_loop(self->loop);
        if (state == PW_STREAM_STATE_ERROR) {
            self->tell(0);
        } else if (state == PW_STREAM_STATE_PAUSED) {
            self->tell(pw_stream_get_node_id(self->stream));
            pw_loop_update_timer(loop, self->timer, nullptr, nullptr, false);
        } else if (state == PW_STREAM_STATE_STREAMING) {
            timespec first{0, 1};
            timespec interval{0, kFrameIntervalMs * SPA_NSEC_PER_MSEC};
            self->pointerSent = -1;
            pw_loop_update_timer(loop, self->timer, &first, &interval, false);
        }
    }

    static void onParam(void* data, std::uint32_t id, const spa_pod* param) {
        auto* self = static_cast<Parts*>(data);
        if (!param || id != SPA_PARAM_Format)
            return;
        const int stride = self->size.width() * 4;
        std::uint8_t buffer[1024];
        spa_pod_builder b = SPA_POD_BUILDER_INIT(buffer, sizeof buffer);
        const spa_pod* params[3];
        params[0] = static_cast<const spa_pod*>(spa_pod_builder_add_object(
            &b, SPA_TYPE_OBJECT_ParamBuffers, SPA_PARAM_Buffers, SPA_PARAM_BUFFERS_buffers,
            SPA_POD_CHOICE_RANGE_Int(4, 2, 8), SPA_PARAM_BUFFERS_blocks, SPA_POD_Int(1),
            SPA_PARAM_BUFFERS_size, SPA_POD_Int(stride * self->size.height()), SPA_PARAM_BUFFERS_stride,
            SPA_POD_Int(stride), SPA_PARAM_BUFFERS_dataType, SPA_POD_CHOICE_FLAGS_Int(1 << SPA_DATA_MemFd)));
        params[1] = static_cast<const spa_pod*>(spa_pod_builder_add_object(
            &b, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta, SPA_PARAM_META_type, SPA_POD_Id(SPA_META_Header),
            SPA_PARAM_META_size, SPA_POD_Int(int(sizeof(spa_meta_header)))));
        params[2] = static_cast<const spa_pod*>(
            spa_pod_builder_add_object(&b, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta, SPA_PARAM_META_type,
                                       SPA_POD_Id(SPA_META_Cursor), SPA_PARAM_META_size,
                                       SPA_POD_CHOICE_RANGE_Int(PointerMetaSize(64), PointerMetaSize(1),
                                                                PointerMetaSize(kMaxPointerSide))));
        pw_stream_update_params(self->stream, params, 3);
    }

    void writePointer(spa_buffer* buffer, int shown) {
        auto* cursor = static_cast<spa_meta_cursor*>(
            spa_buffer_find_meta_data(buffer, SPA_META_Cursor, sizeof(spa_meta_cursor)));
        if (!cursor)
            return;
        const CastPointer pointer = CastPointerOf(shown);
        cursor->id = 1;
        cursor->flags = 0;
        cursor->position = SPA_POINT(pointer.position.x(), pointer.position.y());
        cursor->hotspot = SPA_POINT(pointer.hotSpot.x(), pointer.hotSpot.y());
        cursor->bitmap_offset = 0;
        const spa_meta* meta = spa_buffer_find_meta(buffer, SPA_META_Cursor);
        const std::size_t bytes = std::size_t(pointer.image.sizeInBytes());
        if (pointerSent == shown || !meta ||
            meta->size < sizeof(spa_meta_cursor) + sizeof(spa_meta_bitmap) + bytes)
            return;
        // The picture only with a change; the position with every frame.
        cursor->bitmap_offset = sizeof(spa_meta_cursor);
        auto* bitmap = SPA_PTROFF(cursor, cursor->bitmap_offset, spa_meta_bitmap);
        bitmap->format = SPA_VIDEO_FORMAT_BGRA; // QImage's ARGB32 in memory on a little-endian machine
        bitmap->size =
            SPA_RECTANGLE(std::uint32_t(pointer.image.width()), std::uint32_t(pointer.image.height()));
        bitmap->stride = int(pointer.image.bytesPerLine());
        bitmap->offset = sizeof(spa_meta_bitmap);
        std::memcpy(SPA_PTROFF(bitmap, bitmap->offset, void), pointer.image.constBits(), bytes);
        pointerSent = shown;
    }

    static void onTimer(void* data, std::uint64_t) {
        auto* self = static_cast<Parts*>(data);
        pw_buffer* b = pw_stream_dequeue_buffer(self->stream);
        if (!b)
            return;
        spa_buffer* buffer = b->buffer;
        spa_data& d = buffer->datas[0];
        const int shown = self->scene.load();
        const QImage& picture = self->scenes[shown];
        const std::uint32_t bytes = std::uint32_t(picture.sizeInBytes());
        if (!d.data || d.maxsize < bytes) {
            pw_stream_queue_buffer(self->stream, b);
            return;
        }
        std::memcpy(d.data, picture.constBits(), bytes);
        d.chunk->offset = 0;
        d.chunk->size = bytes;
        d.chunk->stride = int(picture.bytesPerLine());
        d.chunk->flags = 0;
        if (auto* header = static_cast<spa_meta_header*>(
                spa_buffer_find_meta_data(buffer, SPA_META_Header, sizeof(spa_meta_header)))) {
            header->flags = 0;
            header->pts = -1;
            header->seq = self->sequence++;
            header->dts_offset = 0;
        }
        self->writePointer(buffer, shown);
        pw_stream_queue_buffer(self->stream, b);
    }
};

CastVideoSource::CastVideoSource(QSize size, std::function<void(std::uint32_t node)> ready)
    : m(std::make_unique<Parts>()) {
    m->size = size;
    m->ready = std::move(ready);
    m->scenes[0] = CastPicture(size, 0);
    m->scenes[1] = CastPicture(size, 1);
    static std::once_flag initialised;
    std::call_once(initialised, [] { pw_init(nullptr, nullptr); });
    m->loop = pw_thread_loop_new("test-cast", nullptr);
    m->context = pw_context_new(pw_thread_loop_get_loop(m->loop), nullptr, 0);
    m->timer = pw_loop_add_timer(pw_thread_loop_get_loop(m->loop), &Parts::onTimer, m.get());
    pw_thread_loop_lock(m->loop);
    pw_thread_loop_start(m->loop);
    m->core = pw_context_connect(m->context, nullptr, 0);
    if (!m->core) {
        m->tell(0);
        pw_thread_loop_unlock(m->loop);
        return;
    }
    m->stream =
        pw_stream_new(m->core, "Test screen", pw_properties_new(PW_KEY_MEDIA_CLASS, "Video/Source", nullptr));
    m->events.version = PW_VERSION_STREAM_EVENTS;
    m->events.state_changed = &Parts::onState;
    m->events.param_changed = &Parts::onParam;
    pw_stream_add_listener(m->stream, &m->listener, &m->events, m.get());
    std::uint8_t buffer[1024];
    spa_pod_builder b = SPA_POD_BUILDER_INIT(buffer, sizeof buffer);
    const spa_rectangle shape = SPA_RECTANGLE(std::uint32_t(size.width()), std::uint32_t(size.height()));
    const spa_fraction rate = SPA_FRACTION(1000 / kFrameIntervalMs, 1);
    const spa_pod* format = static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &b, SPA_TYPE_OBJECT_Format, SPA_PARAM_EnumFormat, SPA_FORMAT_mediaType,
        SPA_POD_Id(SPA_MEDIA_TYPE_video), SPA_FORMAT_mediaSubtype, SPA_POD_Id(SPA_MEDIA_SUBTYPE_raw),
        SPA_FORMAT_VIDEO_format, SPA_POD_Id(SPA_VIDEO_FORMAT_BGRx), SPA_FORMAT_VIDEO_size,
        SPA_POD_Rectangle(&shape), SPA_FORMAT_VIDEO_framerate, SPA_POD_Fraction(&rate)));
    if (pw_stream_connect(m->stream, PW_DIRECTION_OUTPUT, PW_ID_ANY,
                          static_cast<pw_stream_flags>(PW_STREAM_FLAG_DRIVER | PW_STREAM_FLAG_MAP_BUFFERS),
                          &format, 1) < 0)
        m->tell(0);
    pw_thread_loop_unlock(m->loop);
}

CastVideoSource::~CastVideoSource() {
    pw_thread_loop_lock(m->loop);
    if (m->stream) {
        pw_stream_disconnect(m->stream);
        pw_stream_destroy(m->stream);
    }
    if (m->core)
        pw_core_disconnect(m->core);
    pw_loop_destroy_source(pw_thread_loop_get_loop(m->loop), m->timer);
    pw_thread_loop_unlock(m->loop);
    pw_thread_loop_stop(m->loop);
    pw_context_destroy(m->context);
    pw_thread_loop_destroy(m->loop);
}

void CastVideoSource::ShowScene(int scene) {
    m->scene = scene == 0 ? 0 : 1;
}

} // namespace orv::test
