#pragma once
// The desktop-wide keyboard hook on X11: a thread of its own with its own display connection watches the raw
// key events of every keyboard (XInput2) and posts each, under the message number it was given, to its
// target (the main window, for push-to-talk): the virtual-key code, and flags with bit 31 set on release and
// bit 30 set for a press of a key already down (the auto-repeat). Without an X display or XInput2 it does not
// install, and the main window's own keys serve.

#include "platform/AppMessage.h"

#include <cstdint>
#include <memory>
#include <thread>

namespace orv {

// The bits of a report's flags.
constexpr std::uint32_t KeyFlagRepeat = 1u << 30;  // the key was down before this event
constexpr std::uint32_t KeyFlagRelease = 1u << 31; // the key goes up

class TKeyboardHook {
public:
    TKeyboardHook();
    ~TKeyboardHook();

    TKeyboardHook(const TKeyboardHook&) = delete;
    TKeyboardHook& operator=(const TKeyboardHook&) = delete;

    // Starts reporting to `target` as message `number` (the target must outlive the hook or be detached
    // first); false when there is no X display or no XInput2, or when installed already.
    bool Install(IMessageSink& target, int number);
    // Stops reporting and ends the thread; nothing when not installed.
    void Remove();
    bool Installed() const { return m_thread.joinable(); }

private:
    struct Connection;
    void run(IMessageSink& target, int number);

    std::unique_ptr<Connection> m_connection;
    std::thread m_thread;
    int m_wakePipe[2] = {-1, -1};
};

} // namespace orv
