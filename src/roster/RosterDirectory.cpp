#include "roster/RosterDirectory.h"

#include "roster/Roster.h"

namespace orv {
namespace {

TParticipantInfo InfoOf(const TUserNode& entry) {
    const TParticipantRecord& record = entry.Record();
    return {record.UserId(), record.FirstName(), record.FullName(), entry.UserName(), record.UserType()};
}

} // namespace

std::optional<TParticipantInfo> RosterDirectory::Lookup(std::uint16_t userId) const {
    if (const TUserNode* entry = m_roster.FindEntry(userId))
        return InfoOf(*entry);
    return std::nullopt;
}

std::vector<TParticipantInfo> RosterDirectory::InDisplayOrder() const {
    std::vector<TParticipantInfo> all;
    all.reserve(std::size_t(m_roster.Count()));
    for (int i = 0; i < m_roster.Count(); ++i)
        all.push_back(InfoOf(m_roster.Entry(i)));
    return all;
}

std::optional<std::uint16_t> RosterDirectory::SelectedUser() const {
    if (const TUserNode* selected = m_roster.Selected())
        return selected->UID();
    return std::nullopt;
}

} // namespace orv
