#pragma once
// What application sharing needs of the desktop: screen pixels, the top-level windows, the pointer's image
// and synthetic keyboard and mouse input. X11 provides it (X11Desktop); on Wayland the desktop portal gives
// the screen (WaylandDesktop) once sharing begins. Tests give their own.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace orv {

using TWindowHandle = std::uint64_t;

struct TDesktopWindow {
    TWindowHandle handle = 0;
    QString title;
    QRect rect; // on the screen, frame excluded
    QImage icon;
};

struct TPointerImage {
    QImage image;    // ARGB32, premultiplied
    QPoint position; // of the pointer on the screen
    QPoint hotSpot;  // inside the image
};

enum class TMouseButton { Left, Right, Middle };

class IDesktopAccess {
public:
    virtual ~IDesktopAccess() = default;

    virtual bool Available() const = 0;
    // Why the screen cannot be shared here, for the user; empty where the desktop gives no reason.
    virtual QString WhyUnavailable() const { return {}; }
    // Sharing begins and ends. A desktop that must first be granted the screen asks for it here; `lost`
    // is called later on the caller's thread when that is refused or the grant ends, with the reason.
    virtual void BeginCapture(std::function<void(const QString& why)> lost) { (void)lost; }
    virtual void EndCapture() {}
    // Whether synthetic input reaches the desktop, so that a viewer can be given control.
    virtual bool InputAvailable() const { return Available(); }
    virtual QSize ScreenSize() const = 0;
    // Copies the screen's `area`, clipped to the screen, into `target` at the same coordinates (clipped to
    // the target too). False when nothing could be read; the target keeps what it had there.
    virtual bool CaptureArea(const QRect& area, QImage& target) = 0;
    // The visible top-level windows with a title, in stacking order.
    virtual std::vector<TDesktopWindow> Windows() = 0;
    // The window's rectangle on the screen; none when it no longer exists.
    virtual std::optional<QRect> WindowRect(TWindowHandle window) = 0;
    virtual void ActivateWindow(TWindowHandle window) = 0;
    virtual std::optional<TPointerImage> Pointer() = 0;
    // Synthetic input: a key by its X keysym, the pointer to a screen position, a button, the wheel.
    virtual bool InjectKey(std::uint32_t keysym, bool press) = 0;
    virtual bool InjectPointerMove(QPoint position) = 0;
    virtual bool InjectButton(TMouseButton button, bool press) = 0;
    virtual bool InjectWheel(int clicks) = 0;
};

} // namespace orv
