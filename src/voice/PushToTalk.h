#pragma once
// Push-to-talk: holding the chosen key talks, releasing it stops. The desktop-wide key hook reports every key
// with its release and repeat bits; without the hook the main window's own keys serve, and only while it is
// active. F3, released, toggles the Speak action either way.

#include "platform/KeyboardHook.h"
#include "platform/Timer.h"
#include "voice/TalkProtocol.h"

#include <cstdint>
#include <memory>

namespace orv {

struct TSessionContext;

class TPushToTalk {
public:
    // How long a release of the main window's keys waits for the press that would make it an auto-repeat.
    static constexpr std::uint32_t kRepeatGraceMs = 60;

    TPushToTalk(TSessionContext& context, QAction& speak, TTalkProtocol& talk, ITimerFactory& timers);
    ~TPushToTalk();

    // The virtual-key code that talks while held, 0 for none.
    void SetKey(std::int32_t key) { m_key = key; }
    void SetHookInstalled(bool installed);
    bool HookInstalled() const { return m_hookInstalled; }

    // A report of the key hook: virtual-key code and flags.
    void OnHookReport(std::intptr_t key, std::intptr_t flags);
    // A key of the main window; auto-repeats Qt recognises are not reported here.
    void OnWindowKey(std::int32_t key, bool released);

private:
    void released(std::int32_t key);

    TSessionContext& m_context;
    QAction& m_speak;
    TTalkProtocol& m_talk;
    std::int32_t m_key = 0;
    bool m_hookInstalled = false;
    std::unique_ptr<ITimer> m_releaseWait;
    std::int32_t m_pendingRelease = 0; // a released key of the window, until it proves no repeat
};

} // namespace orv
