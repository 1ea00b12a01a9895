#pragma once
// The main window's own part of a session: the uplink meter, and its steps of room entry (asking for the
// public conversation, reporting the link up, coming to the front).

#include "session/Module.h"

namespace orv {

struct TRoomEvents;
class TfMain;
class TSessionLink;

class TMainWindowModule final : public ISessionModule {
public:
    TMainWindowModule(TfMain& main, TSessionLink& link, TRoomEvents& events);

    void RegisterMessages(TMessageRouter& mainWindow) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;

private:
    TfMain& m_main;
    TSessionLink& m_link;
    TRoomEvents& m_events;
};

} // namespace orv
