#include "voice/PlayerPool.h"

#include <algorithm>

namespace orv {

void TPlayerPool::Add(std::unique_ptr<TACMPlayer> player) {
    std::lock_guard lock(m_mutex);
    m_players.push_back(std::move(player));
}

TACMPlayer* TPlayerPool::choose(std::uint16_t speaker) {
    for (const auto& p : m_players)
        if (p->speaker == speaker)
            return p.get();
    for (const auto& p : m_players)
        if (p->speaker == 0 && p->Queued() == 0)
            return p.get();
    // A player still playing out its last speaker: the new one follows on behind.
    for (const auto& p : m_players)
        if (p->speaker == 0)
            return p.get();
    return nullptr;
}

bool TPlayerPool::Route(std::uint16_t speaker, const std::uint8_t* bytes, int size) {
    TACMPlayer* player = nullptr;
    {
        std::lock_guard lock(m_mutex);
        player = choose(speaker);
        if (!player)
            return false;
        player->speaker = speaker;
    }
    player->Play(bytes, size);
    return true;
}

void TPlayerPool::Release(std::uint16_t speaker) {
    std::lock_guard lock(m_mutex);
    for (const auto& p : m_players)
        if (p->speaker == speaker)
            p->speaker = 0;
}

void TPlayerPool::SetQueueLength(std::uint8_t length) {
    for (const auto& p : m_players)
        p->Out().SetNumBuffers(length);
}

std::optional<int> TPlayerPool::LongestQueue() const {
    if (m_players.empty())
        return std::nullopt;
    int longest = 0;
    for (const auto& p : m_players)
        longest = std::max(longest, p->Queued());
    return longest;
}

} // namespace orv
