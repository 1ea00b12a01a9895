#pragma once
// Text chat: the room's conversations, where every part of the program writes its chat lines, the messages
// and permission levels of the room, the "Text Chat" page and the File menu's "Save public chat".

#include "chat/ChatCommands.h"
#include "chat/ChatConversations.h"
#include "chat/ChatHandlers.h"
#include "chat/ChatState.h"
#include "chat/SessionNotes.h"
#include "session/Module.h"

#include <QObject>

#include <memory>

class QAction;

namespace orv {

class IParticipantDirectory;
class ITimerFactory;
class TSettingsStore;
struct TSessionContext;

class TChatModule final : public ISessionModule {
public:
    // `store` keeps the settings the chat's menu changes; `directory` names the participants; `timers` move
    // the notices (none: the event loop's).
    TChatModule(TSessionContext& context, const IParticipantDirectory& directory, TSettingsStore* store,
                ITimerFactory* timers = nullptr);
    ~TChatModule() override;

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override { m_handlers.RegisterMessages(mainWindow); }
    void RegisterRoomEntry(TRoomEntrySteps& steps) override { m_handlers.RegisterRoomEntry(steps); }
    std::optional<TSettingOwner> SettingsOwner() const override { return TSettingOwner::Chat; }
    void ApplySettings(const TSettings& settings) override;
    IChatLines* ChatLines() override { return &m_conversations; }
    void ResetRoom() override { m_conversations.ClearAll(); }
    void OwnRoleChanged() override { m_state.OwnRoleChanged(); }

    ChatConversations& Conversations() { return m_conversations; }
    ChatState& State() { return m_state; }
    ChatHandlers& Handlers() { return m_handlers; }
    ChatCommands& Commands() { return m_commands; }
    TSessionNotes& Notes() { return m_notes; }
    // "Send a private note to this participant", to the participant selected in the list; for the user menu.
    QAction* PrivateNoteAction() const { return m_privateNote.get(); }

private:
    ChatConversations m_conversations;
    ChatState m_state;
    ChatHandlers m_handlers;
    ChatCommands m_commands;
    TSessionNotes m_notes;
    std::unique_ptr<QAction> m_privateNote;
    QObject m_receiver; // ends the actions' connections with the module
};

} // namespace orv
