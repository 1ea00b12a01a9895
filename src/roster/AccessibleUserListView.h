#pragma once
// The participant list as a screen reader sees it: a list whose items are the entries in display order, each
// named with the participant's name and states, selected as the roster's selection is.

namespace orv {

// Teaches the accessibility layer both views; the first call does it, later ones do nothing.
void InstallUserListAccessibility();

} // namespace orv
