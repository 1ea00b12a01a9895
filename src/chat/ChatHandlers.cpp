#include "chat/ChatHandlers.h"

#include "chat/ChatConversations.h"
#include "chat/ChatMessageIds.h"
#include "chat/ChatState.h"
#include "link/Dispatcher.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/DesktopNotifier.h"
#include "platform/MessageRouter.h"
#include "session/MainPanes.h"
#include "session/ParticipantDirectory.h"
#include "session/RoomEntrySteps.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "session/Settings.h"

#include <QPointer>
#include <QRegularExpression>

namespace orv {
namespace {

constexpr int kMessageBeepHz = 400;
constexpr int kMessageBeepMs = 10;

} // namespace

QString TrimChatText(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first].unicode() <= ' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

ChatHandlers::ChatHandlers(TSessionContext& context, const IParticipantDirectory& directory,
                           ChatConversations& conversations, ChatState& state)
    : m_context(context), m_directory(directory), m_conversations(conversations), m_state(state) {}

void ChatHandlers::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmChat, cmPrivateChat, cmChatAnsi, cmPrivateChatAnsi},
                               [this](const TIncomingPacket& p) {
                                   if (m_beep && !m_context.state.IsPlayback())
                                       m_context.notices.Beep(kMessageBeepHz, kMessageBeepMs);
                                   auto reader = p.payload();
                                   OnChatMessage(TChatMessage::decode(reader, TextFormOf(p.header.Command)));
                               });
    dispatcher.RegisterHandler({cmChatPermissions, cmSetChatPermissions}, [this](const TIncomingPacket& p) {
        if (p.header.ResultCode != 0)
            return; // a refusal carries no level
        auto reader = p.payload();
        OnPermissionLevel(TChatPermissionMessage::decode(reader).level);
    });
}

void ChatHandlers::RegisterMessages(TMessageRouter& mainWindow) {
    m_context.events.conversationWanted.Listen(
        [this](TChatKind mode, std::uint16_t partner) { m_state.SelectConversation(int(mode), partner); });
    mainWindow.Register(MainMsg::ChatPermissions,
                        [this](std::intptr_t level, std::intptr_t) { m_state.ApplyPermissionLevel(level); });
}

void ChatHandlers::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::ResetRoomState, [this] { ResetRoom(); });
    steps.Add(TRoomEntryStep::ChatPane,
              [this] { m_context.mainWindow.post(MainMsg::ChatPermissions, cpDenyAll, 0); });
    steps.Add(TRoomEntryStep::ChatPermissions, [this] { QueryChatPermission(); });
    steps.Add(TRoomEntryStep::ChatPermissionsMenu,
              [this] { m_state.SetPermissionMenuVisible(m_context.state.IsModerator()); });
    steps.Add(TRoomEntryStep::SpeedNotice, [this] { speedNotice(); });
}

void ChatHandlers::ApplySettings(const TSettings& settings) {
    m_beep = settings.BeepOnNewMessage;
    m_noPopUps = settings.DonPopUpChatMessages;
    m_notifications = settings.DesktopNotifications;
    m_speedIsDefault = settings.ConnectionSpeedIsDefault;
}

void ChatHandlers::OnChatMessage(const TChatMessage& message) {
    if (message.record.TextSize() == 0)
        return;
    switch (message.record.Kind()) {
    case ckPublic:
    case ckPrivate:
        onText(message);
        break;
    case ckNote:
        emit NoteReceived(message); // the notes list's
        break;
    default:
        break;
    }
}

void ChatHandlers::onText(const TChatMessage& message) {
    const std::uint16_t from = message.record.From();
    const std::uint16_t own = m_context.state.account.UserId();
    const QString name = SenderName(from);
    const QString text = TrimChatText(message.text);
    const TRoomEvent<TChatKind, std::uint16_t>& wanted = m_context.events.conversationWanted;
    if (message.record.Kind() == ckPublic) {
        m_conversations.AddChatLine(0, name, TChatLineKind::Normal, from == own ? kBlue : kBlack, text);
        wanted.Raise(ckPublic, from);
        if (from == own)
            return;
        announce(tr("%1 says: %2").arg(name, text));
        if (chatOutOfSight() && !m_state.InLargeWindow())
            popUp(name, message.text);
        if (namesUser(text))
            notify(ckPublic, from, tr("%1 mentioned you").arg(name), text);
        return;
    }
    if (from == own) {
        const std::uint16_t to = message.record.To();
        m_conversations.AddChatLine(to, name, TChatLineKind::Normal, kBlue, text);
        wanted.Raise(ckPrivate, to);
        return;
    }
    m_conversations.AddChatLine(from, name, TChatLineKind::Normal, kBlack, text);
    wanted.Raise(ckPrivate, from);
    announce(tr("Private message from %1: %2").arg(name, text));
    if (chatOutOfSight())
        popUp(name, message.text);
    notify(ckPrivate, from, tr("Private message from %1").arg(name), text);
}

