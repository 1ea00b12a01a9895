#include "polls/Polls.h"

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "polls/PollMessageIds.h"
#include "session/MainPanes.h"
#include "session/ParticipantMarks.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"

#include <QCoreApplication>

#include <algorithm>

namespace orv {
namespace {

constexpr int kWakeUpHz = 1000;
constexpr int kWakeUpMs = 500;

} // namespace

TPolls::TPolls(TSessionContext& context, const IParticipantDirectory& participants, IParticipantMarks& marks,
               ITimerFactory& timers, TSettingsStore* store)
    : m_context(context), m_participants(participants), m_marks(marks), m_timers(timers) {
    if (store)
        m_stored.emplace(*store);
}

TPolls::~TPolls() = default;

bool TPolls::MaySend() const {
    return m_context.state.IsModerator() && !m_context.state.IsPlayback();
}

bool TPolls::SendPoll(std::uint16_t to, std::uint16_t type, bool mustReply, bool multipleAnswers,
                      std::int32_t mask, const QString& question) {
    if (m_context.state.IsPlayback())
        return false;
    TPollRecord record;
    record.SetId(std::int32_t(m_context.clock.tickCount()));
    record.SetFromId(m_context.state.account.UserId());
    record.SetToId(to);
    record.SetPingType(type);
    record.SetMustReply(mustReply);
    record.SetMultipleAns(multipleAnswers);
    record.SetAnswerMask(mask);
    record.SetQuestion(question);
    if (!m_context.sender.Send(cmPoll, record.encode()))
        return false;
    // Nothing can confirm before this returns: the marks from now on belong to this poll.
    m_marks.HideLoadMarks();
    return true;
}

bool TPolls::SendPollAnswer(std::uint16_t pollSender, int answer) {
    if (m_context.state.IsPlayback())
        return false;
    return m_context.sender.Send(cmPollAnswer, TPollAnswerMessage{pollSender, answer}.encode());
}

bool TPolls::CheckConnectivity() {
    return MaySend() && SendPoll(0, ptConnectivity, false, false, 0, QString());
}

bool TPolls::WakeUpUsers() {
    return MaySend() && SendPoll(0, ptWakeUp, false, false, 0, QString());
}

void TPolls::startResults(const QString& question) {
    m_results.Clear();
    m_results.SetQuestion(question);
}

void TPolls::BeginNewPoll() {
    m_results.Clear();
}

bool TPolls::SendNewPoll(const TNewPoll& poll) {
    if (!MaySend())
        return false;
    if (poll.keepAsFavourite && m_stored) {
        TPollRecord favourite = PollFileRecord(poll.mask, poll.question.trimmed());
        if (m_stored->Store(favourite))
            emit FavouriteAdded(favourite.Question().trimmed());
    }
    if (!SendPoll(0, ptPoll, false, false, poll.mask, poll.question))
        return false;
    startResults(poll.question);
    return true;
}

bool TPolls::ResendStoredPoll(const QString& question) {
    if (!MaySend())
        return false;
    const std::optional<TPollRecord> stored = m_stored ? m_stored->Load(question) : std::nullopt;
    if (!stored) {
        m_context.dialogs.Information(tr("This poll could not be found. Try to create the poll again."));
        return false;
    }
    if (!m_context.dialogs.Question(
            tr("You are about to send the poll:\r\n\r\n%1\r\n\r\nPress OK to continue or Cancel.")
                .arg(question)))
        return false;
    if (!SendPoll(0, ptPoll, stored->MustReply(), stored->MultipleAns(), stored->AnswerMask(),
                  stored->Question()))
        return false;
    startResults(stored->Question());
    return true;
}

void TPolls::OnPoll(const TPollRecord& record) {
    if (m_context.state.IsPlayback())
        return;
    const std::intptr_t key = m_nextKey++;
    m_arrived.emplace(key, record);
    m_context.mainWindow.post(MainMsg::PollReceived, key, 0);
}

void TPolls::ShowReceivedPoll(std::intptr_t key) {
    const auto it = m_arrived.find(key);
    if (it == m_arrived.end())
        return;
    const TPollRecord record = it->second;
    m_arrived.erase(it);
    if (m_context.state.IsPlayback())
        return;
    switch (record.PingType()) {
    case ptWakeUp:
        m_context.notices.Beep(kWakeUpHz, kWakeUpMs);
        [[fallthrough]];
    case ptConnectivity:
        if (record.FromId() != 0)
            m_context.sender.Send(cmAcknowledge, TAcknowledgeMessage{record.FromId()}.encode());
        return;
    default:
        break;
    }
    auto answering = std::make_unique<TPollAnswering>(
        record, m_timers, m_context.dialogs,
        [this](std::uint16_t sender, int answer) { return SendPollAnswer(sender, answer); });
    // Polls closed before this one go now; their windows keep guarded pointers only.
    std::erase_if(m_answering, [](const auto& a) { return !a->IsOpen(); });
    TPollAnswering* shown = answering.get();
    m_answering.push_back(std::move(answering));
    emit AnswerRequested(shown);
    m_context.panes.Announce(tr("New poll: %1").arg(record.Question()));
}

void TPolls::OnPollAnswer(std::uint16_t userId, int answer) {
    m_results.RecordAnswer(userId, answer, m_participants, m_context.state.account.UserId());
    emit ResultsRequested();
}

std::vector<TPollAnswering*> TPolls::OpenAnswers() const {
    std::vector<TPollAnswering*> open;
    for (const auto& a : m_answering)
        if (a->IsOpen())
            open.push_back(a.get());
    return open;
}

} // namespace orv
