#pragma once
// Which controls of a window a keyboard user can reach without a name a screen reader can say: no text of
// their own, no label naming them, no accessible name.

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSet>
#include <QStringList>
#include <QTabBar>

namespace orv::test {

// The reachable controls of `window` that nothing names.
inline QStringList UnnamedControls(QWidget& window) {
    QSet<const QWidget*> labelled;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy())
            labelled << label->buddy();
    for (const QFormLayout* form : window.findChildren<QFormLayout*>())
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* field = form->itemAt(row, QFormLayout::FieldRole))
                if (field->widget() && form->labelForField(field->widget()))
                    labelled << field->widget();
    QStringList unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&window) || w->focusProxy())
            continue;
        // Parts of a composite control: the composite carries the name.
        if (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const bool named = !w->accessibleName().isEmpty() || labelled.contains(w) ||
                           (button && !button->text().isEmpty()) || qobject_cast<QTabBar*>(w) ||
                           (qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->text().isEmpty());
        if (!named)
            unnamed << QString("%1 %2").arg(w->metaObject()->className(), w->objectName());
    }
    return unnamed;
}

} // namespace orv::test
