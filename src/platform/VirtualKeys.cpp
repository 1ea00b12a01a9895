#include "platform/VirtualKeys.h"

#include <Qt>
#include <X11/keysym.h>

namespace orv {

std::int32_t VirtualKeyFromKeySym(unsigned long keysym) {
    switch (keysym) {
    case XK_Shift_L:
    case XK_Shift_R:
        return VirtualKey::Shift;
    case XK_Control_L:
    case XK_Control_R:
        return VirtualKey::Control;
    case XK_Alt_L:
    case XK_Alt_R:
        return VirtualKey::Menu;
    case XK_Escape:
        return VirtualKey::Escape;
    case XK_space:
        return VirtualKey::Space;
    default:
        break;
    }
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return VirtualKey::F1 + std::int32_t(keysym - XK_F1);
    if (keysym >= XK_a && keysym <= XK_z)
        return 'A' + std::int32_t(keysym - XK_a);
    if (keysym >= XK_A && keysym <= XK_Z)
        return 'A' + std::int32_t(keysym - XK_A);
    if (keysym >= XK_0 && keysym <= XK_9)
        return '0' + std::int32_t(keysym - XK_0);
    return 0;
}

std::int32_t VirtualKeyFromQtKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Shift:
        return VirtualKey::Shift;
    case Qt::Key_Control:
        return VirtualKey::Control;
    case Qt::Key_Alt:
        return VirtualKey::Menu;
    case Qt::Key_Escape:
        return VirtualKey::Escape;
    case Qt::Key_Space:
        return VirtualKey::Space;
    default:
        break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VirtualKey::F1 + (qtKey - Qt::Key_F1);
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // Qt's codes for letters and digits are their ASCII capitals, as the virtual keys are
    return 0;
}

} // namespace orv
