#include "platform/X11Desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <cstring>

namespace orv {

namespace {

// X errors of the calls inside a trap are counted instead of ending the program. Xlib's handler is global,
// so the trap takes it over only while it is open.
int g_trappedErrors = 0;
int CountError(Display*, XErrorEvent*) {
    ++g_trappedErrors;
    return 0;
}

class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : m_display(display) {
        XSync(display, False);
        g_trappedErrors = 0;
        m_previous = XSetErrorHandler(CountError);
    }
    ~ErrorTrap() {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    // Whether an error arrived so far (waits for the server's answers).
    bool failed() {
        XSync(m_display, False);
        return g_trappedErrors != 0;
    }

private:
    Display* m_display;
    int (*m_previous)(Display*, XErrorEvent*) = nullptr;
};

bool WaylandSession() {
    const char* type = std::getenv("XDG_SESSION_TYPE");
    return type && std::strcmp(type, "wayland") == 0;
}

int ShiftOf(unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// One channel of a pixel scaled to eight bits.
unsigned Channel(unsigned long pixel, unsigned long mask) {
    if (!mask)
        return 0;
    const int shift = ShiftOf(mask);
    const unsigned long max = mask >> shift;
    return unsigned(((pixel & mask) >> shift) * 255 / max);
}

// Copies an XImage read at `at` into the RGB32 target.
void CopyImage(XImage* image, QImage& target, QPoint at) {
    const bool direct = image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 &&
                        image->green_mask == 0xFF00 && image->blue_mask == 0xFF &&
                        image->byte_order == LSBFirst;
    for (int y = 0; y < image->height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(at.y() + y)) + at.x();
        if (direct) {
            const auto* source =
                reinterpret_cast<const std::uint32_t*>(image->data + y * image->bytes_per_line);
            for (int x = 0; x < image->width; ++x)
                line[x] = 0xFF000000u | source[x];
            continue;
        }
        for (int x = 0; x < image->width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            line[x] = qRgb(int(Channel(p, image->red_mask)), int(Channel(p, image->green_mask)),
                           int(Channel(p, image->blue_mask)));
        }
    }
}

} // namespace

struct X11Desktop::Parts {
    Display* display = nullptr;
    Window root = 0;
    bool shmUsable = false;
    bool lastShared = false;
    XShmSegmentInfo shm{};
    XImage* shmImage = nullptr;
    int xfixesEvent = 0, xfixesError = 0;
    bool xfixes = false, xtest = false;

    void dropShmImage() {
        if (!shmImage)
            return;
        XShmDetach(display, &shm);
        XSync(display, False);
        XDestroyImage(shmImage);
        shmdt(shm.shmaddr);
        shmImage = nullptr;
    }

    // A shared image of the size, reused while the size stays; none when shared memory does not work here.
    XImage* shmImageOf(int width, int height) {
        if (shmImage && shmImage->width == width && shmImage->height == height)
            return shmImage;
        dropShmImage();
        const int screen = DefaultScreen(display);
        XImage* image =
            XShmCreateImage(display, DefaultVisual(display, screen), unsigned(DefaultDepth(display, screen)),
                            ZPixmap, nullptr, &shm, unsigned(width), unsigned(height));
        if (!image)
            return nullptr;
        shm.shmid =
            shmget(IPC_PRIVATE, std::size_t(image->bytes_per_line) * std::size_t(height), IPC_CREAT | 0600);
        if (shm.shmid < 0) {
            XDestroyImage(image);
            return nullptr;
        }
        shm.shmaddr = image->data = static_cast<char*>(shmat(shm.shmid, nullptr, 0));
        shm.readOnly = False;
        // Marked for removal now: it goes when the last attachment does, even if this program dies.
        shmctl(shm.shmid, IPC_RMID, nullptr);
        if (shm.shmaddr == reinterpret_cast<char*>(-1)) {
            image->data = nullptr;
            XDestroyImage(image);
            return nullptr;
        }
        ErrorTrap trap(display);
        const bool attached = XShmAttach(display, &shm) && !trap.failed();
        if (!attached) {
            XDestroyImage(image);
            shmdt(shm.shmaddr);
            return nullptr;
        }
        shmImage = image;
        return image;
    }

    Atom atom(const char* name) const { return XInternAtom(display, name, False); }

