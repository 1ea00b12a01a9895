#include "voice/PushToTalk.h"

#include "link/SessionState.h"
#include "platform/VirtualKeys.h"
#include "session/SessionContext.h"

namespace orv {

void TPushToTalk::OnHookReport(std::intptr_t key, std::intptr_t flags) {
    if (m_key <= 0 || key != m_key || m_context.state.IsPlayback())
        return;
    const auto bits = std::uint32_t(flags);
    if (bits & KeyFlagRelease) {
        if (!m_talk.ToggleMark() && m_context.state.OwnMicAllowed)
            m_talk.StopTalking();
    } else if (!(bits & KeyFlagRepeat) && !m_speak.isChecked() && !m_talk.ToggleMark() &&
               m_context.state.OwnMicAllowed) {
        m_talk.StartTalking();
    }
}

bool TPushToTalk::OnWindowKey(std::int32_t key, bool released) {
    if (m_context.state.IsPlayback())
        return false;
    if (released && key == VirtualKey::F3) {
        if (!m_context.state.OwnMicAllowed || !m_speak.isEnabled())
            return false;
        m_speak.trigger();
        return true;
    }
    if (m_hookInstalled || m_key <= 0 || key != m_key || !m_context.state.OwnMicAllowed ||
        m_talk.ToggleMark())
        return false;
    if (released)
        m_talk.StopTalking();
    else if (!m_speak.isChecked())
        m_talk.StartTalking();
    return false; // the key still does what it does in the window
}

} // namespace orv
