#pragma once
// The one contract every subsystem implements on the client. The session builds its modules in a fixed
// order and calls each hook once per session in that order; a module overrides only what it takes part in.

#include "session/RoomEntrySteps.h"

namespace orv {

class TMessageRouter;
class TPacketDispatcher;

class ISessionModule {
public:
    virtual ~ISessionModule() = default;

    // The packets it handles, live or replayed.
    virtual void RegisterHandlers(TPacketDispatcher& dispatcher) { (void)dispatcher; }
    // The application messages it handles on the main window.
    virtual void RegisterMessages(TMessageRouter& mainWindow) { (void)mainWindow; }
    // What it does when the room has been entered, at its places in the sequence.
    virtual void RegisterRoomEntry(TRoomEntrySteps& steps) { (void)steps; }
    // The session ends: threads and connections of its own stop here, before the link goes down.
    virtual void EndSession() {}
};

} // namespace orv
