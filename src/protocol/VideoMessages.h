#pragma once
// The video connections' records and messages, and the video port request on the control connection. A
// broadcaster signs on, announces its stream and pushes frames; a viewer signs on, asks for a broadcaster's
// stream description and pulls frames one request at a time.

#include "protocol/FixedRecord.h"
#include "protocol/SignInRecords.h"

#include <QByteArray>

#include <cstdint>

namespace orv {

// A video packet's payload beyond this is refused before it is read: the largest uncompressed picture the
// client captures (640 x 480 at 24 bits) with room to spare.
inline constexpr std::int32_t kMaxVideoPayload = 2 * 1024 * 1024;
// Pictures wider or higher than this are refused.
inline constexpr std::int32_t kMaxVideoSide = 2048;

// A four-character code as the little-endian number a format field holds ("WMV2" -> 0x32564D57).
constexpr std::uint32_t FourCC(const char (&code)[5]) {
    return std::uint32_t(std::uint8_t(code[0])) | std::uint32_t(std::uint8_t(code[1])) << 8 |
           std::uint32_t(std::uint8_t(code[2])) << 16 | std::uint32_t(std::uint8_t(code[3])) << 24;
}

// BITMAPINFOHEADER: the format of a picture, compressed or not.
class TBitmapInfoHeader : public TFixedRecord<40> {
public:
    std::uint32_t Size() const { return get<std::uint32_t, 0>(); }
    void SetSize(std::uint32_t v) { set<std::uint32_t, 0>(v); }
    std::int32_t Width() const { return get<std::int32_t, 4>(); }
    void SetWidth(std::int32_t v) { set<std::int32_t, 4>(v); }
    std::int32_t Height() const { return get<std::int32_t, 8>(); }
    void SetHeight(std::int32_t v) { set<std::int32_t, 8>(v); }
    std::uint16_t Planes() const { return get<std::uint16_t, 12>(); }
    void SetPlanes(std::uint16_t v) { set<std::uint16_t, 12>(v); }
    std::uint16_t BitCount() const { return get<std::uint16_t, 14>(); }
    void SetBitCount(std::uint16_t v) { set<std::uint16_t, 14>(v); }
    std::uint32_t Compression() const { return get<std::uint32_t, 16>(); }
    void SetCompression(std::uint32_t v) { set<std::uint32_t, 16>(v); }
    std::uint32_t SizeImage() const { return get<std::uint32_t, 20>(); }
    void SetSizeImage(std::uint32_t v) { set<std::uint32_t, 20>(v); }
    std::uint32_t ClrUsed() const { return get<std::uint32_t, 32>(); }
    void SetClrUsed(std::uint32_t v) { set<std::uint32_t, 32>(v); }

    // An uncompressed 24-bit picture of the size, one plane, with its image size.
    static TBitmapInfoHeader Rgb24(std::int32_t width, std::int32_t height);
    // Bytes of one 24-bit row, padded to four bytes.
    static std::int64_t RowBytes(std::int32_t width) { return ((std::int64_t(width) * 24 + 31) / 32) * 4; }
};

// cmVideo109 (out), cmVideo110 (in): what a broadcaster sends. SizeImage of the header is the size of one
// uncompressed captured frame, not of a compressed one.
class TVideoStreamDescription : public TFixedRecord<46> {
public:
    TBitmapInfoHeader Header() const {
        TBitmapInfoHeader h;
        h.fromBytes(bytes().data());
        return h;
    }
    void SetHeader(const TBitmapInfoHeader& h);
    std::uint16_t FramesPerSecond() const { return get<std::uint16_t, 40>(); }
    void SetFramesPerSecond(std::uint16_t v) { set<std::uint16_t, 40>(v); }
    std::uint32_t KeyFrameRate() const { return get<std::uint32_t, 42>(); }
    void SetKeyFrameRate(std::uint32_t v) { set<std::uint32_t, 42>(v); }
};

// In front of every compressed frame.
struct TVideoFrameRecord {
    static constexpr std::size_t kSize = 13;

    bool keyFrame = false;
    std::int32_t byteCount = 0; // the compressed bytes that follow
    std::int32_t sequence = 0;  // the broadcaster's queue counter when the frame was queued

    QByteArray encode() const; // the reserved field goes out as 0
    static TVideoFrameRecord decode(PayloadReader& reader);
};

// cmVideo111 (out), cmVideo112 (in): a frame record and its bytes. Decoding checks that the record's count
// is not negative and is exactly what the payload holds after the record.
struct TVideoFrame {
    TVideoFrameRecord record;
    QByteArray data;

    QByteArray encode() const; // the record's count is the data's size
    static TVideoFrame decode(PayloadReader& reader);
};

// cmVideoJoin (out): sign on as broadcaster (0) or viewer (1).
struct TVideoJoin {
    static constexpr std::size_t kSize = 70;
    enum TMode : std::int32_t { Broadcaster = 0, Viewer = 1 };

    TSignInRecord signOn; // the own user id at offset 0, password and user name
    std::uint16_t room = 0;
    std::int32_t mode = Broadcaster;

    std::uint16_t UserId() const { return signOn.get<std::uint16_t, 0>(); }
    void SetUserId(std::uint16_t id) { signOn.set<std::uint16_t, 0>(id); }

    QByteArray encode() const;
    static TVideoJoin decode(PayloadReader& reader);
};

// cmVideo110 (out): the broadcaster a viewer wants to watch.
struct TVideoWatch {
    static constexpr std::size_t kSize = 2;
    std::uint16_t userId = 0;

    QByteArray encode() const;
    static TVideoWatch decode(PayloadReader& reader);
};

// cmVideoPort (in): the port of every video connection of the session, and a second value kept unused.
struct TVideoPortReply {
    static constexpr std::size_t kSize = 8;
    std::int32_t port = 0;
    std::int32_t second = 0;

    QByteArray encode() const;
    static TVideoPortReply decode(PayloadReader& reader);
};

} // namespace orv
