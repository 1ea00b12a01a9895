#pragma once
// What other subsystems may ask of the roster: who is in the room, in display order, under which names and
// with which role. Filled by the roster; the others only read.

#include "protocol/RosterRecords.h"

#include <QString>

#include <optional>
#include <vector>

namespace orv {

struct TParticipantInfo {
    std::uint16_t userId = 0;
    QString firstName;   // the record's short name
    QString fullName;    // the record's full name
    QString displayName; // the name the roster shows, the full name to begin with
    std::int32_t userType = 0;

    bool IsModerator() const { return userType >= kModeratorUserType; }
};

class IParticipantDirectory {
public:
    virtual ~IParticipantDirectory() = default;
    // None when nobody in the room has the id.
    virtual std::optional<TParticipantInfo> Lookup(std::uint16_t userId) const = 0;
    virtual std::vector<TParticipantInfo> InDisplayOrder() const = 0;
    // The participant selected in the participant list, if any.
    virtual std::optional<std::uint16_t> SelectedUser() const { return std::nullopt; }
};

} // namespace orv
