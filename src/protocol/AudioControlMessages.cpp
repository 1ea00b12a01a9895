#include "protocol/AudioControlMessages.h"

#include "protocol/WireFormat.h"

namespace orv {

QByteArray TRoomVoiceValue::encode() const {
    return wire::bytesOf(value);
}

TRoomVoiceValue TRoomVoiceValue::decode(PayloadReader& reader) {
    return {reader.i32()};
}

TRemoteAudioRecord TRemoteAudioRecord::Request(std::uint16_t requester, std::uint16_t subject,
                                               std::int32_t command) {
    TRemoteAudioRecord r;
    r.SetRequester(requester);
    r.SetSubject(subject);
    r.SetVoiceStatus(0);
    r.SetSpeakerDevice(-1);
    r.SetSpeakerLevel(0);
    r.SetReserved(-1);
    r.SetMicrophoneDevice(-1);
    r.SetMicrophoneLevel(0);
    r.SetBoost(-1);
    r.SetCommand(command);
    r.SetQueueLength(0);
    return r;
}

} // namespace orv