bool ChatHandlers::chatOutOfSight() const {
    const IMainPanes& panes = m_context.panes;
    return panes.IsFullScreen() || panes.CurrentNavigationPage() != TNavigationPage::TextChat;
}

void ChatHandlers::popUp(const QString& name, const QString& text) {
    if (!m_noPopUps && !m_context.state.IsPlayback())
        emit PopUpRequested(name, text);
}

void ChatHandlers::announce(const QString& text) {
    // A replay's lines come in bursts as it seeks: only the live room's are spoken.
    if (!m_context.state.IsPlayback())
        m_context.panes.Announce(text);
}

bool ChatHandlers::namesUser(const QString& text) const {
    const TAccountRecord& account = m_context.state.account;
    for (const QString& name : {account.FirstName(), account.FullName(), account.UserName()}) {
        if (name.trimmed().isEmpty())
            continue;
        const QRegularExpression word("(?<!\\w)" + QRegularExpression::escape(name.trimmed()) + "(?!\\w)",
                                      QRegularExpression::CaseInsensitiveOption |
                                          QRegularExpression::UseUnicodePropertiesOption);
        if (word.match(text).hasMatch())
            return true;
    }
    return false;
}

void ChatHandlers::notify(TChatKind kind, std::uint16_t partner, const QString& summary,
                          const QString& text) {
    if (!m_notifications || m_context.state.IsPlayback() || m_context.panes.IsMainWindowActive())
        return;
    // Clicking it brings the window up on that conversation.
    m_context.desktop.Notify(summary, text, [self = QPointer<ChatHandlers>(this), kind, partner] {
        if (!self)
            return;
        self->m_context.panes.RaiseMainWindow();
        if (!self->m_state.InLargeWindow())
            self->m_context.panes.ShowNavigationPage(TNavigationPage::TextChat);
        self->m_state.SelectConversation(kind, partner);
    });
}

void ChatHandlers::OnPermissionLevel(std::int32_t level) {
    m_context.mainWindow.post(MainMsg::ChatPermissions, level, 0);
}

bool ChatHandlers::SendChatMessage(std::uint16_t from, std::uint16_t to, std::uint16_t room, TChatKind kind,
                                   const QStringList& lines) {
    TChatMessage message;
    message.record.SetFrom(from);
    message.record.SetTo(to);
    message.record.SetRoom(room);
    message.record.SetKind(kind);
    message.text = ChatTextFromLines(lines);
    // Notes travel as public messages do; the server delivers them by their addressee.
    return m_context.sender.Send(kind == ckPublic || kind == ckNote ? cmChat : cmPrivateChat,
                                 message.encode());
}

bool ChatHandlers::SendTyped(const QString& text) {
    if (text.isEmpty())
        return false;
    const TAccountRecord& account = m_context.state.account;
    return SendChatMessage(account.UserId(), m_state.Partner(), std::uint16_t(account.Room()), m_state.Mode(),
                           {text});
}

void ChatHandlers::QueryChatPermission() {
    m_context.sender.Send(cmChatPermissions);
}

bool ChatHandlers::SetChatPermission(std::int32_t level) {
    if (!m_context.state.IsModerator())
        return false;
    return m_context.sender.Send(cmSetChatPermissions, TChatPermissionMessage{level}.encode());
}

std::vector<TRecipient> ChatHandlers::Recipients() const {
    std::vector<TRecipient> recipients;
    const std::uint16_t own = m_context.state.account.UserId();
    for (const TParticipantInfo& p : m_directory.InDisplayOrder())
        if (p.userId != own)
            recipients.push_back({p.userId, p.IsModerator() ? p.fullName + tr(" (Moderator)") : p.fullName});
    return recipients;
}

QString ChatHandlers::SenderName(std::uint16_t userId) const {
    const auto p = m_directory.Lookup(userId);
    if (!p)
        return tr("Unknown");
    return p->IsModerator() ? p->firstName + tr(" (Moderator)") : p->firstName;
}

void ChatHandlers::ResetRoom() {
    const std::int32_t room = m_context.state.room.Number();
    if (m_conversationsRoom != room)
        m_conversations.DiscardAll();
    m_conversationsRoom = room;
    m_state.Reset();
}

void ChatHandlers::speedNotice() {
    if (!m_speedIsDefault || m_context.state.IsPlayback())
        return;
    m_conversations.AddChatLine(
        0, QString(), TChatLineKind::System, kSystemLineColor,
        tr("The system is using a default value for your connection speed. You can set "
           "your real connection speed visiting File - Connection Speed."));
    m_speedIsDefault = false;
}

} // namespace orv