    // A property's items; empty when missing or of another format.
    template <typename T> std::vector<T> property(Window window, Atom name, Atom type, long maxItems) {
        std::vector<T> values;
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, name, 0, maxItems, False, type, &actualType, &format, &count,
                               &after, &data) == Success &&
            data) {
            const int wanted = sizeof(T) == 1 ? 8 : 32;
            if (format == wanted && (type == AnyPropertyType || actualType == type)) {
                // Format 32 comes as longs in memory.
                if (format == 32) {
                    const auto* longs = reinterpret_cast<const unsigned long*>(data);
                    for (unsigned long i = 0; i < count; ++i)
                        values.push_back(T(longs[i]));
                } else {
                    values.assign(reinterpret_cast<const T*>(data), reinterpret_cast<const T*>(data) + count);
                }
            }
            XFree(data);
        }
        return values;
    }

    QString title(Window window) {
        const auto utf8 = property<char>(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 1024);
        if (!utf8.empty())
            return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
        const auto latin = property<char>(window, XA_WM_NAME, XA_STRING, 1024);
        return QString::fromLatin1(latin.data(), qsizetype(latin.size()));
    }

    QImage icon(Window window) {
        // _NET_WM_ICON: width, height, then ARGB pixels; the first icon is taken.
        const auto data = property<std::uint32_t>(window, atom("_NET_WM_ICON"), XA_CARDINAL, 2 + 256 * 256);
        if (data.size() < 2 || data[0] == 0 || data[1] == 0 || data[0] > 256 || data[1] > 256 ||
            data.size() < 2 + std::size_t(data[0]) * data[1])
            return {};
        QImage image(static_cast<int>(data[0]), static_cast<int>(data[1]), QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            std::memcpy(image.scanLine(y), data.data() + 2 + std::size_t(y) * data[0],
                        std::size_t(data[0]) * 4);
        return image;
    }
};

X11Desktop::X11Desktop(const QByteArray& displayName) : m(std::make_unique<Parts>()) {
    if (WaylandSession())
        return;
    m->display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!m->display)
        return;
    m->root = DefaultRootWindow(m->display);
    m->shmUsable = XShmQueryExtension(m->display);
    m->xfixes = XFixesQueryExtension(m->display, &m->xfixesEvent, &m->xfixesError);
    int event = 0, error = 0, major = 0, minor = 0;
    m->xtest = XTestQueryExtension(m->display, &event, &error, &major, &minor);
}

X11Desktop::~X11Desktop() {
    if (!m->display)
        return;
    m->dropShmImage();
    XCloseDisplay(m->display);
}

bool X11Desktop::Available() const {
    return m->display != nullptr;
}

QSize X11Desktop::ScreenSize() const {
    if (!m->display)
        return {};
    const int screen = DefaultScreen(m->display);
    return QSize(DisplayWidth(m->display, screen), DisplayHeight(m->display, screen));
}

bool X11Desktop::LastCaptureShared() const {
    return m->lastShared;
}

bool X11Desktop::CaptureArea(const QRect& wanted, QImage& target) {
    m->lastShared = false;
    if (!m->display || target.format() != QImage::Format_RGB32)
        return false;
    const QRect area = wanted & QRect(QPoint(0, 0), ScreenSize()) & target.rect();
    if (area.isEmpty())
        return false;
    if (m->shmUsable) {
        if (XImage* image = m->shmImageOf(area.width(), area.height())) {
            ErrorTrap trap(m->display);
            if (XShmGetImage(m->display, m->root, image, area.x(), area.y(), AllPlanes) && !trap.failed()) {
                CopyImage(image, target, area.topLeft());
                m->lastShared = true;
                return true;
            }
        }
        // Shared memory does not work here (another machine's server, a container): read over the wire.
        m->dropShmImage();
        m->shmUsable = false;
    }
    ErrorTrap trap(m->display);
    XImage* image = XGetImage(m->display, m->root, area.x(), area.y(), unsigned(area.width()),
                              unsigned(area.height()), AllPlanes, ZPixmap);
    if (!image || trap.failed()) {
        if (image)
            XDestroyImage(image);
        return false;
    }
    CopyImage(image, target, area.topLeft());
    XDestroyImage(image);
    return true;
}

