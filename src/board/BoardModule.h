#pragma once
// The whiteboard as a session module: the drawing packets, the boards' preparation with the user's pen
// settings, and the gesture logic the board window drives.

#include "board/BoardGesture.h"
#include "board/Whiteboard.h"
#include "session/Module.h"

namespace orv {

struct TSessionContext;

class TBoardModule final : public ISessionModule {
public:
    explicit TBoardModule(TSessionContext& context);

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    std::optional<TSettingOwner> SettingsOwner() const override { return TSettingOwner::Board; }
    // The first call prepares the boards with the pen settings; every call takes the snap grid.
    void ApplySettings(const TSettings& settings) override;

    Whiteboard& Boards() { return m_boards; }
    BoardGesture& Gesture() { return m_gesture; }

private:
    TSessionContext& m_context;
    Whiteboard m_boards;
    BoardGesture m_gesture;
    bool m_boardsPrepared = false;
};

} // namespace orv
