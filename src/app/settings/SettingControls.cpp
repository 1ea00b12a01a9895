#include "app/settings/SettingControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

#include <stdexcept>
#include <string>

namespace orv {

QCheckBox* BoundCheckBox(TSettingBindings& bindings, std::string_view key, const QString& text) {
    auto* box = new QCheckBox(text);
    bindings.bind<bool>(
        box, key, [box](bool v) { box->setChecked(v); }, [box](bool) { return box->isChecked(); });
    return box;
}

QLineEdit* BoundLineEdit(TSettingBindings& bindings, std::string_view key, TTextEntry entry) {
    auto* edit = new QLineEdit;
    if (SettingRow(key).form == TStoredForm::ScrambledText)
        edit->setEchoMode(QLineEdit::Password);
    bindings.bind<QString>(
        edit, key, [edit](const QString& v) { edit->setText(v); },
        [edit, entry](const QString&) {
            return entry == TTextEntry::Trimmed ? edit->text().trimmed() : edit->text();
        });
    return edit;
}

QSpinBox* BoundSpinBox(TSettingBindings& bindings, std::string_view key) {
    return BoundSpinBox(bindings, key, SettingRow(key).accepted);
}

QSpinBox* BoundSpinBox(TSettingBindings& bindings, std::string_view key, TIntRange range) {
    auto* box = new QSpinBox;
    box->setRange(range.low, range.high);
    bindings.bind<std::int32_t>(
        box, key, [box](std::int32_t v) { box->setValue(v); }, [box](std::int32_t) { return box->value(); });
    return box;
}

QComboBox* BoundChoiceBox(TSettingBindings& bindings, std::string_view key) {
    const TSettingRow& row = SettingRow(key);
    if (!row.choices)
        throw std::logic_error(std::string("setting ") + row.key + " offers no choices");
    auto* box = new QComboBox;
    for (const TChoice& c : *row.choices)
        box->addItem(ChoiceText(c), c.value);
    bindings.bind<std::int32_t>(
        box, key, [box](std::int32_t v) { box->setCurrentIndex(box->findData(v)); },
        [box](std::int32_t kept) { return box->currentIndex() < 0 ? kept : box->currentData().toInt(); });
    return box;
}

QSlider* BoundSlider(TSettingBindings& bindings, std::string_view key, TIntRange range) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(range.low, range.high);
    bindings.bind<std::int32_t>(
        slider, key, [slider](std::int32_t v) { slider->setValue(v); },
        [slider](std::int32_t) { return slider->value(); });
    return slider;
}

void AddLabelledRow(QFormLayout* form, const QString& label, QWidget* field, QWidget* beside) {
    auto* name = new QLabel(label);
    name->setBuddy(field);
    auto* line = new QHBoxLayout;
    line->addWidget(field);
    line->addWidget(beside);
    form->addRow(name, line);
}

} // namespace orv
