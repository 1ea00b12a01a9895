#include "roster/Roster.h"

#include "link/SessionState.h"
#include "platform/Timer.h"

#include <QCollator>

#include <algorithm>
#include <cstdlib>

namespace orv {
namespace {

// A bias beyond half a day east or west is not a time zone.
constexpr std::int32_t kMaxTimeBias = 720;
constexpr std::uint32_t kLocalTimeTickMs = 60000;

} // namespace

Roster::Roster(const TSessionState& state, QObject* parent) : QObject(parent), m_state(state) {}

Roster::~Roster() {
    // The entries' blink timers go before the factory's owner might.
    m_entries.clear();
}

void Roster::SetTimers(ITimerFactory* timers, TUtcClock utcNow) {
    m_timers = timers;
    m_utcNow = std::move(utcNow);
    m_minuteTimer.reset();
    if (m_timers) {
        m_minuteTimer = m_timers->CreateTimer(TTimerMode::Repeating, [this] { RefreshLocalTimes(); });
        m_minuteTimer->Start(kLocalTimeTickMs);
    }
}

void Roster::Sort(TSortKind kind) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    const auto byName = [&collator](const TUserNode& a, const TUserNode& b) {
        return collator.compare(a.UserName(), b.UserName()) < 0;
    };
    const auto before = [&](const std::unique_ptr<TUserNode>& pa, const std::unique_ptr<TUserNode>& pb) {
        const TUserNode& a = *pa;
        const TUserNode& b = *pb;
        switch (kind) {
        case TSortKind::ModeratorsOnTop:
            if (a.UserType() != b.UserType())
                return a.UserType() > b.UserType();
            break;
        case TSortKind::HandQueue: {
            // Entries with a queue number first, lowest first; those without after them.
            const bool aQueued = a.MotionIndex() > 0;
            const bool bQueued = b.MotionIndex() > 0;
            if (aQueued != bQueued)
                return aQueued;
            if (aQueued && a.MotionIndex() != b.MotionIndex())
                return a.MotionIndex() < b.MotionIndex();
            break;
        }
        case TSortKind::Name:
            break;
        }
        return byName(a, b);
    };
    std::stable_sort(m_entries.begin(), m_entries.end(), before);
    for (const auto& entry : m_entries)
        SetExpanded(*entry, false);
    emit Changed();
}

void Roster::SetExpanded(TUserNode& entry, bool expanded) {
    if (expanded)
        refreshLocalTime(entry);
    if (entry.Expanded() == expanded)
        return;
    entry.SetExpanded(expanded);
    emit ItemExpanded(entry.UID(), expanded);
}

void Roster::SetAllExpanded(bool expanded) {
    for (const auto& entry : m_entries)
        SetExpanded(*entry, expanded);
}

void Roster::RefreshLocalTimes() {
    for (const auto& entry : m_entries)
        if (entry->Expanded())
            refreshLocalTime(*entry);
}

void Roster::refreshLocalTime(TUserNode& entry) {
    const QDateTime now = m_utcNow ? m_utcNow() : QDateTime::currentDateTimeUtc();
    entry.SetUserLocalTime(ParticipantLocalTime(now, entry.TimeBias()));
    entry.SetInfoText(LocalTimeLine(now, entry.TimeBias()));
}

TUserNode& Roster::AddParticipant(const TParticipantRecord& record) {
    if (FindEntry(record.UserId()))
        RemoveParticipant(record.UserId());
    m_entries.push_back(std::make_unique<TUserNode>(*this, record));
    TUserNode& entry = *m_entries.back();
    if (entry.UID() == m_state.account.UserId())
        m_own = &entry;
    if (std::abs(std::int64_t(entry.Record().TimeBias())) > kMaxTimeBias)
        entry.Record().SetTimeBias(0);
    entry.SetTimeBias(entry.Record().TimeBias());
    entry.SetUserType(record.IsModerator() ? utModerator : utParticipant);
    const TUserOnlineStatus online = record.OnlineStatus();
    entry.SetOnlineStatus(IsKnown(online) ? online : usOnline);
    if (record.IsModerator())
        MoveToTop(entry);
    const bool microphone = record.IsModerator() || m_state.IsPlayback();
    entry.SetMicrophoneStatus(microphone ? msGranted : msForbidden);
    entry.SetMicAllowed(microphone);
    emit Changed();
    return entry;
}

