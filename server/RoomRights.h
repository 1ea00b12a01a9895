#pragma once
// The rooms' truth, the one place that decides who may do what: each member's microphone, camera, board
// access, motions and online status, the board lock holder, and the moderators; who speaks is the voice
// floor's, read from it. Kept by user and
// room, so a member whose connection drops and who signs in again finds what it was granted, until a
// moderator withdraws it or the room empties. Every service asks here and changes it as its packets take
// effect; the status list reports it.

#include "protocol/RosterRecords.h"
#include "protocol/SignInRecords.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace orv::server {

class ClientConnection;
class RoomMembers;
class VoiceFloor;
struct RoomConfig;
struct ServerConfig;

// The states a participant first enters a room with: moderators hold the microphone and the public boards,
// and the camera where the room allows video; everybody else holds none of them.
TParticipantStatusRecord initialStates(const TAccountRecord& account, const RoomConfig* room);

class RoomRights {
public:
    RoomRights(const ServerConfig& config, const RoomMembers& members, const VoiceFloor& floor);

    // Called by the host when a member has entered a room (before the services hear of it) and once the
    // services have heard it left. A kept user type comes back onto the member's account.
    void entered(ClientConnection& member, std::int32_t room);
    void left(const ClientConnection& member, std::int32_t room);

    // Rights, each for the member's current room; none outside a room.
    bool isModerator(const ClientConnection& member) const;
    // Moderators start with the microphone and the public boards; a moderator may withdraw either.
    // Drawing, text and the pointer on the public boards, and asking for the lock.
    bool mayUseBoards(const ClientConnection& member) const;
    // Clearing a public board, placing pictures and slides on one.
    bool holdsLock(const ClientConnection& member) const;
    // A microphone grant: what the floor needs besides a free microphone.
    bool mayTalk(const ClientConnection& member) const;
    bool mayBroadcastVideo(const ClientConnection& member) const;
    bool mayShare(const ClientConnection& member) const;
    bool mayRecord(const ClientConnection& member) const;
    bool mayManageLibrary(const ClientConnection& member) const;
    // The web tour's pages and everybody's view: a moderator or the lock holder.
    bool mayLead(const ClientConnection& member) const;

    // The room's state as the status list reports it: one record per member, in the members' order, the
    // microphone of whoever holds the floor showing speaking.
    std::vector<TParticipantStatusRecord> states(std::int32_t room) const;
    TUserOnlineStatus onlineStatus(const ClientConnection& member) const;
    std::uint16_t lockHolder(std::int32_t room) const;

    // Changes, each for a user of a room that has members. Unknown users and rooms are passed over.
    void setMicrophone(std::int32_t room, std::uint16_t user, bool granted);
    void setBoardAccess(std::int32_t room, std::uint16_t user, bool granted);
    void setBroadcasting(std::int32_t room, std::uint16_t user, bool broadcasting);
    void setMotions(std::int32_t room, std::uint16_t user, std::int32_t motions);
    void setOnlineStatus(std::int32_t room, std::uint16_t user, TUserOnlineStatus status);
    // A microphone (8) or camera (9) request toggles the sender's request.
    void toggleRequest(std::int32_t room, std::uint16_t user, std::uint8_t type);
    // Motions and pending requests of everybody in the room go.
    void clearMotions(std::int32_t room);
    // A moderator's promotion (1000) or demotion (0): rights follow the type, which comes back with the
    // next sign-in too.
    void setUserType(std::int32_t room, std::uint16_t user, std::int32_t type);
    void setLockHolder(std::int32_t room, std::uint16_t user);

private:
    struct Member {
        TParticipantStatusRecord states; // the microphone as granted or requested; speaking is overlaid
        bool moderator = false;
        bool microphone = false; // granted, whatever a pending request shows meanwhile
        bool broadcasting = false;
        TUserOnlineStatus online = usOnline;
        std::optional<std::int32_t> userType; // a moderator's change
    };
    struct Room {
        std::map<std::uint16_t, Member> members; // present or gone for now
        std::uint16_t lockHolder = 0;
    };

    const Member* find(std::int32_t room, std::uint16_t user) const;
    Member* find(std::int32_t room, std::uint16_t user);
    const Member* find(const ClientConnection& member) const;
    // The camera picture a member's right and broadcast give.
    void refreshCamera(std::int32_t room, Member& m);

    const ServerConfig& m_config;
    const RoomMembers& m_members;
    const VoiceFloor& m_floor;
    std::map<std::int32_t, Room> m_rooms;
};

} // namespace orv::server
