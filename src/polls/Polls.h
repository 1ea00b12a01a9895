#pragma once
// Polls, wake-up calls and connectivity checks: sending them, answering those that arrive, collecting the
// answers to the user's own poll, and the favourite polls. Moderators send; everybody answers. In playback
// nothing is sent, no beep sounds and no poll opens.

#include "polls/PollAnswering.h"
#include "polls/PollResults.h"
#include "polls/StoredPolls.h"
#include "protocol/PollMessages.h"

#include <QObject>

#include <map>
#include <memory>
#include <optional>

namespace orv {

class IParticipantDirectory;
class IParticipantMarks;
class ITimerFactory;
class TSettingsStore;
struct TSessionContext;

// What the poll dialog gives back.
struct TNewPoll {
    QString question;
    std::int32_t mask = 0;
    bool keepAsFavourite = false;
};

class TPolls final : public QObject {
    Q_OBJECT
public:
    // `store` keeps the favourite polls; without one there are none.
    TPolls(TSessionContext& context, const IParticipantDirectory& participants, IParticipantMarks& marks,
           ITimerFactory& timers, TSettingsStore* store);
    ~TPolls() override;

    // Moderators may send; nobody in playback.
    bool MaySend() const;

    // `SendPoll`: hides the acknowledgement marks and sends the record; false (and nothing happens) while the
    // connection is down. The question is cut to 200 characters.
    bool SendPoll(std::uint16_t to, std::uint16_t type, bool mustReply, bool multipleAnswers,
                  std::int32_t mask, const QString& question);
    bool SendPollAnswer(std::uint16_t pollSender, int answer);
    // "Check Users' Connectivity" and "Wake up Users".
    bool CheckConnectivity();
    bool WakeUpUsers();
    // "Create a New Poll": the results empty before the dialog opens, then the dialog's poll is sent.
    void BeginNewPoll();
    bool SendNewPoll(const TNewPoll& poll);
    // A stored poll's menu item: found, confirmed by the user, sent.
    bool ResendStoredPoll(const QString& question);

    // cmPoll: the record travels with the message that shows it, so that polls arriving together each show.
    void OnPoll(const TPollRecord& record);
    // The message posted for a received poll.
    void ShowReceivedPoll(std::intptr_t key);
    // cmPollAnswer, on the poll sender's side.
    void OnPollAnswer(std::uint16_t userId, int answer);

    TPollResults& Results() { return m_results; }
    // None without a store.
    StoredPolls* Favourites() { return m_stored ? &*m_stored : nullptr; }
    // The polls open for an answer, oldest first.
    std::vector<TPollAnswering*> OpenAnswers() const;

signals:
    // A poll arrived: its window shows `answering` and starts it.
    void AnswerRequested(TPollAnswering* answering);
    void ResultsRequested();
    void FavouriteAdded(const QString& question);

private:
    void startResults(const QString& question);

    TSessionContext& m_context;
    const IParticipantDirectory& m_participants;
    IParticipantMarks& m_marks;
    ITimerFactory& m_timers;
    std::optional<StoredPolls> m_stored;
    TPollResults m_results;
    std::map<std::intptr_t, TPollRecord> m_arrived; // by message key, until shown
    std::intptr_t m_nextKey = 1;
    std::vector<std::unique_ptr<TPollAnswering>> m_answering;
};

} // namespace orv
