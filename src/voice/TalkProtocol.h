#pragma once
// Who talks: the participant asks for the floor (6) and gives it back (7) on the control connection; the
// server answers 6 with a grant or a refusal and tells everyone of each speaker starting (6) and stopping
// (7). The Speak action's check mark follows, and the voice connection transmits only while granted. The
// floor is off, requested or on the air; on the air the user may mute the microphone and keep the floor.

#include "protocol/PacketHeader.h"
#include "voice/OnAirLook.h"

#include <QAction>

#include <functional>

namespace orv {

struct TSessionContext;
class TVoiceThread;

class TTalkProtocol {
public:
    using VoiceAccess = std::function<TVoiceThread*()>;

    TTalkProtocol(TSessionContext& context, QAction& speak, VoiceAccess voice);

    // The Speak action and F3: ask for the floor, or give it back.
    void ToggleSpeak();
    // The push-to-talk key: press asks (once, however long it is held), release gives back.
    void StartTalking();
    void StopTalking();
    // Stops talking as the Speak action would, when it is checked.
    void StopIfTalking();

    void OnTake(const TPacketHeader& header);
    void OnRelease(const TPacketHeader& header);

    // Talking was started with the Speak action rather than the push-to-talk key.
    bool ToggleMark() const { return m_toggleMark; }
    // The Speak action is enabled while the participant may use a microphone.
    void RefreshEnabled();

    TFloorState Floor() const { return m_floor; }
    bool Muted() const { return m_muted; }
    // Silences the microphone while on the air, the floor staying held; off the air nothing is muted.
    void SetMuted(bool muted);
    // The session ended: the floor is gone without a word to the server.
    void Reset();
    // The floor, the mute or the microphone right changed.
    void SetChangedHandler(std::function<void()> changed) { m_changed = std::move(changed); }
    // With the desktop-wide key hook the user may be in another window: a refusal goes into the chat, not a
    // box.
    void SetHookInstalled(bool installed) { m_hookInstalled = installed; }

private:
    void setTransmit(bool on);
    bool send(std::uint16_t command);
    void setFloor(TFloorState floor);
    void changed();

    TSessionContext& m_context;
    QAction& m_speak;
    VoiceAccess m_voice;
    bool m_toggleMark = false;
    bool m_hookInstalled = false;
    TFloorState m_floor = TFloorState::Off;
    bool m_muted = false;
    std::function<void()> m_changed;
};

} // namespace orv
