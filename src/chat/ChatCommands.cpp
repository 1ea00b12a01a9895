#include "chat/ChatCommands.h"

#include "chat/ChatConversations.h"
#include "chat/ChatHandlers.h"
#include "chat/ChatState.h"
#include "chat/RtfWriter.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "session/MainPanes.h"
#include "session/SessionContext.h"

#include <QLocale>
#include <QSaveFile>

namespace orv {

ChatCommands::ChatCommands(TSessionContext& context, ChatConversations& conversations, ChatState& state,
                           ChatHandlers& handlers, TSettingsStore* store)
    : m_context(context), m_conversations(conversations), m_state(state), m_handlers(handlers),
      m_store(store) {}

void ChatCommands::SetShowTiming(bool on) {
    m_conversations.SetShowTiming(on);
    if (m_store) {
        m_store->WriteFlag("", "ShowChatTiming", on);
        m_store->Flush();
    }
}

bool ChatCommands::SetFontSize(int points) {
    if (points != 7 && points != 8 && points != 10)
        return false;
    m_conversations.SetFontSize(points);
    if (m_store) {
        m_store->WriteInteger("", "ChatFontSize", points);
        m_store->Flush();
    }
    return true;
}

bool ChatCommands::ChoosePermission(std::int32_t level) {
    return m_handlers.SetChatPermission(level);
}

void ChatCommands::ClearAll() {
    if (m_context.dialogs.Question(tr("Do you want to clear all text messages?")))
        m_conversations.ClearAll();
}

void ChatCommands::RequestSave() {
    if (CanSave())
        emit SaveRequested();
}

bool ChatCommands::CanSave() const {
    return m_conversations.FindConversation(0) != nullptr;
}

QString ChatCommands::ProposedFileName(const QDateTime& now) {
    return "Orvane Text Messages " + QLocale().toString(now, "MMM-dd-yyyy hhmm") + ".rtf";
}

bool ChatCommands::SavePublicConversation(const QString& path) {
    const QTextDocument* log = m_conversations.FindConversation(0);
    if (!log)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(WriteRtf(*log)) < 0 || !file.commit()) {
        m_context.dialogs.Error(tr("Cannot create file \"%1\". %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

void ChatCommands::OpenLargeWindow() {
    if (m_state.InLargeWindow())
        return;
    m_state.SetInLargeWindow(true);
    m_context.panes.SetNavigationPageEnabled(TNavigationPage::TextChat, false);
    m_context.panes.ShowNavigationPage(TNavigationPage::Notes);
}

void ChatCommands::CloseLargeWindow() {
    if (!m_state.InLargeWindow())
        return;
    m_state.SetInLargeWindow(false);
    m_context.panes.SetNavigationPageEnabled(TNavigationPage::TextChat, true);
    m_context.panes.ShowNavigationPage(TNavigationPage::TextChat);
}

} // namespace orv
