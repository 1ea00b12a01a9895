#include "VoiceFloor.h"

#include <algorithm>

namespace orv::server {

bool VoiceFloor::take(std::int32_t room, std::uint16_t user, int microphones) {
    std::vector<std::uint16_t>& speakers = m_speakers[room];
    if (std::find(speakers.begin(), speakers.end(), user) != speakers.end())
        return true;
    if (int(speakers.size()) >= microphones)
        return false;
    speakers.push_back(user);
    return true;
}

bool VoiceFloor::release(std::int32_t room, std::uint16_t user) {
    const auto it = m_speakers.find(room);
    if (it == m_speakers.end() || std::erase(it->second, user) == 0)
        return false;
    if (it->second.empty())
        m_speakers.erase(it);
    return true;
}

bool VoiceFloor::holds(std::int32_t room, std::uint16_t user) const {
    const auto it = m_speakers.find(room);
    return it != m_speakers.end() &&
           std::find(it->second.begin(), it->second.end(), user) != it->second.end();
}

std::vector<std::uint16_t> VoiceFloor::speakers(std::int32_t room) const {
    const auto it = m_speakers.find(room);
    return it == m_speakers.end() ? std::vector<std::uint16_t>{} : it->second;
}

std::optional<std::int32_t> VoiceFloor::codec(std::int32_t room) const {
    const auto it = m_codecs.find(room);
    return it == m_codecs.end() ? std::nullopt : std::optional(it->second);
}

std::optional<std::int32_t> VoiceFloor::microphones(std::int32_t room) const {
    const auto it = m_microphones.find(room);
    return it == m_microphones.end() ? std::nullopt : std::optional(it->second);
}

} // namespace orv::server
