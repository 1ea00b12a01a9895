#pragma once
// The own Speak action as moderation sees it. The voice subsystem owns the action and the floor; moderation
// asks whether the user is speaking, takes the floor away when the microphone is withdrawn and has the
// action show whether the user may speak.

namespace orv {

class ISpeakAction {
public:
    virtual ~ISpeakAction() = default;
    // The Speak action is on: the user holds the floor or is taking it.
    virtual bool IsSpeaking() const = 0;
    // Turns the Speak action off, giving the floor back.
    virtual void StopSpeaking() = 0;
    // The action's picture: the microphone allowed or forbidden.
    virtual void ShowMicrophoneAllowed(bool allowed) = 0;
};

} // namespace orv
