#pragma once
// The voice connection's players, one per simultaneous talker, and the routing of received frames to them
// by speaker. A speaker keeps its player until it stops talking; a new speaker gets a free player that has
// played out what the last one said, so that two speakers never share a decoder. The room's talker count
// may change while frames arrive: the pool grows and shrinks under the lock that routing holds while it
// plays, so a player is never freed under the receiving thread.

#include "voice/ACMPlayer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace orv {

class TPlayerPool {
public:
    using PlayerMaker = std::function<std::unique_ptr<TACMPlayer>()>;

    void Add(std::unique_ptr<TACMPlayer> player);
    std::size_t Size() const;
    // For tests and the thread that owns the pool; not while it may shrink.
    TACMPlayer& At(std::size_t i) { return *m_players[i]; }
    // Whom each player plays (0: nobody), in the pool's order, as routing leaves them.
    std::vector<std::uint16_t> Speakers() const;

    // Grows to `count` players made by `make`, or shrinks to it, the players that play nobody going first.
    // On the thread that made the players: they are made and freed there.
    void Resize(std::size_t count, const PlayerMaker& make);

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

    mutable std::mutex m_mutex; // the players and their speakers
    std::vector<std::unique_ptr<TACMPlayer>> m_players;
};

} // namespace orv
