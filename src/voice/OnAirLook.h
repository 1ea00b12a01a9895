#pragma once
// The user's own floor as the Speak action and the audio pane show it: not speaking, waiting for the
// server's answer to a request, or on the air, where a mute silences the microphone but keeps the floor.
// Pictures are indexes of the main picture list; texts are untranslated, in the voice module's context.

namespace orv {

enum class TFloorState { Off, Requesting, OnAir };

namespace SpeakPicture {
constexpr int Requesting = 12;
constexpr int Talking = 42;
constexpr int Allowed = 43;
constexpr int Muted = 44;
constexpr int Forbidden = 50;
} // namespace SpeakPicture

struct TSpeakLook {
    int picture;
    const char* text;
};

TSpeakLook SpeakLook(TFloorState floor, bool microphoneAllowed, bool muted);

} // namespace orv
