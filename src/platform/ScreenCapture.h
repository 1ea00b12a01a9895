#pragma once
// Pictures of the screen for the whiteboard: the whole desktop, the window in the foreground with its frame,
// or a rectangle of the desktop. X11 only; elsewhere (Wayland) nothing is captured and the caller says
// "not available".

#include <QImage>
#include <QRect>

namespace orv {

bool ScreenCaptureAvailable();
// The whole virtual desktop.
QImage CaptureDesktop();
// The foreground window as the window manager frames it; the desktop's area under it.
QImage CaptureForegroundWindow();
// The foreground window's frame in desktop coordinates; empty when there is none.
QRect ForegroundWindowFrame();
QImage CaptureDesktopArea(const QRect& area);

} // namespace orv
