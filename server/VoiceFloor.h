#pragma once
// Who holds a microphone in each room, and the room voice settings moderators changed. A room has as many
// microphones as its configuration says until a moderator sets another count; a participant holds at most
// one.

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace orv::server {

class VoiceFloor {
public:
    // True when `user` holds a microphone of `room` afterwards: already held, or one of `microphones` free.
    bool take(std::int32_t room, std::uint16_t user, int microphones);
    // True when `user` held one.
    bool release(std::int32_t room, std::uint16_t user);
    bool holds(std::int32_t room, std::uint16_t user) const;
    std::vector<std::uint16_t> speakers(std::int32_t room) const;

    // A moderator's choice for the room, which room entries report from then on; none: the configuration's.
    void setCodec(std::int32_t room, std::int32_t codec) { m_codecs[room] = codec; }
    std::optional<std::int32_t> codec(std::int32_t room) const;
    void setMicrophones(std::int32_t room, std::int32_t count) { m_microphones[room] = count; }
    std::optional<std::int32_t> microphones(std::int32_t room) const;

private:
    std::map<std::int32_t, std::vector<std::uint16_t>> m_speakers;
    std::map<std::int32_t, std::int32_t> m_codecs;
    std::map<std::int32_t, std::int32_t> m_microphones;
};

} // namespace orv::server
