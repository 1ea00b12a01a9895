#include "protocol/AppShareMessages.h"

namespace orv {

void AppendScreenTile(QByteArray& stream, TTileRecord record, QByteArrayView png) {
    record.SetByteCount(std::int32_t(png.size()));
    record.set<std::int32_t, 12>(0);
    stream.append(record.toByteArray());
    stream.append(png.data(), png.size());
}

std::optional<TScreenTile> TScreenTileWalker::next() {
    if (m_broken || m_position >= m_update.size())
        return std::nullopt;
    const qsizetype left = m_update.size() - m_position;
    if (left < qsizetype(TTileRecord::kSize)) {
        m_broken = true;
        return std::nullopt;
    }
    TScreenTile tile;
    tile.record.fromBytes(reinterpret_cast<const std::uint8_t*>(m_update.data() + m_position));
    m_position += qsizetype(TTileRecord::kSize);
    const std::int32_t count = tile.record.ByteCount();
    if (count < 0 || count > m_update.size() - m_position) {
        m_broken = true;
        return std::nullopt;
    }
    tile.png = m_update.sliced(m_position, count).toByteArray();
    m_position += count;
    return tile;
}

bool TileFitsPicture(const TTileRecord& r, std::int32_t pictureWidth, std::int32_t pictureHeight) {
    const std::int64_t x = r.X(), y = r.Y(), w = r.Width(), h = r.Height();
    return w >= 1 && h >= 1 && x >= 0 && y >= 0 && x + w <= pictureWidth && y + h <= pictureHeight;
}

QByteArray TCursorMessage::encode() const {
    TCursorRecord r = record;
    r.SetByteCount(std::int32_t(png.size()));
    r.set<std::int32_t, 12>(0);
    return r.toByteArray() + png;
}

TCursorMessage TCursorMessage::decode(PayloadReader& reader) {
    TCursorMessage m;
    m.record.readFrom(reader);
    const std::int32_t count = m.record.ByteCount();
    if (count >= 1) {
        if (std::size_t(count) > reader.remaining())
            throw EPayloadError("cursor image beyond the payload");
        m.png = reader.bytes(std::size_t(count));
    }
    return m;
}

QByteArray TTileVersions::encode() const {
    QByteArray out(qsizetype(versions.size() * 4), '\0');
    for (std::size_t i = 0; i < versions.size(); ++i)
        wire::store<std::int32_t>(reinterpret_cast<std::uint8_t*>(out.data()) + 4 * i, versions[i]);
    return out;
}

TTileVersions TTileVersions::decode(PayloadReader& reader) {
    if (reader.remaining() % 4 != 0 || reader.remaining() / 4 > kMaxCount)
        throw EPayloadError("tile versions of a size that fits no grid");
    TTileVersions m;
    m.versions.reserve(reader.remaining() / 4);
    while (!reader.atEnd())
        m.versions.push_back(reader.i32());
    return m;
}

QByteArray TGiveControlMessage::encode() const {
    QByteArray out(qsizetype(kSize), '\0');
    wire::store<std::uint16_t>(reinterpret_cast<std::uint8_t*>(out.data()), userId);
    return out;
}

TGiveControlMessage TGiveControlMessage::decode(PayloadReader& reader) {
    return {reader.u16()};
}

} // namespace orv
