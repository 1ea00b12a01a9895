#include "polls/PollAnswering.h"

#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "polls/PollAnswers.h"

#include <algorithm>

namespace orv {

TPollAnswering::TPollAnswering(const TPollRecord& record, ITimerFactory& timers, IDialogs& dialogs,
                               SendAnswer send)
    : m_record(record), m_dialogs(dialogs), m_send(std::move(send)),
      m_timer(timers.CreateTimer(TTimerMode::Repeating, [this] { tick(); })) {}

TPollAnswering::~TPollAnswering() = default;

std::vector<int> TPollAnswering::Offered() const {
    return PollAnswers::OfMask(m_record.AnswerMask());
}

void TPollAnswering::Start() {
    m_remaining = kSeconds;
    emit RemainingChanged(m_remaining);
    m_timer->Start(1000);
}

void TPollAnswering::tick() {
    --m_remaining;
    if (m_remaining < 1) {
        Close();
        return;
    }
    emit RemainingChanged(m_remaining);
}

void TPollAnswering::Choose(int number) {
    const std::vector<int> offered = Offered();
    if (number == 0 || std::find(offered.begin(), offered.end(), number) != offered.end())
        m_chosen = number;
}

bool TPollAnswering::Send() {
    if (!m_open)
        return false;
    if (m_chosen == 0) {
        m_dialogs.Error(QCoreApplication::translate("orv::TfrmExam",
                                                    "No answer selected. \r\nPlease select an answer "
                                                    "entry by pressing the appropriate answer button."));
        return false;
    }
    m_send(m_record.FromId(), m_chosen);
    Close();
    return true;
}

void TPollAnswering::Close() {
    if (!m_open)
        return;
    m_open = false;
    m_timer->Stop();
    emit Closed();
}

} // namespace orv