TUserNode* Roster::FindEntry(std::uint16_t userId) const {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [userId](const auto& entry) { return entry->UID() == userId; });
    return it == m_entries.end() ? nullptr : it->get();
}

const TParticipantRecord* Roster::FindParticipant(std::uint16_t userId) const {
    const TUserNode* entry = FindEntry(userId);
    return entry ? &entry->Record() : nullptr;
}

void Roster::RemoveParticipant(std::uint16_t userId) {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [userId](const auto& entry) { return entry->UID() == userId; });
    if (it == m_entries.end())
        return;
    TUserNode* entry = it->get();
    const int loweredHand = withdrawMotion(*entry);
    if (m_own == entry)
        m_own = nullptr;
    const bool wasSelected = m_selected == entry;
    m_entries.erase(it); // the entry goes, and its record with it
    // The hands behind a departed one close up as they do behind a lowered one, so the next raised hand
    // gets no number twice.
    if (loweredHand > 0)
        renumberHandsAbove(loweredHand);
    // Whoever else leaves, a moderator's selection stays where it is.
    if (wasSelected)
        m_selected = m_entries.empty() ? nullptr : m_entries.front().get();
    emit Changed();
}

void Roster::HideLoadMarks() {
    for (const auto& entry : m_entries)
        entry->SetActivityImageIndex(MotionPicture::kNoPicture);
}

void Roster::ShowLoadMark(std::uint16_t userId) {
    if (TUserNode* entry = FindEntry(userId))
        entry->SetActivityImageIndex(MotionPicture::LoadMark);
}

void Roster::ClearRoster() {
    m_own = nullptr;
    m_selected = nullptr;
    m_entries.clear();
    m_hands = m_positive = m_negative = 0;
    emit Changed();
}

void Roster::Select(std::uint16_t userId) {
    TUserNode* entry = FindEntry(userId);
    if (entry == m_selected)
        return;
    m_selected = entry;
    emit Changed();
}

void Roster::MoveToTop(TUserNode& entry) {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&entry](const auto& e) { return e.get() == &entry; });
    if (it == m_entries.end() || it == m_entries.begin())
        return;
    std::rotate(m_entries.begin(), it, std::next(it));
    emit Changed();
}

int Roster::withdrawMotion(TUserNode& entry) {
    int queueNumber = 0;
    switch (entry.m_motionMask) {
    case Motion::Hand:
        --m_hands;
        queueNumber = entry.MotionIndex();
        entry.SetMotionIndex(0);
        break;
    case Motion::Yes:
        --m_positive;
        break;
    case Motion::No:
        --m_negative;
        break;
    default:
        break;
    }
    return queueNumber;
}

void Roster::SetMotions(TUserNode& entry, std::int32_t value) {
    const int loweredHand = withdrawMotion(entry);
    entry.m_motionMask = value;
    // Nothing, a negative value, yes and no stand still; everything else blinks afresh.
    if (value > 0 && value != Motion::Yes && value != Motion::No)
        entry.startBlinking(
            m_timers ? m_timers->CreateTimer(TTimerMode::Repeating, [e = &entry] { e->blinkTick(); })
                     : nullptr);
    else
        entry.stopBlinking();
    int picture = MotionPicture::kNoPicture;
    switch (value) {
    case Motion::Hand:
        picture = MotionPicture::Hand;
        entry.SetMotionIndex(++m_hands);
        break;
    case Motion::Smile:
        picture = MotionPicture::Smile;
        break;
    case Motion::Clap:
        picture = MotionPicture::Clap;
        break;
    case Motion::Yes:
        picture = MotionPicture::Yes;
        ++m_positive;
        break;
    case Motion::No:
        picture = MotionPicture::No;
        ++m_negative;
        break;
    default:
        break;
    }
    entry.SetMotionImageIndex(picture);
    if (loweredHand > 0)
        renumberHandsAbove(loweredHand);
    emit Changed();
}

void Roster::renumberHandsAbove(int number) {
    // In display order, not queue order: the hands behind the lowered one close up from its number on.
    int next = number;
    for (const auto& entry : m_entries)
        if (entry->MotionIndex() > number)
            entry->SetMotionIndex(next++);
}

} // namespace orv
