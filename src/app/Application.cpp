#include "app/Application.h"

#include <QDebug>

namespace orv {

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        qWarning() << "unhandled error:" << e.what();
    } catch (...) {
        qWarning() << "unhandled error";
    }
    return false;
}

} // namespace orv
