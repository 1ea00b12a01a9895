#include "app/settings/BoardSettingsPage.h"

#include "app/settings/ColorButton.h"
#include "app/settings/SettingControls.h"
#include "session/SettingsChoices.h"

#include <QCoreApplication>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QSpinBox>

#include <memory>
#include <utility>

namespace orv {
namespace {

constexpr TIntRange kPenWidths = Between(kPenWidthMin, kPenWidthMax);

// A stored font that is not installed here shows as the font system's substitute, but is saved as stored
// unless the user picks another: the same settings may travel to a machine that has it.
QFontComboBox* FontBox(TSettingBindings& bindings, std::string_view key) {
    auto* box = new QFontComboBox;
    auto loaded = std::make_shared<std::pair<QString, QString>>(); // stored family, family shown for it
    bindings.bind<QString>(
        box, key,
        [box, loaded](const QString& family) {
            box->setCurrentFont(QFont(family));
            *loaded = {family, box->currentFont().family()};
            box->setToolTip(
                QFontDatabase::hasFamily(family)
                    ? QString()
                    : QCoreApplication::translate("orv::TBoardSettingsPage",
                                                  "\"%1\" is not installed; it is kept as chosen.")
                          .arg(family));
        },
        [box, loaded](const QString&) {
            const QString shown = box->currentFont().family();
            return shown == loaded->second ? loaded->first : shown;
        });
    return box;
}

TColorButton* ColorButton(TSettingBindings& bindings, std::string_view key) {
    auto* button = new TColorButton;
    bindings.bind<TColor>(
        button, key, [button](TColor c) { button->setColor(c); },
        [button](TColor) { return button->color(); });
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
