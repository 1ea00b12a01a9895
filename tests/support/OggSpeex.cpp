#include "support/OggSpeex.h"

#include <ogg/ogg.h>
#include <speex/speex.h>
#include <speex/speex_header.h>

#include <cstdlib>
#include <cstring>

namespace orv::test {
namespace {

void Append(QByteArray& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), page.header_len);
    out.append(reinterpret_cast<const char*>(page.body), page.body_len);
}

QByteArray CommentPacket() {
    const QByteArray vendor = "orvane test";
    QByteArray packet;
    const auto put32 = [&packet](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            packet.append(char((v >> (8 * i)) & 0xFF));
    };
    put32(std::uint32_t(vendor.size()));
    packet.append(vendor);
    put32(0);
    return packet;
}

} // namespace

QByteArray WriteOggSpeex(const std::vector<QByteArray>& packets, int band, int framesPerPacket) {
    const SpeexMode* mode = speex_lib_get_mode(band);
    SpeexHeader header;
    speex_init_header(&header, 8000 << band, 1, mode);
    header.frames_per_packet = framesPerPacket;
    header.vbr = 0;
    int headerSize = 0;
    char* headerBytes = speex_header_to_packet(&header, &headerSize);

    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    QByteArray out;
    ogg_page page;
    const QByteArray comment = CommentPacket();
    const QByteArray heads[] = {QByteArray(headerBytes, headerSize), comment};
    speex_header_free(headerBytes);
    ogg_int64_t packetNo = 0;
    for (const QByteArray& head : heads) {
        ogg_packet p{};
        p.packet = reinterpret_cast<unsigned char*>(const_cast<char*>(head.constData()));
        p.bytes = head.size();
        p.b_o_s = packetNo == 0;
        p.packetno = packetNo++;
        ogg_stream_packetin(&stream, &p);
        while (ogg_stream_flush(&stream, &page))
            Append(out, page);
    }
    const ogg_int64_t samplesPerPacket = ogg_int64_t(framesPerPacket) * (160 << band);
    ogg_int64_t granule = 0;
    for (std::size_t i = 0; i < packets.size(); ++i) {
        granule += samplesPerPacket;
        ogg_packet p{};
        p.packet = reinterpret_cast<unsigned char*>(const_cast<char*>(packets[i].constData()));
        p.bytes = packets[i].size();
        p.e_o_s = i + 1 == packets.size();
        p.granulepos = granule;
        p.packetno = packetNo++;
        ogg_stream_packetin(&stream, &p);
        while (ogg_stream_pageout(&stream, &page))
            Append(out, page);
    }
    while (ogg_stream_flush(&stream, &page))
        Append(out, page);
    ogg_stream_clear(&stream);
    return out;
}

std::vector<QByteArray> ReadOggPackets(const QByteArray& file) {
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    char* buffer = ogg_sync_buffer(&sync, long(file.size()));
    std::memcpy(buffer, file.constData(), std::size_t(file.size()));
    ogg_sync_wrote(&sync, long(file.size()));

    std::vector<QByteArray> packets;
    ogg_stream_state stream;
    bool started = false;
    ogg_page page;
    while (ogg_sync_pageout(&sync, &page) == 1) {
        if (!started) {
            ogg_stream_init(&stream, ogg_page_serialno(&page));
            started = true;
        }
        if (ogg_page_serialno(&page) != stream.serialno)
            continue;
        ogg_stream_pagein(&stream, &page);
        ogg_packet p;
        while (ogg_stream_packetout(&stream, &p) == 1)
            packets.emplace_back(reinterpret_cast<const char*>(p.packet), int(p.bytes));
    }
    if (started)
        ogg_stream_clear(&stream);
    ogg_sync_clear(&sync);
    return packets;
}

} // namespace orv::test
