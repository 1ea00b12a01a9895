#pragma once
// The records of the room list and of room entry.

#include "protocol/FixedRecord.h"

namespace orv {

// One row of the room list reply; the entries stand back to back.
class TRoomListEntry : public TFixedRecord<404> {
public:
    std::int32_t Number() const { return get<std::int32_t, 0>(); }
    void SetNumber(std::int32_t v) { set<std::int32_t, 0>(v); }
    // The name field spans 330 bytes; a short string's length byte reaches 255 at most.
    QString Name() const { return text<58, 255>(); }
    void SetName(const QString& v) { setText<58, 255>(v); }
    bool IsPrivate() const { return get<std::int32_t, 388>() != 0; }
    void SetPrivate(bool v) { set<std::int32_t, 388>(v ? 1 : 0); }
    std::int32_t State() const { return get<std::int32_t, 392>(); }
    void SetState(std::int32_t v) { set<std::int32_t, 392>(v); }
};
static_assert(sizeof(TRoomListEntry) == 404);

// The room states a list entry shows with their own text.
namespace RoomState {
constexpr std::int32_t Disabled = 0;
constexpr std::int32_t Open = 1;
constexpr std::int32_t Unavailable = 2;
constexpr std::int32_t Expired = 3;
} // namespace RoomState

// First part of the room entry reply: where the voice and bulk-transfer connections go.
class TRoomConnection : public TFixedRecord<54> {
public:
    std::int32_t VoicePort() const { return get<std::int32_t, 25>(); }
    void SetVoicePort(std::int32_t v) { set<std::int32_t, 25>(v); }
    std::int32_t BulkPort() const { return get<std::int32_t, 50>(); }
    void SetBulkPort(std::int32_t v) { set<std::int32_t, 50>(v); }
};
static_assert(sizeof(TRoomConnection) == 54);

// The room entered: second part of the room entry reply and the payload of cmRoomInfo.
class TRoomRecord : public TFixedRecord<1418> {
public:
    std::int32_t Number() const { return get<std::int32_t, 0>(); }
    void SetNumber(std::int32_t v) { set<std::int32_t, 0>(v); }
    QString Name() const { return text<4, 255>(); }
    void SetName(const QString& v) { setText<4, 255>(v); }
    std::uint16_t BoardHolder() const { return get<std::uint16_t, 878>(); }
    void SetBoardHolder(std::uint16_t v) { set<std::uint16_t, 878>(v); }
    bool RecorderFlag() const { return get<std::uint8_t, 1085>() != 0; }
    void SetRecorderFlag(bool v) { set<std::uint8_t, 1085>(v ? 1 : 0); }
    bool SharingFlag() const { return get<std::uint8_t, 1087>() != 0; }
    void SetSharingFlag(bool v) { set<std::uint8_t, 1087>(v ? 1 : 0); }
    // The field ends where the video flag starts, so it holds 252 characters.
    QString WelcomePage() const { return text<1089, 252>(); }
    void SetWelcomePage(const QString& v) { setText<1089, 252>(v); }
    bool VideoFlag() const { return get<std::uint8_t, 1342>() != 0; }
    void SetVideoFlag(bool v) { set<std::uint8_t, 1342>(v ? 1 : 0); }
    std::int32_t AudioCodec() const { return get<std::int32_t, 1343>(); }
    void SetAudioCodec(std::int32_t v) { set<std::int32_t, 1343>(v); }
    std::int32_t MicrophoneCount() const { return get<std::int32_t, 1351>(); }
    void SetMicrophoneCount(std::int32_t v) { set<std::int32_t, 1351>(v); }
    std::int32_t AudioQueueSize() const { return get<std::int32_t, 1355>(); }
    void SetAudioQueueSize(std::int32_t v) { set<std::int32_t, 1355>(v); }
};
static_assert(sizeof(TRoomRecord) == 1418);

} // namespace orv
