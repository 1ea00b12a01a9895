#pragma once
// The room's voice settings a moderator changes for everybody (cmSetAudioCodec: the codec index,
// cmSetMicrophoneCount: the talker count, each one i32) and remote audio control (cmRemoteAudio): a
// moderator reads and sets another participant's levels, and the participant's client answers with the same
// record filled in.

#include "protocol/FixedRecord.h"
#include "protocol/PayloadReader.h"

#include <QByteArray>

#include <cstdint>

namespace orv {

// cmSetAudioCodec and cmSetMicrophoneCount: one i32.
struct TRoomVoiceValue {
    static constexpr std::size_t kSize = 4;
    std::int32_t value = 0;

    QByteArray encode() const;
    static TRoomVoiceValue decode(PayloadReader& reader);
};

// What a remote audio record asks of the subject's client.
namespace RemoteAudioCommand {
constexpr std::int32_t Query = 0;
constexpr std::int32_t Apply = 1;
constexpr std::int32_t Reconnect = 2;
} // namespace RemoteAudioCommand

// cmRemoteAudio. Devices and the boost are -1 for "not available" in a reply and "leave unchanged" in a
// request; the reserved field travels back unchanged.
class TRemoteAudioRecord : public TFixedRecord<36> {
public:
    std::uint16_t Requester() const { return get<std::uint16_t, 0>(); }
    void SetRequester(std::uint16_t v) { set<std::uint16_t, 0>(v); }
    std::uint16_t Subject() const { return get<std::uint16_t, 2>(); }
    void SetSubject(std::uint16_t v) { set<std::uint16_t, 2>(v); }
    std::int32_t VoiceStatus() const { return get<std::int32_t, 4>(); }
    void SetVoiceStatus(std::int32_t v) { set<std::int32_t, 4>(v); }
    std::int32_t SpeakerDevice() const { return get<std::int32_t, 8>(); }
    void SetSpeakerDevice(std::int32_t v) { set<std::int32_t, 8>(v); }
    std::uint16_t SpeakerLevel() const { return get<std::uint16_t, 12>(); }
    void SetSpeakerLevel(std::uint16_t v) { set<std::uint16_t, 12>(v); }
    std::int32_t Reserved() const { return get<std::int32_t, 14>(); }
    void SetReserved(std::int32_t v) { set<std::int32_t, 14>(v); }
    std::int32_t MicrophoneDevice() const { return get<std::int32_t, 18>(); }
    void SetMicrophoneDevice(std::int32_t v) { set<std::int32_t, 18>(v); }
    std::uint16_t MicrophoneLevel() const { return get<std::uint16_t, 22>(); }
    void SetMicrophoneLevel(std::uint16_t v) { set<std::uint16_t, 22>(v); }
    std::int32_t Boost() const { return get<std::int32_t, 24>(); }
    void SetBoost(std::int32_t v) { set<std::int32_t, 24>(v); }
    std::int32_t Command() const { return get<std::int32_t, 28>(); }
    void SetCommand(std::int32_t v) { set<std::int32_t, 28>(v); }
    std::int32_t QueueLength() const { return get<std::int32_t, 32>(); }
    void SetQueueLength(std::int32_t v) { set<std::int32_t, 32>(v); }

    // A request from `requester` about `subject`: everything left unchanged, no queue length.
    static TRemoteAudioRecord Request(std::uint16_t requester, std::uint16_t subject, std::int32_t command);

    QByteArray encode() const { return toByteArray(); }
    static TRemoteAudioRecord decode(PayloadReader& reader) {
        TRemoteAudioRecord r;
        r.readFrom(reader);
        return r;
    }
};
static_assert(sizeof(TRemoteAudioRecord) == 36);

} // namespace orv
