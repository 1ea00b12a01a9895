#pragma once
// Push-to-talk: holding the chosen key talks, releasing it stops. The desktop-wide key hook reports every key
// with its release and repeat bits; without the hook the main window's own keys serve, and only while it is
// active. F3, released, toggles the Speak action either way.

#include "platform/KeyboardHook.h"
#include "voice/TalkProtocol.h"

#include <cstdint>

namespace orv {

struct TSessionContext;

class TPushToTalk {
public:
    TPushToTalk(TSessionContext& context, QAction& speak, TTalkProtocol& talk)
        : m_context(context), m_speak(speak), m_talk(talk) {}

    // The virtual-key code that talks while held, 0 for none.
    void SetKey(std::int32_t key) { m_key = key; }
    void SetHookInstalled(bool installed) {
        m_hookInstalled = installed;
        m_talk.SetHookInstalled(installed);
    }
    bool HookInstalled() const { return m_hookInstalled; }

    // A report of the key hook: virtual-key code and flags.
    void OnHookReport(std::intptr_t key, std::intptr_t flags);
    // A key of the main window; auto-repeats are not reported here. True when the key was used.
    bool OnWindowKey(std::int32_t key, bool released);

private:
    TSessionContext& m_context;
    QAction& m_speak;
    TTalkProtocol& m_talk;
    std::int32_t m_key = 0;
    bool m_hookInstalled = false;
};

} // namespace orv
