#include "platform/KeyboardHook.h"

#include "platform/VirtualKeys.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <set>

namespace orv {

struct TKeyboardHook::Connection {
    Display* display = nullptr;
    int inputOpcode = 0;
    ~Connection() {
        if (display)
            XCloseDisplay(display);
    }
};

TKeyboardHook::TKeyboardHook() = default;

TKeyboardHook::~TKeyboardHook() {
    Remove();
}

bool TKeyboardHook::Install(IMessageSink& target, int number) {
    if (Installed())
        return false;
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return false;
    auto connection = std::make_unique<Connection>();
    connection->display = XOpenDisplay(nullptr);
    if (!connection->display)
        return false;
    Display* d = connection->display;
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 0;
    if (!XQueryExtension(d, "XInputExtension", &connection->inputOpcode, &event, &error) ||
        XIQueryVersion(d, &major, &minor) != Success)
        return false;
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(d, DefaultRootWindow(d), &mask, 1);
    XSync(d, False);
    if (pipe2(m_wakePipe, O_CLOEXEC) != 0)
        return false;
    m_connection = std::move(connection);
    m_thread = std::thread([this, &target, number] { run(target, number); });
    return true;
}

void TKeyboardHook::run(IMessageSink& target, int number) {
    Display* d = m_connection->display;
    std::set<int> held; // key codes down now, to tell a repeat from a first press
    for (;;) {
        while (XPending(d) > 0) {
            XEvent event;
            XNextEvent(d, &event);
            XGenericEventCookie* cookie = &event.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != m_connection->inputOpcode ||
                !XGetEventData(d, cookie))
                continue;
            if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
                const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
                const int code = raw->detail;
                const bool release = cookie->evtype == XI_RawKeyRelease;
                std::uint32_t flags = 0;
                bool report = true;
                if (release) {
                    flags = KeyFlagRelease | KeyFlagRepeat; // the key was down before it goes up
                    // A release of a key that is not down (synthetic input may send two) is no news.
                    report = held.erase(code) > 0;
                } else if (!held.insert(code).second) {
                    flags = KeyFlagRepeat;
                }
                const std::int32_t key = VirtualKeyFromKeySym(XkbKeycodeToKeysym(d, KeyCode(code), 0, 0));
                if (key != 0 && report)
                    target.post(number, key, std::intptr_t(flags));
            }
            XFreeEventData(d, cookie);
        }
        pollfd fds[2] = {{ConnectionNumber(d), POLLIN, 0}, {m_wakePipe[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[1].revents != 0)
            return;
        if (fds[0].revents & (POLLERR | POLLHUP))
            return;
    }
}

void TKeyboardHook::Remove() {
    if (m_thread.joinable()) {
        const char wake = 1;
        [[maybe_unused]] const ssize_t n = write(m_wakePipe[1], &wake, 1);
        m_thread.join();
    }
    for (int& fd : m_wakePipe) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
    m_connection.reset();
}

} // namespace orv
