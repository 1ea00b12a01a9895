#include "moderation/RequestList.h"

namespace orv {

void TRequestList::Add(TRequestListEntry entry) {
    m_entries.push_back(std::move(entry));
    if (m_added)
        m_added(m_entries.back());
}

} // namespace orv
