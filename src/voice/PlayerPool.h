#pragma once
// The voice connection's players, one per simultaneous talker, and the routing of received frames to them
// by speaker. A speaker keeps its player until it stops talking; a new speaker gets a free player that has
// played out what the last one said, so that two speakers never share a decoder.

#include "voice/ACMPlayer.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace orv {

class TPlayerPool {
public:
    void Add(std::unique_ptr<TACMPlayer> player);
    std::size_t Size() const { return m_players.size(); }
    TACMPlayer& At(std::size_t i) { return *m_players[i]; }

    // Hands a frame of `speaker` to the speaker's player; false when it was dropped because every player
    // is busy with another speaker. From the receiving thread.
    bool Route(std::uint16_t speaker, const std::uint8_t* bytes, int size);
    // The speaker stopped talking: its player is free again.
    void Release(std::uint16_t speaker);
    // The queue length of every player.
    void SetQueueLength(std::uint8_t length);
    // The most blocks any player has queued; nothing without players.
    std::optional<int> LongestQueue() const;

private:
    TACMPlayer* choose(std::uint16_t speaker);

    mutable std::mutex m_mutex; // the speakers
    std::vector<std::unique_ptr<TACMPlayer>> m_players;
};

} // namespace orv
