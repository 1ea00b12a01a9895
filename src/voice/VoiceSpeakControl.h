#pragma once
// The Speak action as moderation drives it: whether the user is speaking, giving the floor back when the
// microphone is withdrawn, and the action following the microphone right.

#include "session/SpeakAction.h"
#include "voice/TalkProtocol.h"

#include <QAction>
#include <QPointer>

namespace orv {

class TVoiceSpeakControl final : public ISpeakAction {
public:
    TVoiceSpeakControl(QAction* speak, TTalkProtocol& talk) : m_speak(speak), m_talk(talk) {}

    bool IsSpeaking() const override { return m_speak && m_speak->isChecked(); }
    void StopSpeaking() override { m_talk.StopIfTalking(); }
    // The right itself is in the session state already; the action's enabled state follows it.
    void ShowMicrophoneAllowed(bool) override { m_talk.RefreshEnabled(); }

private:
    QPointer<QAction> m_speak;
    TTalkProtocol& m_talk;
};

} // namespace orv
