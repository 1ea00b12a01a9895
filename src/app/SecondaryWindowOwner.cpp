#include "app/SecondaryWindowOwner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace orv {

TSecondaryWindowOwner::TSecondaryWindowOwner(QWidget& owner) : m_owner(&owner) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool TSecondaryWindowOwner::eventFilter(QObject* watched, QEvent* event) {
    // A widget's show event comes before its window is mapped, while the parent can still be given.
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    const Qt::WindowType type = widget->windowType();
    if (!widget->isWindow() || widget == m_owner ||
        (type != Qt::Window && type != Qt::Dialog && type != Qt::Tool))
        return false;
    QWindow* window = widget->windowHandle();
    // Only a shown main window can own; one that already has a parent keeps it.
    if (!window || window->transientParent() || !m_owner || !m_owner->isVisible() || !m_owner->windowHandle())
        return false;
    window->setTransientParent(m_owner->windowHandle());
    return false;
}

} // namespace orv
