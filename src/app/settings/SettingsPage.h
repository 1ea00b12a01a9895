#pragma once
// One tab of the settings window. Its controls are bound to settings rows; a page that shows more than
// the rows (enabled states, hints) extends fill.

#include "app/settings/SettingBindings.h"

#include <QWidget>

namespace orv {

class TSettingsPage : public QWidget {
public:
    using QWidget::QWidget;

    virtual void fill(const TSettings& settings) { m_bindings.fill(settings); }
    void read(TSettings& settings) const { m_bindings.read(settings); }
    virtual void disableOwnedBy(const std::vector<TSettingOwner>& owners, const QString& why) {
        m_bindings.disableOwnedBy(owners, why);
    }

protected:
    TSettingBindings m_bindings;
};

} // namespace orv
