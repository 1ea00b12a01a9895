#pragma once
// Wayland clients cannot place their top-level windows; the compositor does. There, a window its user
// drags by a part of its own (a caption drawn by the window) is moved by the compositor instead.

class QWindow;

namespace orv {

// True under a window system where the program cannot place its top-level windows (Wayland).
bool CompositorPlacesWindows();
// Hands a drag that has just begun on `window` to the compositor; false where the program moves the
// window itself.
bool StartCompositorMove(QWindow* window);

} // namespace orv
