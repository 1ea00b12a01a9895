#include "resources/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace orv {

void QtBusyCursor::Show() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
}

void QtBusyCursor::Restore() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace orv
