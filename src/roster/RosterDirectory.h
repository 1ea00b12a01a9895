#pragma once
// The roster as the other subsystems see it: participants by user id and in display order.

#include "session/ParticipantDirectory.h"

namespace orv {

class Roster;

class RosterDirectory final : public IParticipantDirectory {
public:
    explicit RosterDirectory(const Roster& roster) : m_roster(roster) {}

    std::optional<TParticipantInfo> Lookup(std::uint16_t userId) const override;
    std::vector<TParticipantInfo> InDisplayOrder() const override;
    std::optional<std::uint16_t> SelectedUser() const override;

private:
    const Roster& m_roster;
};

} // namespace orv
