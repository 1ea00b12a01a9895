#pragma once
// The desktop of application sharing on X11, over a display connection of its own: XShm screen reads
// (falling back to XGetImage) clipped to the screen with X errors trapped, the EWMH window list, the XFixes
// pointer image and XTest input. In a Wayland session, or without a display, nothing is available.

#include "platform/DesktopAccess.h"

#include <QByteArray>

#include <memory>

namespace orv {

class X11Desktop final : public IDesktopAccess {
public:
    // The display named by DISPLAY, or `displayName` when given.
    explicit X11Desktop(const QByteArray& displayName = {});
    ~X11Desktop() override;

    bool Available() const override;
    QSize ScreenSize() const override;
    bool CaptureArea(const QRect& area, QImage& target) override;
    std::vector<TDesktopWindow> Windows() override;
    std::optional<QRect> WindowRect(TWindowHandle window) override;
    void ActivateWindow(TWindowHandle window) override;
    std::optional<TPointerImage> Pointer() override;
    bool InjectKey(std::uint32_t keysym, bool press) override;
    bool InjectPointerMove(QPoint position) override;
    bool InjectButton(TMouseButton button, bool press) override;
    bool InjectWheel(int clicks) override;

    // Whether the last capture went through shared memory (tests).
    bool LastCaptureShared() const;

private:
    struct Parts;
    std::unique_ptr<Parts> m;
};

} // namespace orv
