#include "platform/CompositorMove.h"

#include <QGuiApplication>
#include <QWindow>

namespace orv {

bool CompositorPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool StartCompositorMove(QWindow* window) {
    return CompositorPlacesWindows() && window && window->startSystemMove();
}

} // namespace orv