std::vector<TDesktopWindow> X11Desktop::Windows() {
    std::vector<TDesktopWindow> list;
    if (!m->display)
        return list;
    ErrorTrap trap(m->display);
    std::vector<Window> windows =
        m->property<Window>(m->root, m->atom("_NET_CLIENT_LIST_STACKING"), XA_WINDOW, 4096);
    if (windows.empty())
        windows = m->property<Window>(m->root, m->atom("_NET_CLIENT_LIST"), XA_WINDOW, 4096);
    if (windows.empty()) { // no window manager: the root's children
        Window rootReturn = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(m->display, m->root, &rootReturn, &parent, &children, &count) && children) {
            windows.assign(children, children + count);
            XFree(children);
        }
    }
    for (Window w : windows) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(m->display, w, &attributes) || attributes.map_state != IsViewable ||
            attributes.c_class == InputOnly)
            continue;
        TDesktopWindow entry;
        entry.handle = w;
        entry.title = m->title(w);
        if (const auto rect = WindowRect(w))
            entry.rect = *rect;
        entry.icon = m->icon(w);
        list.push_back(std::move(entry));
    }
    return list;
}

std::optional<QRect> X11Desktop::WindowRect(TWindowHandle handle) {
    if (!m->display || handle == 0)
        return std::nullopt;
    ErrorTrap trap(m->display);
    const Window window = Window(handle);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(m->display, window, &attributes) || trap.failed())
        return std::nullopt;
    int x = 0, y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(m->display, window, m->root, 0, 0, &x, &y, &child) || trap.failed())
        return std::nullopt;
    return QRect(x, y, attributes.width, attributes.height);
}

void X11Desktop::ActivateWindow(TWindowHandle handle) {
    if (!m->display || handle == 0)
        return;
    ErrorTrap trap(m->display);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = Window(handle);
    event.xclient.message_type = m->atom("_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // from a pager: obeyed without focus stealing rules
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m->display, m->root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XRaiseWindow(m->display, Window(handle));
    XFlush(m->display);
}

std::optional<TPointerImage> X11Desktop::Pointer() {
    if (!m->display)
        return std::nullopt;
    TPointerImage pointer;
    if (m->xfixes) {
        ErrorTrap trap(m->display);
        if (XFixesCursorImage* cursor = XFixesGetCursorImage(m->display)) {
            pointer.position = QPoint(cursor->x, cursor->y);
            pointer.hotSpot = QPoint(cursor->xhot, cursor->yhot);
            if (cursor->width > 0 && cursor->height > 0 && cursor->width <= 256 && cursor->height <= 256) {
                // The pixels are unsigned long, one premultiplied ARGB value in the low 32 bits of each.
                pointer.image = QImage(cursor->width, cursor->height, QImage::Format_ARGB32_Premultiplied);
                for (int y = 0; y < cursor->height; ++y) {
                    auto* line = reinterpret_cast<QRgb*>(pointer.image.scanLine(y));
                    for (int x = 0; x < cursor->width; ++x)
                        line[x] = QRgb(cursor->pixels[std::size_t(y) * cursor->width + std::size_t(x)] &
                                       0xFFFFFFFFu);
                }
            }
            XFree(cursor);
            return pointer;
        }
    }
    Window rootReturn = 0, child = 0;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(m->display, m->root, &rootReturn, &child, &x, &y, &wx, &wy, &mask))
        return std::nullopt;
    pointer.position = QPoint(x, y);
    return pointer;
}

bool X11Desktop::InjectKey(std::uint32_t keysym, bool press) {
    if (!m->display || !m->xtest)
        return false;
    const KeyCode code = XKeysymToKeycode(m->display, KeySym(keysym));
    if (code == 0)
        return false;
    XTestFakeKeyEvent(m->display, code, press ? True : False, CurrentTime);
    XFlush(m->display);
    return true;
}

bool X11Desktop::InjectPointerMove(QPoint position) {
    if (!m->display || !m->xtest)
        return false;
    XTestFakeMotionEvent(m->display, DefaultScreen(m->display), position.x(), position.y(), CurrentTime);
    XFlush(m->display);
    return true;
}

bool X11Desktop::InjectButton(TMouseButton button, bool press) {
    if (!m->display || !m->xtest)
        return false;
    const unsigned number = button == TMouseButton::Left ? 1 : button == TMouseButton::Middle ? 2 : 3;
    XTestFakeButtonEvent(m->display, number, press ? True : False, CurrentTime);
    XFlush(m->display);
    return true;
}

bool X11Desktop::InjectWheel(int clicks) {
    if (!m->display || !m->xtest || clicks == 0)
        return false;
    const unsigned number = clicks > 0 ? 4 : 5;
    for (int i = 0; i < std::abs(clicks) && i < 20; ++i) {
        XTestFakeButtonEvent(m->display, number, True, CurrentTime);
        XTestFakeButtonEvent(m->display, number, False, CurrentTime);
    }
    XFlush(m->display);
    return true;
}

} // namespace orv
