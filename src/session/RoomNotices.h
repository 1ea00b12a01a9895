#pragma once
// Events a user should notice during a session: a system line in the public conversation and a beep. The
// chat and the audio output carry them out; until they take them over, the session only logs them.

#include <QString>

namespace orv {

class IRoomNotices {
public:
    virtual ~IRoomNotices() = default;
    // A line without a sender in the public conversation.
    virtual void AddSystemLine(const QString& text) = 0;
    // A short tone, without waiting for it.
    virtual void Beep(int frequencyHz, int durationMs) = 0;
};

// Writes each notice to the log.
class TLoggedRoomNotices final : public IRoomNotices {
public:
    void AddSystemLine(const QString& text) override;
    void Beep(int frequencyHz, int durationMs) override;
};

} // namespace orv
