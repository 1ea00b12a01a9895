#pragma once
// What the user does from the chat's menus: the time of each line, the font size, the room's chat
// permissions, clearing, saving the public conversation, and the large window.

#include <QDateTime>
#include <QObject>

namespace orv {

class ChatConversations;
class ChatHandlers;
class ChatState;
class TSettingsStore;
struct TSessionContext;

class ChatCommands final : public QObject {
    Q_OBJECT
public:
    // `store` keeps the timing and the font size the moment they change; none in tests that keep nothing.
    ChatCommands(TSessionContext& context, ChatConversations& conversations, ChatState& state,
                 ChatHandlers& handlers, TSettingsStore* store);

    // "Show Timing".
    void SetShowTiming(bool on);
    // "Small", "Normal", "Large": 7, 8 or 10 points; other sizes are refused.
    bool SetFontSize(int points);
    // A permission item: level 0, 1 or 3, sent by moderators.
    bool ChoosePermission(std::int32_t level);
    // "Clear all text messages", after the user agrees.
    void ClearAll();

    // Both save items: the window asks where, when there is a public conversation to save.
    void RequestSave();
    bool CanSave() const;
    // "Orvane Text Messages " with the date and time, as the save dialog proposes it.
    static QString ProposedFileName(const QDateTime& now);
    // Writes the public conversation as RTF; a write error is shown and gives false.
    bool SavePublicConversation(const QString& path);

    // "Show in Large Window", and its window closed.
    void OpenLargeWindow();
    void CloseLargeWindow();

signals:
    void SaveRequested();

private:
    TSessionContext& m_context;
    ChatConversations& m_conversations;
    ChatState& m_state;
    ChatHandlers& m_handlers;
    TSettingsStore* m_store;
};

} // namespace orv
