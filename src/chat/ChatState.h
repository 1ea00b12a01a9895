#pragma once
// Where the next typed message goes and what the chat's controls show: the current mode and partner, the
// conversation on show with its header, and what the room's chat permission level leaves of the controls.
// The conversation on show is always the one of the current mode: a reply never goes elsewhere than the
// user sees.

#include "protocol/ChatMessages.h"

#include <QObject>
#include <QString>

#include <optional>

namespace orv {

class ChatConversations;
class IParticipantDirectory;
struct TSessionState;

class ChatState final : public QObject {
    Q_OBJECT
public:
    ChatState(const TSessionState& session, const IParticipantDirectory& directory,
              ChatConversations& conversations, QObject* parent = nullptr);

    // `SelectConversation`: mode 0 the public conversation (the user id is kept as the partner), mode 1 the
    // private one with the user; each is created when it does not exist yet. A private conversation with
    // nobody (0) or with oneself changes nothing.
    void SelectConversation(int mode, std::uint16_t userId);
    // The room starts afresh: public, partner 0, nothing on show until a conversation is selected.
    void Reset();

    TChatKind Mode() const { return m_mode; }
    std::uint16_t Partner() const { return m_partner; }
    // The partner of the conversation on show; none before the first selection.
    std::optional<std::uint16_t> Shown() const { return m_shown; }
    QString Caption() const { return m_caption; }
    // The header warns that participants may not chat.
    bool CaptionWarns() const { return m_captionWarns; }

    // The level's effect on the controls, as the main window applies it: the public conversation becomes
    // current.
    void ApplyPermissionLevel(std::int32_t level);
    std::int32_t PermissionLevel() const { return m_level; }
    bool EntryVisible() const { return m_entryVisible; }
    bool RecipientMenuEnabled() const { return m_recipientMenu; }
    // The permission item shown checked (0, 1 or 3), -1 for none.
    std::int32_t CheckedPermission() const { return m_checked; }
    bool PermissionMenuVisible() const { return m_permissionMenu; }
    void SetPermissionMenuVisible(bool visible);
    // A promotion or demotion in the room: moderators may always type and set the level; the conversation
    // shown stays.
    void OwnRoleChanged();

    bool InLargeWindow() const { return m_largeWindow; }
    void SetInLargeWindow(bool on);

signals:
    // Anything above changed.
    void Changed();

private:
    QString publicCaption() const;

    const TSessionState& m_session;
    const IParticipantDirectory& m_directory;
    ChatConversations& m_conversations;
    TChatKind m_mode = ckPublic;
    std::uint16_t m_partner = 0;
    std::optional<std::uint16_t> m_shown;
    QString m_caption;
    bool m_captionWarns = false;
    std::int32_t m_level = cpAllowAll;
    bool m_entryVisible = true;
    bool m_recipientMenu = true;
    std::int32_t m_checked = -1;
    bool m_permissionMenu = false;
    bool m_largeWindow = false;
};

} // namespace orv
