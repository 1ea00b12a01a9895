#pragma once
// The session's modules, in the order their hooks run.

#include "session/Module.h"

#include <functional>
#include <memory>
#include <vector>

namespace orv {

class IAudioMixer;
class IAudioSystem;
class ITimerFactory;
class TfMain;
class TSignInModule;
struct TProgramFolders;
struct TSessionContext;
struct TSignInModuleParts;
class TSessionLink;
class TSettingsStore;

using TModuleList = std::vector<std::unique_ptr<ISessionModule>>;

struct TModuleListParts {
    TfMain& main;
    TSessionContext& context;
    TSessionLink& link;
    TSettingsStore& store;
    std::function<void()> endSession; // every module's end and the link's, as at the end of the program
    const TProgramFolders& folders;
    IAudioSystem& audio;
    IAudioMixer& mixer;
    ITimerFactory& timers;
    std::function<void()> ownRoleChanged; // every module's OwnRoleChanged
    bool keyboardHooked = false;          // the desktop-wide key hook reports to the main window
};

// Every module of a session. The sign-in module comes first and is also returned through `signIn`.
TModuleList CreateModules(const TModuleListParts& parts, const TSignInModuleParts& signInParts,
                          TSignInModule*& signIn);

} // namespace orv
