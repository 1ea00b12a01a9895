#pragma once
// The simple mixer controls of one ALSA sound card ("hw:N"), read and written through the ALSA mixer.

#include "platform/AudioMixer.h"

#include <optional>
#include <vector>

namespace orv::AlsaControls {

// Every control in the card's order; nothing when the card's mixer cannot be opened.
std::optional<std::vector<TMixerControl>> List(int card);
// Writes the channel values of the control with `control`'s name and index.
bool Set(int card, const TMixerControl& control);

} // namespace orv::AlsaControls
