#pragma once
// Polls, wake-up calls and connectivity checks: the packets, the Actions menu's items and the poll tool
// button, offered to moderators, and the windows that show polls and their answers.

#include "polls/Polls.h"
#include "session/Module.h"

#include <memory>

class QAction;

namespace orv {

class IParticipantDirectory;
class IParticipantMarks;
class ITimerFactory;
class TPollToolBox;
class TSettingsStore;
struct TSessionContext;

class TPollsModule final : public ISessionModule {
public:
    // `store` keeps the favourite polls, none in tests that keep nothing.
    TPollsModule(TSessionContext& context, const IParticipantDirectory& participants,
                 IParticipantMarks& marks, TSettingsStore* store, ITimerFactory& timers);
    ~TPollsModule() override;

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    void OwnRoleChanged() override { showPermitted(); }

    TPolls& Polls() { return m_polls; }
    // The actions offered to moderators: the tool button, then the Actions menu's items.
    std::vector<QAction*> Actions() const;

private:
    // Moderators may use them, nobody in playback.
    void showPermitted();

    TSessionContext& m_context;
    TPolls m_polls;
    QAction* m_pollTool;    // owned by the main window
    QAction* m_newPollItem; // owned by the main window
    QAction* m_checkItem;   // owned by the main window
    QAction* m_wakeUpItem;  // owned by the main window
    std::unique_ptr<TPollToolBox> m_windows;
};

} // namespace orv
