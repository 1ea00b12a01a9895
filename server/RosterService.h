#pragma once
// The participants of each room: the participant list, joins and departures told to the rest of the room,
// online status relayed, and the room's states answered as the room's rights keep them.

#include "protocol/RosterMessages.h"
#include "protocol/RosterRecords.h"
#include "protocol/SignInRecords.h"

#include "RoomRights.h"
#include "Service.h"

#include <map>
#include <unordered_map>

namespace orv::server {

class ClientConnection;
class IServiceHost;
enum class MemberChange;
struct RoomConfig;

// A signed-in user as the others in the room see it. Moderator rights from the account type or the room
// role show as a moderator's user type.
TParticipantRecord makeParticipantRecord(const TAccountRecord& account, std::int32_t timeZoneBias,
                                         TUserOnlineStatus status);
class RosterService final : public Service {
public:
    explicit RosterService(IServiceHost& host);

private:
    void onMembership(ClientConnection& member, std::int32_t room, MemberChange change);
    TParticipantListReply participants(std::int32_t room) const;
    void answerParticipantList(ClientConnection& requester);
    void answerStates(ClientConnection& requester);
    void onOnlineStatus(ClientConnection& sender, TUserOnlineStatus status);
    TParticipantRecord recordOf(const ClientConnection& member) const;

    IServiceHost& m_host;
    // Reported once per sign-in, before any room is entered; by user, so the set stays as small as the
    // accounts.
    std::map<std::uint16_t, std::int32_t> m_timeZoneBias;
};

} // namespace orv::server
