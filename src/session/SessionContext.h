#pragma once
// What a module gets from the session: the shared state, the way to send, and the program's surroundings.
// Everything here outlives every module.

namespace orv {

class IClock;
class IDesktopNotifier;
class IDialogs;
class IMainPanes;
class IMessageSink;
class IProgress;
class IRoomNotices;
class ISessionSender;
struct TRoomEvents;
struct TSessionState;

struct TSessionContext {
    TSessionState& state;
    ISessionSender& sender;
    IDialogs& dialogs;
    IProgress& progress;
    IMainPanes& panes;
    IMessageSink& mainWindow; // posts application messages to the main window
    IClock& clock;
    IRoomNotices& notices;     // chat lines of any part of the program, beeps
    IDesktopNotifier& desktop; // notifications on the desktop, outside the main window
    TRoomEvents& events;       // what happens in the room, for the subsystems that act on it
};

} // namespace orv
