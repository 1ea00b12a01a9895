#include "voice/PlayerPool.h"

#include <algorithm>

namespace orv {

void TPlayerPool::Add(std::unique_ptr<TACMPlayer> player) {
    std::lock_guard lock(m_mutex);
    m_players.push_back(std::move(player));
}

std::size_t TPlayerPool::Size() const {
    std::lock_guard lock(m_mutex);
    return m_players.size();
}

std::vector<std::uint16_t> TPlayerPool::Speakers() const {
    std::lock_guard lock(m_mutex);
    std::vector<std::uint16_t> speakers;
    for (const auto& p : m_players)
        speakers.push_back(p->speaker);
    return speakers;
}

void TPlayerPool::Resize(std::size_t count, const PlayerMaker& make) {
    std::vector<std::unique_ptr<TACMPlayer>> made;
    std::vector<std::unique_ptr<TACMPlayer>> gone; // freed once the lock is left
    const std::size_t now = Size();
    for (std::size_t i = now; i < count; ++i)
        made.push_back(make()); // opening a device takes a while: outside the lock
    std::lock_guard lock(m_mutex);
    for (auto& player : made)
        m_players.push_back(std::move(player));
    // Free and drained first, then free, then whoever was added last.
    const auto rank = [](const TACMPlayer& p) { return p.speaker != 0 ? 2 : p.Queued() > 0 ? 1 : 0; };
    for (int r = 0; r <= 2 && m_players.size() > count; ++r)
        for (std::size_t i = m_players.size(); i-- > 0 && m_players.size() > count;)
            if (rank(*m_players[i]) == r) {
                gone.push_back(std::move(m_players[i]));
                m_players.erase(m_players.begin() + std::ptrdiff_t(i));
            }
    // `gone` is freed after the lock: a player's device is closed without holding up the receiving thread.
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
    std::lock_guard lock(m_mutex);
    TACMPlayer* player = choose(speaker);
    if (!player)
        return false;
    player->speaker = speaker;
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
    std::lock_guard lock(m_mutex);
    for (const auto& p : m_players)
        p->Out().SetNumBuffers(length);
}

std::optional<int> TPlayerPool::LongestQueue() const {
    std::lock_guard lock(m_mutex);
    if (m_players.empty())
        return std::nullopt;
    int longest = 0;
    for (const auto& p : m_players)
        longest = std::max(longest, p->Queued());
    return longest;
}

} // namespace orv
