#pragma once
// Who holds a microphone in each room. A room has as many microphones as its configuration says; a
// participant holds at most one.

#include <cstdint>
#include <map>
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

private:
    std::map<std::int32_t, std::vector<std::uint16_t>> m_speakers;
};

} // namespace orv::server
