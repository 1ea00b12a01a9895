#pragma once
// The voice connection: a raw sign-on block, the server's bare header in reply, then framed voice. Frames
// carry compressed audio of the room's codec: 9 from a speaker, 27 to the listeners with the speaker's id,
// 100 as a keep-alive.

#include "protocol/FixedRecord.h"
#include "protocol/PacketHeader.h"

#include <QByteArray>

#include <cstdint>

namespace orv {

// A frame is about half a second of compressed speech, a few kilobytes at most; a larger one means the
// stream is broken.
inline constexpr std::int32_t kMaxVoicePayload = 64 * 1024;

// The sign-on: the control sign-in record's layout with the user id in its first two bytes (the user name
// goes empty), then the room id.
class TVoiceSignOn : public TFixedRecord<66> {
public:
    std::uint16_t UserId() const { return get<std::uint16_t, 0>(); }
    void SetUserId(std::uint16_t v) { set<std::uint16_t, 0>(v); }
    QString Password() const { return text<2, 10>(); }
    void SetPassword(const QString& v) { setText<2, 10>(v); }
    QString UserName() const { return text<13, 50>(); }
    std::uint16_t RoomId() const { return get<std::uint16_t, 64>(); }
    void SetRoomId(std::uint16_t v) { set<std::uint16_t, 64>(v); }
};
static_assert(sizeof(TVoiceSignOn) == 66);

// A voice frame as it goes on the wire: header (Stamp 0, DataSize the payload's size) and payload.
QByteArray VoiceFrame(std::uint16_t command, std::uint16_t userId, std::uint16_t roomId, const void* payload,
                      std::size_t size);

} // namespace orv
