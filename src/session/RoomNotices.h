#pragma once
// Events a user should notice during a session: a system line in the public conversation and a beep. The
// chat carries out the lines; until it takes them over, the session logs them.

#include <QString>

#include <functional>

namespace orv {

class IRoomNotices {
public:
    virtual ~IRoomNotices() = default;
    // A line without a sender in the public conversation.
    virtual void AddSystemLine(const QString& text) = 0;
    // A short tone, without waiting for it.
    virtual void Beep(int frequencyHz, int durationMs) = 0;
};

// Writes each notice to the log; beeps also sound through `beep` when one is given.
class TLoggedRoomNotices final : public IRoomNotices {
public:
    using BeepOutput = std::function<void(int frequencyHz, int durationMs)>;
    explicit TLoggedRoomNotices(BeepOutput beep = {}) : m_beep(std::move(beep)) {}

    void AddSystemLine(const QString& text) override;
    void Beep(int frequencyHz, int durationMs) override;

private:
    BeepOutput m_beep;
};

} // namespace orv
