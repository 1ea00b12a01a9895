#pragma once
// The chat's side of the session: the messages and permission levels it receives, what it sends, the main
// window messages it answers (a conversation made current, a permission level applied) and its steps of room
// entry. A message from someone else while the chat is out of sight asks for a notice window; a private one,
// or a public one that names the user, also gives a desktop notification while the main window is in the
// background.

#include "protocol/ChatMessages.h"

#include <QObject>

#include <optional>
#include <vector>

namespace orv {

class ChatConversations;
class ChatState;
class IParticipantDirectory;
class TMessageRouter;
class TPacketDispatcher;
class TRoomEntrySteps;
struct TSessionContext;
struct TSettings;

// A user item of the recipient menu.
struct TRecipient {
    std::uint16_t userId;
    QString caption;
    friend bool operator==(const TRecipient&, const TRecipient&) = default;
};

class ChatHandlers final : public QObject {
    Q_OBJECT
public:
    ChatHandlers(TSessionContext& context, const IParticipantDirectory& directory,
                 ChatConversations& conversations, ChatState& state);

    void RegisterHandlers(TPacketDispatcher& dispatcher);
    void RegisterMessages(TMessageRouter& mainWindow);
    void RegisterRoomEntry(TRoomEntrySteps& steps);
    void ApplySettings(const TSettings& settings);

    // A received message with its text up to the NUL (cmChat, cmPrivateChat and their byte-text forms).
    void OnChatMessage(const TChatMessage& message);
    // A level the server tells: the reply to the query or a moderator's change.
    void OnPermissionLevel(std::int32_t level);

    // `SendChatMessage`: one packet, cmPrivateChat for private messages, cmChat for public ones and notes;
    // false (nothing sent) while the connection is down.
    bool SendChatMessage(std::uint16_t from, std::uint16_t to, std::uint16_t room, TChatKind kind,
                         const QStringList& lines);
    // The Send button: the typed text in the current mode to the current partner. False when nothing went
    // out (no text, or no connection), and then the typed text stays where it is.
    bool SendTyped(const QString& text);
    // `QueryChatPermission`.
    void QueryChatPermission();
    // `SetChatPermission`: moderators only; the controls change when the server tells the new level.
    bool SetChatPermission(std::int32_t level);

    // The recipient menu's user items: everybody in the room but the user, in display order.
    std::vector<TRecipient> Recipients() const;
    // A message's sender: the first name, with " (Moderator)" for moderators; "Unknown" outside the room.
    QString SenderName(std::uint16_t userId) const;

    // A room is entered: its conversations start afresh, unless it is the room they belong to, entered again
    // after a reconnection.
    void ResetRoom();

signals:
    void PopUpRequested(const QString& name, const QString& text);
    // A note (kind 5), for the notes list.
    void NoteReceived(const TChatMessage& message);

private:
    void onText(const TChatMessage& message);
    bool chatOutOfSight() const;
    void popUp(const QString& name, const QString& text);
    // Spoken by a screen reader, away from the focus.
    void announce(const QString& text);
    bool namesUser(const QString& text) const;
    void notify(TChatKind kind, std::uint16_t partner, const QString& summary, const QString& text);
    void speedNotice();

    TSessionContext& m_context;
    const IParticipantDirectory& m_directory;
    ChatConversations& m_conversations;
    ChatState& m_state;
    std::optional<std::int32_t> m_conversationsRoom; // the room whose conversations are kept
    bool m_beep = false;
    bool m_noPopUps = false;
    bool m_notifications = false;
    bool m_speedIsDefault = false;
};

// The text as a log shows it: blanks and control characters at either end removed.
QString TrimChatText(const QString& text);

} // namespace orv
