#include "appshare/PngTiles.h"

#include "protocol/AppShareRecords.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace orv {

namespace {

// Screen content compresses well with the left neighbour as predictor; level 1 keeps encoding cheap.
constexpr int kCompressionLevel = 1;
constexpr int kFilters = PNG_FILTER_SUB;
// No chunk of a tile needs more; a hostile PNG's ancillary chunks stop here.
constexpr png_alloc_size_t kChunkLimit = 1 << 20;

void WriteToArray(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

void FlushNothing(png_structp) {}

struct TReadSource {
    const png_byte* data;
    std::size_t size;
    std::size_t position;
};

void ReadFromMemory(png_structp png, png_bytep data, png_size_t length) {
    auto* source = static_cast<TReadSource*>(png_get_io_ptr(png));
    if (length > source->size - source->position)
        png_error(png, "read past the end of the tile");
    std::memcpy(data, source->data + source->position, length);
    source->position += length;
}

// Errors and warnings stay quiet; an error jumps back to the caller's setjmp.
[[noreturn]] void QuietError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void QuietWarning(png_structp, png_const_charp) {}

} // namespace

QByteArray EncodeTilePng(const QImage& picture, const QRect& wanted) {
    const QRect area = wanted & picture.rect();
    if (area.isEmpty() || picture.format() != QImage::Format_RGB32)
        return {};
    QByteArray out;
    out.reserve(area.width() * area.height());
    std::vector<png_bytep> rows(std::size_t(area.height()));
    for (int y = 0; y < area.height(); ++y)
        rows[std::size_t(y)] = const_cast<png_bytep>(picture.constScanLine(area.y() + y)) + 4 * area.x();

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    if (!png)
        return {};
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return {};
    }
    png_set_write_fn(png, &out, WriteToArray, FlushNothing);
    png_set_compression_level(png, kCompressionLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, kFilters);
    png_set_IHDR(png, info, png_uint_32(area.width()), png_uint_32(area.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    // RGB32 lies in memory as B, G, R, unused on little-endian machines.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

QImage DecodeTilePng(QByteArrayView bytes, int width, int height) {
    if (width < 1 || height < 1 || width > kMaxShareSide || height > kMaxShareSide || bytes.size() < 8 ||
        png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[std::size_t(y)] = image.scanLine(y);
    TReadSource source{reinterpret_cast<const png_byte*>(bytes.data()), std::size_t(bytes.size()), 0};

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    if (!png)
        return {};
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return {};
    }
    png_set_read_fn(png, &source, ReadFromMemory);
    png_set_user_limits(png, png_uint_32(kMaxShareSide), png_uint_32(kMaxShareSide));
    png_set_chunk_malloc_max(png, kChunkLimit);
    png_set_chunk_cache_max(png, 64);
    png_read_info(png, info);
    if (png_get_image_width(png, info) != png_uint_32(width) ||
        png_get_image_height(png, info) != png_uint_32(height) ||
        png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) {
        png_destroy_read_struct(&png, &info, nullptr);
        return {};
    }
    // Whatever the colour type, read as B, G, R, 0xFF.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != png_size_t(4) * png_size_t(width)) {
        png_destroy_read_struct(&png, &info, nullptr);
        return {};
    }
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return image;
}

} // namespace orv
