#pragma once
// The whiteboard of each room: drawing, text, images, slides and library images reach the rest of the room
// and the history of their public board, which joining participants load; the board lock is a token per
// room, granted to one participant with public-board access at a time and released when the holder gives it
// back, loses access or leaves; moderators grant and take access; the lock holder's board is the room's.
// Drawing, text and the pointer need public-board access, clearing and placing pictures the lock, as the
// room's rights say; what the sender may not do reaches nobody. The room's main view (118) is switched by
// a moderator or the lock holder and told to those who ask (119).

#include "BoardContent.h"
#include "BoardHistory.h"
#include "Service.h"

#include <QByteArray>

#include <cstdint>
#include <map>
#include <vector>

namespace orv {
struct TIncomingPacket;
}

namespace orv::server {

class ClientConnection;
class IServiceHost;
enum class MemberChange;
struct RoomStatePacket;

class BoardService final : public Service, public IBoardContent {
public:
    explicit BoardService(IServiceHost& host);

    const BoardHistory& history() const { return m_history; }
    std::uint16_t lockHolder(std::int32_t room) const;

    bool mayShowOnBoard(const ClientConnection& member, std::int32_t board) override;
    bool keep(std::int32_t room, std::int32_t board, BoardHistoryEntry entry) override;

private:
    struct RoomBoards {
        std::int32_t board = 0; // the lock holder's last board; 0 until one is announced
        std::int32_t view = 0;  // the main view everybody was last switched to
    };

    RoomBoards* roomOf(const ClientConnection& client);
    void addState(std::int32_t room, std::vector<RoomStatePacket>& state) const;
    // Logs and refuses what the sender may not do.
    bool allowed(const ClientConnection& from, bool right, std::uint16_t command);
    void relay(ClientConnection& from, const TBoardDrawingBatch& batch);
    void lock(ClientConnection& from);
    void unlock(ClientConnection& from);
    void release(std::int32_t room, const ClientConnection& holder);
    void access(ClientConnection& from, const TIncomingPacket& packet);
    // Text, images, the pointer and clears: relayed to the others, kept where they change a board.
    void share(ClientConnection& from, const TIncomingPacket& packet);
    void showBoard(ClientConnection& from, const TIncomingPacket& packet);
    void showPicture(ClientConnection& from, const TIncomingPacket& packet);
    void setView(ClientConnection& from, const TIncomingPacket& packet);
    void left(ClientConnection& member, std::int32_t room);

    IServiceHost& m_host;
    BoardHistory m_history;
    std::map<std::int32_t, RoomBoards> m_rooms;
};

} // namespace orv::server
