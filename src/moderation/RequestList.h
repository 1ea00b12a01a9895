#pragma once
// The requests that become notes: every request whose type acts on no roster entry, from a participant in
// the room. The notes list takes them from here.

#include "protocol/ModerationMessages.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <vector>

namespace orv {

struct TRequestListEntry {
    QDateTime time; // the record's local time of sending
    QString sender; // the sender's display name
    QString text;   // the record's own text
    bool complete = false;
    TRequestRecord record;
};

class TRequestList {
public:
    void Add(TRequestListEntry entry);
    const std::vector<TRequestListEntry>& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }
    // Told of each entry as it is added.
    void SetAdded(std::function<void(const TRequestListEntry&)> added) { m_added = std::move(added); }

private:
    std::vector<TRequestListEntry> m_entries;
    std::function<void(const TRequestListEntry&)> m_added;
};

} // namespace orv
