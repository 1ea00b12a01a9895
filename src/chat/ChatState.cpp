#include "chat/ChatState.h"

#include "chat/ChatConversations.h"
#include "link/SessionState.h"
#include "session/ParticipantDirectory.h"

namespace orv {

ChatState::ChatState(const TSessionState& session, const IParticipantDirectory& directory,
                     ChatConversations& conversations, QObject* parent)
    : QObject(parent), m_session(session), m_directory(directory), m_conversations(conversations) {}

QString ChatState::publicCaption() const {
    return m_level == cpDenyAll ? tr("Public Messages - Disabled for users") : tr("Public Messages");
}

void ChatState::SelectConversation(int mode, std::uint16_t userId) {
    if (mode == ckPublic) {
        m_mode = ckPublic;
        m_partner = userId;
        m_conversations.FindOrCreate(0);
        m_shown = 0;
        m_caption = publicCaption();
        m_captionWarns = m_level == cpDenyAll;
    } else {
        if (mode != ckPrivate || userId == 0 || userId == m_session.account.UserId())
            return;
        m_mode = ckPrivate;
        m_partner = userId;
        m_conversations.FindOrCreate(userId);
        m_shown = userId;
        const auto participant = m_directory.Lookup(userId);
        m_caption = participant ? participant->displayName : tr("Unknown User");
        m_captionWarns = false;
    }
    emit Changed();
}

void ChatState::Reset() {
    m_mode = ckPublic;
    m_partner = 0;
    m_shown.reset();
    m_caption.clear();
    emit Changed();
}

void ChatState::ApplyPermissionLevel(std::int32_t level) {
    m_level = level;
    const bool moderator = m_session.IsModerator();
    m_entryVisible = level != cpDenyAll || moderator;
    m_recipientMenu = level != cpPublicOnly && level != cpDenyAll;
    m_checked = level == cpAllowAll || level == cpPublicOnly || level == cpDenyAll ? level : -1;
    SelectConversation(ckPublic, 0); // tells the change
}

void ChatState::SetPermissionMenuVisible(bool visible) {
    m_permissionMenu = visible;
    emit Changed();
}

void ChatState::OwnRoleChanged() {
    const bool moderator = m_session.IsModerator();
    m_entryVisible = m_level != cpDenyAll || moderator;
    m_permissionMenu = moderator;
    emit Changed();
}

void ChatState::SetInLargeWindow(bool on) {
    m_largeWindow = on;
    emit Changed();
}

} // namespace orv
