#include "roster/AccessibleUserListView.h"

#include "roster/UserEntryView.h"
#include "roster/UserListView.h"

#include <QAccessibleWidget>

namespace orv {
namespace {

TOrvaneUserList* ListOf(const QWidget* canvas) {
    for (QWidget* w = canvas->parentWidget(); w; w = w->parentWidget())
        if (auto* list = qobject_cast<TOrvaneUserList*>(w))
            return list;
    return nullptr;
}

// The entries are the list's children; the scroll area's inner widgets stay out of the reader's way.
class UserListAccessible final : public QAccessibleWidget {
public:
    explicit UserListAccessible(TOrvaneUserList* list) : QAccessibleWidget(list, QAccessible::List) {}
    int childCount() const override { return list()->Count(); }
    QAccessibleInterface* child(int index) const override {
        TOrvaneUserCanvas* canvas = list()->CanvasAt(index);
        return canvas ? QAccessible::queryAccessibleInterface(canvas) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; child && i < list()->Count(); ++i)
            if (child->object() == list()->CanvasAt(i))
                return i;
        return -1;
    }

private:
    TOrvaneUserList* list() const { return static_cast<TOrvaneUserList*>(widget()); }
};

// One entry: its name says everything its pictures show; its parts are not read one by one.
class UserEntryAccessible final : public QAccessibleWidget {
public:
    explicit UserEntryAccessible(TOrvaneUserCanvas* canvas)
        : QAccessibleWidget(canvas, QAccessible::ListItem) {}
    QAccessibleInterface* parent() const override {
        if (TOrvaneUserList* list = ListOf(widget()))
            return QAccessible::queryAccessibleInterface(list);
        return QAccessibleWidget::parent();
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = static_cast<const TOrvaneUserCanvas*>(widget())->Selected();
        return s;
    }
};

QAccessibleInterface* UserListFactory(const QString& key, QObject* object) {
    if (key == QLatin1String(TOrvaneUserList::staticMetaObject.className()))
        return new UserListAccessible(static_cast<TOrvaneUserList*>(object));
    if (key == QLatin1String(TOrvaneUserCanvas::staticMetaObject.className()))
        return new UserEntryAccessible(static_cast<TOrvaneUserCanvas*>(object));
    return nullptr;
}

} // namespace

void InstallUserListAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(UserListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace orv
