#include "protocol/RosterMessages.h"

#include "protocol/WireFormat.h"

#include <algorithm>
#include <limits>

namespace orv {
namespace {

// Whole records of type R from the reader, at most `limit` of them.
template <typename R> std::vector<R> wholeRecords(PayloadReader& reader, std::size_t limit) {
    const std::size_t count = std::min(limit, reader.remaining() / R::kSize);
    std::vector<R> records(count);
    for (R& record : records)
        record.readFrom(reader);
    return records;
}

} // namespace

QByteArray TParticipantListReply::encode() const {
    const std::size_t count =
        std::min<std::size_t>(participants.size(), std::numeric_limits<std::uint16_t>::max());
    QByteArray bytes(qsizetype(kLeadingBlockSize), '\0');
    wire::store(reinterpret_cast<std::uint8_t*>(bytes.data()), std::uint16_t(count));
    for (std::size_t i = 0; i < count; ++i)
        bytes += participants[i].toByteArray();
    return bytes;
}

TParticipantListReply TParticipantListReply::decode(PayloadReader& reader) {
    const std::size_t start = reader.position();
    const std::uint16_t count = reader.u16();
    reader.seek(start); // the count is part of the block
    reader.skip(kLeadingBlockSize);
    return {wholeRecords<TParticipantRecord>(reader, count)};
}

TParticipantJoined TParticipantJoined::decode(PayloadReader& reader) {
    TParticipantJoined joined;
    joined.participant.readFrom(reader);
    return joined;
}

QByteArray TOnlineStatusMessage::encode() const {
    return wire::bytesOf(std::uint8_t(status));
}

TOnlineStatusMessage TOnlineStatusMessage::decode(PayloadReader& reader) {
    return {TUserOnlineStatus(reader.u8())};
}

QByteArray TParticipantStatesReply::encode() const {
    QByteArray bytes;
    bytes.reserve(qsizetype(states.size() * TParticipantStatusRecord::kSize));
    for (const TParticipantStatusRecord& state : states)
        bytes += state.toByteArray();
    return bytes;
}

TParticipantStatesReply TParticipantStatesReply::decode(PayloadReader& reader) {
    return {wholeRecords<TParticipantStatusRecord>(reader, reader.remaining())};
}

} // namespace orv
