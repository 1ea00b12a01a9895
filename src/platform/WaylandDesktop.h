#pragma once
// The desktop of application sharing in a Wayland session: the screen is granted through the desktop
// portal's screen cast when sharing begins and read from its PipeWire stream; the pointer comes from the
// stream's metadata where the portal sends it. Wayland lists no other program's windows, so only the whole
// screen is offered. Synthetic input would need the remote desktop portal, which this layer does not drive:
// viewers only watch.

#include "platform/DesktopAccess.h"

#include <QDBusConnection>

#include <memory>

namespace orv {

class PipeWireFrames;
class PortalScreenCast;

class WaylandDesktop final : public IDesktopAccess {
public:
    explicit WaylandDesktop(QDBusConnection bus = QDBusConnection::sessionBus());
    ~WaylandDesktop() override;

    // Whether this process runs in a Wayland session (where this class, not X11Desktop, serves).
    static bool InSession();

    bool Available() const override;
    QString WhyUnavailable() const override;
    void BeginCapture(std::function<void(const QString& why)> lost) override;
    void EndCapture() override;
    bool InputAvailable() const override { return false; }
    QSize ScreenSize() const override;
    bool CaptureArea(const QRect& area, QImage& target) override;
    std::vector<TDesktopWindow> Windows() override { return {}; }
    std::optional<QRect> WindowRect(TWindowHandle) override { return std::nullopt; }
    void ActivateWindow(TWindowHandle) override {}
    std::optional<TPointerImage> Pointer() override;
    bool InjectKey(std::uint32_t, bool) override { return false; }
    bool InjectPointerMove(QPoint) override { return false; }
    bool InjectButton(TMouseButton, bool) override { return false; }
    bool InjectWheel(int) override { return false; }

    // The stream's frames so far (tests).
    std::uint64_t FramesReceived() const;

private:
    QDBusConnection m_bus;
    mutable bool m_offered = false; // once offered, the portal stays
    std::unique_ptr<PortalScreenCast> m_portal;
    std::unique_ptr<PipeWireFrames> m_frames;
};

} // namespace orv
