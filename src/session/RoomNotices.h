#pragma once
// Events a user should notice during a session: lines in the chat's conversations, system lines included,
// and beeps. The chat writes the lines and the tone player plays the beeps; until a chat takes the lines
// over, the session logs them.

#include "session/ColorText.h"

#include <QString>

#include <cstdint>

namespace orv {

class ITonePlayer;

enum class TChatLineKind {
    Normal, // the sender's name in bold on a line of its own, then the text with its emoticons
    System, // one plain line: name, time and text
};

// The colour of a system line without one of its own.
constexpr TColor kSystemLineColor = kGray;

class IChatLines {
public:
    virtual ~IChatLines() = default;
    // `AddChatLine`: the one way any part of the program writes a line into the conversation with
    // `partner` (0: the public one), which is created hidden when it does not exist yet.
    virtual void AddChatLine(std::uint16_t partner, const QString& name, TChatLineKind kind, TColor color,
                             const QString& text) = 0;
};

class IRoomNotices : public IChatLines {
public:
    // A short tone, without waiting for it.
    virtual void Beep(int frequencyHz, int durationMs) = 0;
    // A grey line without a sender in the public conversation.
    void AddSystemLine(const QString& text) {
        AddChatLine(0, QString(), TChatLineKind::System, kSystemLineColor, text);
    }
};

// The session's notices: lines to the chat once one takes them, beeps to the tone player; what has no
// taker is logged.
class TRoomNoticesRelay final : public IRoomNotices {
public:
    explicit TRoomNoticesRelay(ITonePlayer* tones = nullptr) : m_tones(tones) {}
    void SetChatLines(IChatLines* lines) { m_lines = lines; }

    void AddChatLine(std::uint16_t partner, const QString& name, TChatLineKind kind, TColor color,
                     const QString& text) override;
    void Beep(int frequencyHz, int durationMs) override;

private:
    ITonePlayer* m_tones;
    IChatLines* m_lines = nullptr;
};

} // namespace orv
