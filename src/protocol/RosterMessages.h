#pragma once
// The participants' messages of the control connection. The participant list request (cmParticipantList),
// the status request (cmParticipantStates) and a departure (cmParticipantLeft, the header's UserId left)
// are header-only.

#include "protocol/PayloadReader.h"
#include "protocol/RosterRecords.h"

#include <QByteArray>

#include <vector>

namespace orv {

// cmParticipantList reply: a leading block whose first two bytes count the records that follow; the rest
// of the block is not interpreted. A count above the records present yields the whole records there are.
struct TParticipantListReply {
    static constexpr std::size_t kLeadingBlockSize = TParticipantRecord::kSize;

    std::vector<TParticipantRecord> participants;

    QByteArray encode() const;
    // Throws EPayloadError when the leading block itself is short.
    static TParticipantListReply decode(PayloadReader& reader);
};

// cmParticipantJoined: the newcomer's record.
struct TParticipantJoined {
    static constexpr std::size_t kSize = TParticipantRecord::kSize;

    TParticipantRecord participant;

    QByteArray encode() const { return participant.toByteArray(); }
    static TParticipantJoined decode(PayloadReader& reader);
};

// cmOnlineStatus: to the server the sender's new status, from the server the status of the header's user.
struct TOnlineStatusMessage {
    static constexpr std::size_t kSize = 1;

    TUserOnlineStatus status = usOnline;

    QByteArray encode() const;
    static TOnlineStatusMessage decode(PayloadReader& reader);
};

// cmParticipantStates reply: status records back to back; bytes short of a whole record at the end are
// ignored.
struct TParticipantStatesReply {
    std::vector<TParticipantStatusRecord> states;

    QByteArray encode() const;
    static TParticipantStatesReply decode(PayloadReader& reader);
};

} // namespace orv
