#pragma once
// The roster: one entry per participant in the room, in display order, with the selected entry, the own
// entry and the motion counters. Entries are looked up by user id, linearly. Main thread only.

#include "roster/LocalTime.h"
#include "roster/UserNode.h"

#include <QObject>

#include <memory>
#include <vector>

namespace orv {

class ITimer;
class ITimerFactory;
struct TSessionState;

// The orders the roster can be sorted in, by the numbers the view's menu uses.
enum class TSortKind { Name = 0, ModeratorsOnTop = 3, HandQueue = 4 };

class Roster final : public QObject {
    Q_OBJECT
public:
    // The state tells the own user id and whether the session plays a recording.
    explicit Roster(const TSessionState& state, QObject* parent = nullptr);
    ~Roster() override;

    // Creates the entry for the record, which it keeps. An entry already there for the same user id is
    // removed first, so a participant is never listed twice.
    TUserNode& AddParticipant(const TParticipantRecord& record);
    // The first entry with the user id, in display order; none when nobody has it.
    TUserNode* FindEntry(std::uint16_t userId) const;
    const TParticipantRecord* FindParticipant(std::uint16_t userId) const;
    // Removes and frees the entry with its record, taking its motions off the counters; the raised hands
    // behind it close up.
    void RemoveParticipant(std::uint16_t userId);
    void ClearRoster();

    int Count() const { return int(m_entries.size()); }
    // In display order; 0 <= index < Count().
    TUserNode& Entry(int index) const { return *m_entries[std::size_t(index)]; }
    TUserNode* OwnEntry() const { return m_own; }
    TUserNode* Selected() const { return m_selected; }
    // None for a user id without an entry.
    void Select(std::uint16_t userId);

    int HandsCount() const { return m_hands; }
    int PositiveCount() const { return m_positive; }
    int NegativeCount() const { return m_negative; }

    // The motion update: the counters, the raised-hands queue, the picture and its blinking follow `value`.
    void SetMotions(TUserNode& entry, std::int32_t value);
    void MoveToTop(TUserNode& entry);

    // Timers for blinking motion pictures and the minute tick of the local-time lines, and the clock those
    // lines read. Without them pictures never blink and the lines are written only on expanding.
    void SetTimers(ITimerFactory* timers, TUtcClock utcNow);
    // Sorts the display order; every entry is collapsed. Ties keep their order.
    void Sort(TSortKind kind);
    // Expanding writes the entry's local-time line; each change is told by ItemExpanded.
    void SetExpanded(TUserNode& entry, bool expanded);
    void SetAllExpanded(bool expanded);
    // Writes the local-time line of every expanded entry (the minute tick does this too).
    void RefreshLocalTimes();

    // The acknowledgement marks: all hidden, or shown on the entry with the user id (none: nothing).
    void HideLoadMarks();
    void ShowLoadMark(std::uint16_t userId);

signals:
    // Anything a view shows changed: an entry came or went, the selection or an entry's properties.
    void Changed();
    // An entry was expanded or collapsed.
    void ItemExpanded(std::uint16_t userId, bool expanded);

private:
    friend class TUserNode;
    void entryChanged() { emit Changed(); }
    // Takes away what the entry's motion value adds to the counters; returns its queue number.
    int withdrawMotion(TUserNode& entry);
    void renumberHandsAbove(int number);
    void refreshLocalTime(TUserNode& entry);

    const TSessionState& m_state;
    std::vector<std::unique_ptr<TUserNode>> m_entries;
    TUserNode* m_own = nullptr;
    TUserNode* m_selected = nullptr;
    int m_hands = 0;
    int m_positive = 0;
    int m_negative = 0;
    ITimerFactory* m_timers = nullptr;
    TUtcClock m_utcNow;
    std::unique_ptr<ITimer> m_minuteTimer;
};

} // namespace orv
