#pragma once
// The one contract every subsystem implements on the client. The session builds its modules in a fixed
// order and calls each hook once per session in that order; a module overrides only what it takes part in.

#include "session/RoomEntrySteps.h"
#include "session/SettingsTable.h"

#include <optional>

namespace orv {

class IChatLines;
class ISettingsEffects;
class TMessageRouter;
class TPacketDispatcher;
struct TSettings;

class ISessionModule {
public:
    virtual ~ISessionModule() = default;

    // The packets it handles, live or replayed.
    virtual void RegisterHandlers(TPacketDispatcher& dispatcher) { (void)dispatcher; }
    // The application messages it handles on the main window.
    virtual void RegisterMessages(TMessageRouter& mainWindow) { (void)mainWindow; }
    // What it does when the room has been entered, at its places in the sequence.
    virtual void RegisterRoomEntry(TRoomEntrySteps& steps) { (void)steps; }
    // The user's own account type changed during the session (a promotion or demotion): moderator-only
    // controls follow it.
    virtual void OwnRoleChanged() {}
    // The session ends: threads and connections of its own stop here, before the link goes down.
    virtual void EndSession() {}
    // A replayed recording goes back to its start: the room's state it built (participants, conversations,
    // boards) is dropped, so that replaying it again does not add to it.
    virtual void ResetRoom() {}

    // The settings rows it owns (SettingRowsOwnedBy), if any.
    virtual std::optional<TSettingOwner> SettingsOwner() const { return std::nullopt; }
    // Takes its settings: once after loading and again whenever the settings window saved them.
    virtual void ApplySettings(const TSettings& settings) { (void)settings; }
    // Its share of what OK in the settings window sets in motion, or none.
    virtual ISettingsEffects* SettingsEffects() { return nullptr; }
    // The chat's conversations, where every module's chat lines go (IRoomNotices), if it keeps them.
    virtual IChatLines* ChatLines() { return nullptr; }
};

} // namespace orv
