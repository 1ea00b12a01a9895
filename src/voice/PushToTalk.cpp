#include "voice/PushToTalk.h"

#include "link/SessionState.h"
#include "platform/VirtualKeys.h"
#include "session/SessionContext.h"

#include <utility>

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

TPushToTalk::TPushToTalk(TSessionContext& context, QAction& speak, TTalkProtocol& talk, ITimerFactory& timers)
    : m_context(context), m_speak(speak), m_talk(talk),
      m_releaseWait(timers.CreateTimer(TTimerMode::SingleShot, [this] {
          const std::int32_t key = std::exchange(m_pendingRelease, 0);
          if (key != 0)
              released(key);
      })) {}

TPushToTalk::~TPushToTalk() = default;

void TPushToTalk::SetHookInstalled(bool installed) {
    m_hookInstalled = installed;
    m_talk.SetHookInstalled(installed);
    m_releaseWait->Stop();
    m_pendingRelease = 0;
}

void TPushToTalk::OnWindowKey(std::int32_t key, bool released) {
    if (m_context.state.IsPlayback())
        return;
    if (released) {
        // X11 repeats a held key as a release and a press; a press of the same key that follows at once was
        // the repeat, so a release takes effect only once that moment has passed.
        if (m_pendingRelease != 0 && m_pendingRelease != key)
            this->released(std::exchange(m_pendingRelease, 0));
        m_pendingRelease = key;
        m_releaseWait->Start(kRepeatGraceMs);
        return;
    }
    if (key == m_pendingRelease) {
        m_releaseWait->Stop();
        m_pendingRelease = 0;
        return; // still held
    }
    if (m_hookInstalled || m_key <= 0 || key != m_key || !m_context.state.OwnMicAllowed ||
        m_talk.ToggleMark())
        return;
    if (!m_speak.isChecked())
        m_talk.StartTalking();
}

void TPushToTalk::released(std::int32_t key) {
    if (key == VirtualKey::F3) {
        if (m_context.state.OwnMicAllowed && m_speak.isEnabled())
            m_speak.trigger();
        return;
    }
    if (m_hookInstalled || m_key <= 0 || key != m_key || !m_context.state.OwnMicAllowed ||
        m_talk.ToggleMark())
        return;
    m_talk.StopTalking();
}

} // namespace orv
