#include "chat/ChatModule.h"

#include "chat/ChatPane.h"
#include "chat/NotesPane.h"
#include "link/Dispatcher.h"
#include "platform/SettingsStore.h"
#include "platform/Timer.h"
#include "session/MainPanes.h"
#include "session/ParticipantDirectory.h"
#include "session/SessionContext.h"
#include "session/Settings.h"

#include <QAction>

namespace orv {

TChatModule::TChatModule(TSessionContext& context, const IParticipantDirectory& directory,
                         TSettingsStore* store, ITimerFactory* timers)
    : m_state(context.state, directory, m_conversations),
      m_handlers(context, directory, m_conversations, m_state),
      m_commands(context, m_conversations, m_state, m_handlers, store),
      m_notes(context, directory, m_handlers),
      m_privateNote(new QAction(TSessionNotes::tr("Send a private note to this participant"))) {
    context.panes.InstallNavigationPage(TNavigationPage::TextChat,
                                        NewChatPane(m_handlers, m_commands, m_state, m_conversations));
    auto* savePublic = new QAction(ChatCommands::tr("Save public chat"));
    savePublic->setObjectName("savePublicChat");
    QObject::connect(savePublic, &QAction::triggered, &m_commands, &ChatCommands::RequestSave);
    context.panes.InstallMenuAction(TMainMenu::File, savePublic);

    // Notes and questions.
    QObject::connect(&m_handlers, &ChatHandlers::NoteReceived, &m_notes, &TSessionNotes::OnChatNote);
    QWidget* notesPane = NewNotesPane(
        {m_notes, context.dialogs, timers ? *timers : QtTimerFactory::instance(), [store](bool on) {
             if (store) {
                 store->WriteFlag("", "NoPopUpsOnPostIt", on);
                 store->Flush();
             }
         }});
    context.panes.InstallNavigationPage(TNavigationPage::Notes, notesPane);
    IDialogs& dialogs = context.dialogs;
    auto* notesButton = new QAction(TSessionNotes::tr("Notes"));
    notesButton->setObjectName("acNotes");
    notesButton->setToolTip(TSessionNotes::tr("Send a session note to everybody"));
    QObject::connect(notesButton, &QAction::triggered, &m_receiver,
                     [this, &dialogs] { ComposeNote(m_notes, dialogs, 0, nullptr); });
    context.panes.InstallToolAction(notesButton);
    m_privateNote->setObjectName("sendPrivateNote");
    QObject::connect(m_privateNote.get(), &QAction::triggered, &m_receiver, [this, &dialogs, &directory] {
        const auto user = directory.SelectedUser();
        if (user && *user != 0)
            ComposeNote(m_notes, dialogs, *user, nullptr);
    });
}

void TChatModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    m_handlers.RegisterHandlers(dispatcher);
    dispatcher.RegisterHandler({cmClearNotes}, [this](const TIncomingPacket& p) {
        if (p.header.ResultCode == 0)
            m_notes.OnClearNotes();
    });
}

TChatModule::~TChatModule() {
    // Windows showing the logs let them go first.
    m_conversations.DiscardAll();
}

void TChatModule::ApplySettings(const TSettings& settings) {
    m_handlers.ApplySettings(settings);
    m_notes.ApplySettings(settings);
    m_conversations.SetShowTiming(settings.ShowChatTiming);
    m_conversations.SetFontSize(settings.ChatFontSize);
}

} // namespace orv
