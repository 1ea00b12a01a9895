#pragma once
// The room's welcome page, opened over the main window when the room is entered.

#include "session/Module.h"

namespace orv {

class TfMain;
struct TSessionState;

class TWelcomeModule final : public ISessionModule {
public:
    TWelcomeModule(TfMain& main, TSessionState& state);

    void RegisterRoomEntry(TRoomEntrySteps& steps) override;

private:
    void showWelcomePage();

    TfMain& m_main;
    TSessionState& m_state;
};

} // namespace orv
