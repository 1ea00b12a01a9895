#pragma once
// One received poll being answered: the offered answers, the chosen one, and the two-minute countdown after
// which it closes unanswered. Each poll has its own; a second poll does not touch the first.

#include "protocol/PollMessages.h"

#include <QCoreApplication>
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace orv {

class IDialogs;
class ITimer;
class ITimerFactory;

class TPollAnswering final : public QObject {
    Q_OBJECT
public:
    static constexpr int kSeconds = 120;
    // Sends the answer number to the poll's sender; false when it could not go.
    using SendAnswer = std::function<bool(std::uint16_t pollSender, int answer)>;

    TPollAnswering(const TPollRecord& record, ITimerFactory& timers, IDialogs& dialogs, SendAnswer send);
    ~TPollAnswering() override;

    const TPollRecord& Record() const { return m_record; }
    std::vector<int> Offered() const;
    bool CanCancel() const { return !m_record.MustReply(); }

    // The window is shown: the countdown starts from 120 seconds.
    void Start();
    int Remaining() const { return m_remaining; }
    bool IsOpen() const { return m_open; }

    // An answer button pressed; 0 for none. Numbers not offered are refused.
    void Choose(int number);
    int Chosen() const { return m_chosen; }
    // "Send": without a chosen answer the user is told and the poll stays open; otherwise the answer goes
    // to the poll's sender and the poll closes.
    bool Send();
    // "Cancel", the close button, or the countdown's end: closes without answering.
    void Close();

signals:
    void RemainingChanged(int seconds);
    void Closed();

private:
    void tick();

    TPollRecord m_record;
    IDialogs& m_dialogs;
    SendAnswer m_send;
    std::unique_ptr<ITimer> m_timer;
    int m_remaining = kSeconds;
    int m_chosen = 0;
    bool m_open = true;
};

} // namespace orv
