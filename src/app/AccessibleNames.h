#pragma once
// Names a screen reader reads from the controls' labels where the toolkit's bridge does not find them: a
// list named by a label beside it, and the text part of an editable combo box, which takes the focus in its
// box's place.

class QWidget;

namespace orv {

// Gives every control of `window` that a label names, and has no name of its own, the label's text; then
// gives each editable combo box's text part its box's name. Call once the window is built.
void NameControlsFromLabels(QWidget& window);

} // namespace orv
