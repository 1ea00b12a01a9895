#include "appshare/RemoteInput.h"

#include "platform/DesktopAccess.h"

#include <Qt>

#include <X11/keysym.h>

#include <algorithm>
#include <cmath>

namespace orv {

std::int32_t AbsoluteFromPixel(double position, std::int32_t side) {
    if (side <= 0)
        return 0;
    return std::int32_t(std::lround(65535.0 / side * position));
}

std::int32_t PixelFromAbsolute(std::int32_t value, std::int32_t side) {
    if (side <= 0)
        return 0;
    const auto pixel = std::int64_t(std::llround(double(value) * side / 65535.0));
    return std::int32_t(std::clamp<std::int64_t>(pixel, 0, side - 1));
}

std::uint32_t KeysymOfVirtualKey(std::uint8_t vk) {
    if (vk >= 'A' && vk <= 'Z')
        return XK_a + (vk - 'A');
    if (vk >= '0' && vk <= '9')
        return XK_0 + (vk - '0');
    if (vk >= 0x60 && vk <= 0x69)
        return XK_KP_0 + (vk - 0x60);
    if (vk >= 0x70 && vk <= 0x87)
        return XK_F1 + (vk - 0x70);
    switch (vk) {
    case 0x08:
        return XK_BackSpace;
    case 0x09:
        return XK_Tab;
    case 0x0C:
        return XK_Clear;
    case 0x0D:
        return XK_Return;
    case 0x10:
    case 0xA0:
        return XK_Shift_L;
    case 0xA1:
        return XK_Shift_R;
    case 0x11:
    case 0xA2:
        return XK_Control_L;
    case 0xA3:
        return XK_Control_R;
    case 0x12:
    case 0xA4:
        return XK_Alt_L;
    case 0xA5:
        return XK_Alt_R;
    case 0x13:
        return XK_Pause;
    case 0x14:
        return XK_Caps_Lock;
    case 0x1B:
        return XK_Escape;
    case 0x20:
        return XK_space;
    case 0x21:
        return XK_Page_Up;
    case 0x22:
        return XK_Page_Down;
    case 0x23:
        return XK_End;
    case 0x24:
        return XK_Home;
    case 0x25:
        return XK_Left;
    case 0x26:
        return XK_Up;
    case 0x27:
        return XK_Right;
    case 0x28:
        return XK_Down;
    case 0x2C:
        return XK_Print;
    case 0x2D:
        return XK_Insert;
    case 0x2E:
        return XK_Delete;
    case 0x5B:
        return XK_Super_L;
    case 0x5C:
        return XK_Super_R;
    case 0x5D:
        return XK_Menu;
    case 0x6A:
        return XK_KP_Multiply;
    case 0x6B:
        return XK_KP_Add;
    case 0x6D:
        return XK_KP_Subtract;
    case 0x6E:
        return XK_KP_Decimal;
    case 0x6F:
        return XK_KP_Divide;
    case 0x90:
        return XK_Num_Lock;
    case 0x91:
        return XK_Scroll_Lock;
    case 0xBA:
        return XK_semicolon;
    case 0xBB:
        return XK_equal;
    case 0xBC:
        return XK_comma;
    case 0xBD:
        return XK_minus;
    case 0xBE:
        return XK_period;
    case 0xBF:
        return XK_slash;
    case 0xC0:
        return XK_grave;
    case 0xDB:
        return XK_bracketleft;
    case 0xDC:
        return XK_backslash;
    case 0xDD:
        return XK_bracketright;
    case 0xDE:
        return XK_apostrophe;
    default:
        return 0;
    }
}

std::uint8_t VirtualKeyOfQtKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return std::uint8_t(key); // the same codes
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return std::uint8_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return std::uint8_t(0x70 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0x09;
    case Qt::Key_Clear:
        return 0x0C;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 0x0D;
    case Qt::Key_Shift:
        return 0x10;
    case Qt::Key_Control:
        return 0x11;
    case Qt::Key_Alt:
        return 0x12;
    case Qt::Key_Pause:
        return 0x13;
    case Qt::Key_CapsLock:
        return 0x14;
    case Qt::Key_Escape:
        return 0x1B;
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_PageUp:
        return 0x21;
    case Qt::Key_PageDown:
        return 0x22;
    case Qt::Key_End:
        return 0x23;
    case Qt::Key_Home:
        return 0x24;
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    case Qt::Key_Print:
        return 0x2C;
    case Qt::Key_Insert:
        return 0x2D;
    case Qt::Key_Delete:
        return 0x2E;
    case Qt::Key_Meta:
        return 0x5B;
    case Qt::Key_Menu:
        return 0x5D;
    case Qt::Key_Asterisk:
        return 0x6A;
    case Qt::Key_Plus:
        return 0xBB;
    case Qt::Key_NumLock:
        return 0x90;
    case Qt::Key_ScrollLock:
        return 0x91;
    case Qt::Key_Semicolon:
        return 0xBA;
    case Qt::Key_Equal:
        return 0xBB;
    case Qt::Key_Comma:
        return 0xBC;
    case Qt::Key_Minus:
        return 0xBD;
    case Qt::Key_Period:
        return 0xBE;
    case Qt::Key_Slash:
        return 0xBF;
    case Qt::Key_QuoteLeft:
        return 0xC0;
    case Qt::Key_BracketLeft:
        return 0xDB;
    case Qt::Key_Backslash:
        return 0xDC;
    case Qt::Key_BracketRight:
        return 0xDD;
    case Qt::Key_Apostrophe:
        return 0xDE;
    default:
        return 0;
    }
}

bool ReplayRemoteInput(const TRemoteInputRecord& r, IDesktopAccess& desktop, QSize screen) {
    if (r.Kind() == ikKeyboard) {
        const std::uint32_t keysym = KeysymOfVirtualKey(r.VirtualKey());
        return keysym != 0 && desktop.InjectKey(keysym, (r.Flags() & InputFlag::KeyUp) == 0);
    }
    if (r.Kind() != ikMouse)
        return false;
    const std::uint32_t flags = r.Flags();
    bool done = true;
    if (flags & (InputFlag::Move | InputFlag::Absolute)) {
        const QPoint position(PixelFromAbsolute(r.X(), screen.width()),
                              PixelFromAbsolute(r.Y(), screen.height()));
        done = desktop.InjectPointerMove(position) && done;
    }
    const struct {
        std::uint32_t flag;
        TMouseButton button;
        bool press;
    } buttons[] = {
        {InputFlag::LeftDown, TMouseButton::Left, true},
        {InputFlag::LeftUp, TMouseButton::Left, false},
        {InputFlag::RightDown, TMouseButton::Right, true},
        {InputFlag::RightUp, TMouseButton::Right, false},
        {InputFlag::MiddleDown, TMouseButton::Middle, true},
        {InputFlag::MiddleUp, TMouseButton::Middle, false},
    };
    for (const auto& b : buttons)
        if (flags & b.flag)
            done = desktop.InjectButton(b.button, b.press) && done;
    if ((flags & InputFlag::Wheel) && r.WheelData() != 0)
        done = desktop.InjectWheel(r.WheelData() / 120 != 0 ? r.WheelData() / 120
                                                            : (r.WheelData() > 0 ? 1 : -1)) &&
               done;
    return done;
}

} // namespace orv
