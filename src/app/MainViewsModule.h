#pragma once
// The three main views as a module: the view packets, the user's choice of view, and asking which view
// everybody sees at room entry.

#include "app/MainViews.h"
#include "session/Module.h"

namespace orv {

class TfMain;
struct TSessionContext;

class TMainViewsModule final : public ISessionModule {
public:
    TMainViewsModule(TfMain& main, TSessionContext& context);

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;

private:
    TMainViews m_views;
};

} // namespace orv
