#pragma once
// The session's modules, in the order their hooks run.

#include "session/Module.h"

#include <memory>
#include <vector>

namespace orv {

class TfMain;
class TSignInModule;
struct TProgramFolders;
struct TSessionContext;
struct TSignInModuleParts;
class TSessionLink;

using TModuleList = std::vector<std::unique_ptr<ISessionModule>>;

struct TModuleListParts {
    TfMain& main;
    TSessionContext& context;
    TSessionLink& link;
    const TProgramFolders& folders;
};

// Every module of a session. The sign-in module comes first and is also returned through `signIn`.
TModuleList CreateModules(const TModuleListParts& parts, const TSignInModuleParts& signInParts,
                          TSignInModule*& signIn);

} // namespace orv
