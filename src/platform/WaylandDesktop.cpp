#include "platform/WaylandDesktop.h"

#include "platform/PipeWireFrames.h"
#include "platform/PortalScreenCast.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <fcntl.h>

namespace orv {

WaylandDesktop::WaylandDesktop(QDBusConnection bus) : m_bus(bus) {}

WaylandDesktop::~WaylandDesktop() {
    EndCapture();
}

bool WaylandDesktop::InSession() {
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           (qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
}

bool WaylandDesktop::Available() const {
    // A portal found is not asked for again (the answer is a call on the bus); a missing one may yet come.
    if (!m_offered)
        m_offered = PortalScreenCast::Offered(m_bus);
    return m_offered;
}

QString WaylandDesktop::WhyUnavailable() const {
    if (Available())
        return {};
    return QCoreApplication::translate("orv::WaylandDesktop",
                                       "this Wayland desktop offers no screen cast portal "
                                       "(xdg-desktop-portal with a back end for the desktop), through which "
                                       "programs are given the screen.");
}

void WaylandDesktop::BeginCapture(std::function<void(const QString& why)> lost) {
    EndCapture();
    m_portal = std::make_unique<PortalScreenCast>(m_bus);
    // Told after the portal's answer has been handled, as the caller may end the capture in return; and
    // not at all once the capture has ended.
    const auto tell = [portal = m_portal.get(), lost](const QString& why) {
        if (lost)
            QTimer::singleShot(0, portal, [lost, why] { lost(why); });
    };
    m_portal->Start(
        [this, tell](TScreenCastStream stream) {
            // PipeWire closes its copy of the connection with the stream.
            const int fd = fcntl(stream.remote.fileDescriptor(), F_DUPFD_CLOEXEC, 3);
            m_frames = std::make_unique<PipeWireFrames>(fd, stream.node);
            if (!m_frames->Running())
                tell(m_frames->Failure());
        },
        tell);
}

void WaylandDesktop::EndCapture() {
    m_frames.reset();
    m_portal.reset(); // closes the portal's session
}

QSize WaylandDesktop::ScreenSize() const {
    if (m_frames && !m_frames->Size().isEmpty())
        return m_frames->Size();
    // Before the stream: the primary screen in pixels, which is what the portal shares by default.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() * screen->devicePixelRatio() : QSize();
}

bool WaylandDesktop::CaptureArea(const QRect& area, QImage& target) {
    return m_frames && m_frames->CopyArea(area, target);
}

std::optional<TPointerImage> WaylandDesktop::Pointer() {
    if (!m_frames)
        return std::nullopt;
    const auto pointer = m_frames->Pointer();
    if (!pointer)
        return std::nullopt;
    return TPointerImage{pointer->image, pointer->position, pointer->hotSpot};
}

std::uint64_t WaylandDesktop::FramesReceived() const {
    return m_frames ? m_frames->Frames() : 0;
}

} // namespace orv
