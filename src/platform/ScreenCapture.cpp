#include "platform/ScreenCapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace orv {

namespace {

Display* X11Display() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// The window the window manager names active, else the one with the keyboard focus.
Window ActiveWindow(Display* display) {
    const Window root = DefaultRootWindow(display);
    const Atom active = XInternAtom(display, "_NET_ACTIVE_WINDOW", True);
    Window window = 0;
    if (active != None) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, root, active, 0, 1, False, XA_WINDOW, &type, &format, &items, &after,
                               &data) == Success &&
            data) {
            if (type == XA_WINDOW && format == 32 && items == 1)
                window = *reinterpret_cast<Window*>(data);
            XFree(data);
        }
    }
    if (window == 0) {
        int revert = 0;
        XGetInputFocus(display, &window, &revert);
        if (window == PointerRoot || window == None)
            window = 0;
    }
    return window == root ? 0 : window;
}

// The child of the root that holds the window: its frame when a window manager reparented it.
Window TopLevel(Display* display, Window window) {
    const Window root = DefaultRootWindow(display);
    for (int depth = 0; window != 0 && depth < 64; ++depth) {
        Window rootReturn = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &rootReturn, &parent, &children, &count))
            return 0;
        if (children)
            XFree(children);
        if (parent == root || parent == 0)
            return window;
        window = parent;
    }
    return 0;
}

} // namespace

bool ScreenCaptureAvailable() {
    return X11Display() != nullptr && QGuiApplication::primaryScreen() != nullptr;
}

QImage CaptureDesktopArea(const QRect& area) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!ScreenCaptureAvailable() || area.isEmpty())
        return {};
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage CaptureDesktop() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? CaptureDesktopArea(screen->virtualGeometry()) : QImage();
}

QRect ForegroundWindowFrame() {
    Display* display = X11Display();
    if (!display)
        return {};
    const Window window = TopLevel(display, ActiveWindow(display));
    if (window == 0)
        return {};
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes))
        return {};
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    const int border = attributes.border_width;
    return QRect(x - border, y - border, attributes.width + 2 * border, attributes.height + 2 * border);
}

QImage CaptureForegroundWindow() {
    return CaptureDesktopArea(ForegroundWindowFrame());
}

} // namespace orv
