#include "app/AccessibleNames.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace orv {
namespace {

void nameFrom(QWidget* control, const QLabel* label) {
    if (!control || !label || !control->accessibleName().isEmpty())
        return;
    // A label's text may be rich text and carry a mnemonic: the name is what it reads.
    QString text = QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    text.remove(QRegularExpression("&(?!&)"));
    control->setAccessibleName(text.trimmed().remove(QRegularExpression(":$")));
}

} // namespace

void NameControlsFromLabels(QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        nameFrom(label->buddy(), label);
    for (const QFormLayout* form : window.findChildren<QFormLayout*>())
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem* field = form->itemAt(row, QFormLayout::FieldRole); field && field->widget())
                nameFrom(field->widget(), qobject_cast<QLabel*>(form->labelForField(field->widget())));
    for (QComboBox* box : window.findChildren<QComboBox*>())
        if (QLineEdit* edit = box->lineEdit(); edit && edit->accessibleName().isEmpty())
            edit->setAccessibleName(box->accessibleName());
}

} // namespace orv
