#include "app/settings/BoardSettingsPage.h"

#include "app/settings/ColorButton.h"
#include "app/settings/SettingControls.h"
#include "session/SettingsChoices.h"

#include <QFontComboBox>
#include <QFormLayout>
#include <QSpinBox>

namespace orv {
namespace {

constexpr TIntRange kPenWidths = Between(kPenWidthMin, kPenWidthMax);

QFontComboBox* FontBox(TSettingBindings& bindings, std::string_view key) {
    auto* box = new QFontComboBox;
    bindings.bind<QString>(
        key, [box](const QString& family) { box->setCurrentFont(QFont(family)); },
        [box](const QString&) { return box->currentFont().family(); });
    return box;
}

TColorButton* ColorButton(TSettingBindings& bindings, std::string_view key) {
    auto* button = new TColorButton;
    bindings.bind<TColor>(
        key, [button](TColor c) { button->setColor(c); }, [button](TColor) { return button->color(); });
    return button;
}

} // namespace

TBoardSettingsPage::TBoardSettingsPage() {
    auto* form = new QFormLayout(this);
    form->addRow(tr("Text box font:"), FontBox(m_bindings, "TextBoxFont"));
    form->addRow(tr("Text box font colour:"), ColorButton(m_bindings, "TextBoxFontColor"));
    form->addRow(tr("Text box font size:"), BoundSpinBox(m_bindings, "TextBoxFontSize",
                                                         Between(kTextBoxFontSizeMin, kTextBoxFontSizeMax)));
    form->addRow(tr("Grid size:"),
                 BoundSpinBox(m_bindings, "BoardGridSize", Between(kGridSizeMin, kGridSizeMax)));
    form->addRow(tr("Pen width:"), BoundSpinBox(m_bindings, "DefPenWidth", kPenWidths));
    form->addRow(tr("Pen colour:"), ColorButton(m_bindings, "DefPenColor"));
}

} // namespace orv
