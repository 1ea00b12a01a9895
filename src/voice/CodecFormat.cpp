#include "voice/CodecFormat.h"

#include "protocol/WireFormat.h"

namespace orv {
namespace {

template <typename T> void Put(QByteArray& out, T value) {
    out.append(wire::bytesOf(value));
}

} // namespace

QByteArray CodecFormat::encode() const {
    QByteArray out;
    out.reserve(qsizetype(size()));
    Put(out, formatTag);
    Put(out, channels);
    Put(out, samplesPerSec);
    Put(out, avgBytesPerSec);
    Put(out, blockAlign);
    Put(out, bitsPerSample);
    Put(out, std::uint16_t(extra.size()));
    out.append(reinterpret_cast<const char*>(extra.data()), qsizetype(extra.size()));
    return out;
}

CodecFormat CodecFormat::decode(PayloadReader& reader) {
    CodecFormat f;
    f.formatTag = reader.u16();
    f.channels = reader.u16();
    f.samplesPerSec = reader.u32();
    f.avgBytesPerSec = reader.u32();
    f.blockAlign = reader.u16();
    f.bitsPerSample = reader.u16();
    const std::uint16_t extraSize = reader.u16();
    const QByteArray extra = reader.bytes(extraSize);
    f.extra.assign(extra.begin(), extra.end());
    return f;
}

bool CodecFormat::SameHeader(const CodecFormat& other) const {
    return formatTag == other.formatTag && channels == other.channels &&
           samplesPerSec == other.samplesPerSec && avgBytesPerSec == other.avgBytesPerSec &&
           blockAlign == other.blockAlign && bitsPerSample == other.bitsPerSample;
}

} // namespace orv
