#pragma once
// The common controls of the settings pages, each created bound to the row stored under `key`.

#include "app/settings/SettingBindings.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QSlider;
class QSpinBox;
class QWidget;

namespace orv {

enum class TTextEntry { AsTyped, Trimmed };

QCheckBox* BoundCheckBox(TSettingBindings& bindings, std::string_view key, const QString& text);
// Scrambled rows hold passwords, so their text is typed hidden.
QLineEdit* BoundLineEdit(TSettingBindings& bindings, std::string_view key,
                         TTextEntry entry = TTextEntry::AsTyped);
// Limited to the row's accepted range, or to a narrower `range`.
QSpinBox* BoundSpinBox(TSettingBindings& bindings, std::string_view key);
QSpinBox* BoundSpinBox(TSettingBindings& bindings, std::string_view key, TIntRange range);
// The row's choices; a stored value not among them selects nothing and is kept.
QComboBox* BoundChoiceBox(TSettingBindings& bindings, std::string_view key);
QSlider* BoundSlider(TSettingBindings& bindings, std::string_view key, TIntRange range);

// A form row for `field` with `beside` on its line; the label still names the field.
void AddLabelledRow(QFormLayout* form, const QString& label, QWidget* field, QWidget* beside);

} // namespace orv
