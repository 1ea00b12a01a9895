#pragma once
// The conversations of the room: one log per partner, the public one under partner 0, each created on first
// use and kept until the room's are discarded. `AddChatLine` writes here for the whole program. Main thread
// only.

#include "session/RoomNotices.h"

#include <QObject>
#include <QTime>

#include <functional>
#include <memory>
#include <vector>

class QTextDocument;

namespace orv {

class ChatConversations final : public QObject, public IChatLines {
    Q_OBJECT
public:
    using Clock = std::function<QTime()>;
    // `clock` gives the local time of each line.
    explicit ChatConversations(Clock clock = &QTime::currentTime, QObject* parent = nullptr);
    ~ChatConversations() override;

    void AddChatLine(std::uint16_t partner, const QString& name, TChatLineKind kind, TColor color,
                     const QString& text) override;

    // `FindConversation`: the log of the partner, or none.
    QTextDocument* FindConversation(std::uint16_t partner) const;
    // `CreateConversation`: a new empty log; nobody sees it until it is selected.
    QTextDocument& CreateConversation(std::uint16_t partner);
    QTextDocument& FindOrCreate(std::uint16_t partner);
    std::vector<std::uint16_t> Partners() const;

    // Empties every log; the conversations remain.
    void ClearAll();
    // Removes every conversation.
    void DiscardAll();

    bool ShowTiming() const { return m_showTiming; }
    // Lines added later show their time, or no longer do.
    void SetShowTiming(bool on) { m_showTiming = on; }
    int FontSize() const { return m_fontSize; }
    // Every log, and the lines added later, in this size.
    void SetFontSize(int points);

signals:
    void Created(std::uint16_t partner);
    void LineAdded(std::uint16_t partner);
    // Every conversation goes right after this: whoever shows one lets it go now.
    void Discarding();

private:
    Clock m_clock;
    std::vector<std::pair<std::uint16_t, std::unique_ptr<QTextDocument>>> m_logs;
    bool m_showTiming = false;
    int m_fontSize = 8;
};

} // namespace orv
