#include "chat/ChatModule.h"

#include "chat/ChatPane.h"
#include "session/MainPanes.h"
#include "session/SessionContext.h"
#include "session/Settings.h"

#include <QAction>

namespace orv {

TChatModule::TChatModule(TSessionContext& context, const IParticipantDirectory& directory,
                         TSettingsStore* store)
    : m_state(context.state, directory, m_conversations),
      m_handlers(context, directory, m_conversations, m_state),
      m_commands(context, m_conversations, m_state, m_handlers, store) {
    context.panes.InstallNavigationPage(TNavigationPage::TextChat,
                                        NewChatPane(m_handlers, m_commands, m_state, m_conversations));
    auto* savePublic = new QAction(ChatCommands::tr("Save public chat"));
    savePublic->setObjectName("savePublicChat");
    QObject::connect(savePublic, &QAction::triggered, &m_commands, &ChatCommands::RequestSave);
    context.panes.InstallMenuAction(TMainMenu::File, savePublic);
}

TChatModule::~TChatModule() {
    // Windows showing the logs let them go first.
    m_conversations.DiscardAll();
}

void TChatModule::ApplySettings(const TSettings& settings) {
    m_handlers.ApplySettings(settings);
    m_conversations.SetShowTiming(settings.ShowChatTiming);
    m_conversations.SetFontSize(settings.ChatFontSize);
}

} // namespace orv
