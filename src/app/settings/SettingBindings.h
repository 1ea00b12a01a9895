#pragma once
// Controls bound to settings rows by their stored names: filling shows each row's value on its control,
// reading takes it back. Rows without a control keep their value.

#include "session/Settings.h"
#include "session/SettingsTable.h"

#include <QString>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

namespace orv {

class TSettingBindings {
public:
    // Binds `control` to the row stored under `key`, whose member has type T (checked here, so a wrong
    // binding fails when the window is built): `show(value)` puts the value on the control, `take(kept)`
    // returns what the control holds, or `kept` when it holds nothing usable.
    template <typename T, typename Show, typename Take>
    void bind(QWidget* control, std::string_view key, Show show, Take take) {
        const TSettingRow& row = SettingRow(key);
        T TSettings::*field = FieldOf<T>(row);
        m_bindings.push_back({control, row.owner, [=](const TSettings& s) { show(s.*field); },
                              [=](TSettings& s) { s.*field = take(s.*field); }});
    }

    // Controls whose owner does not run in this program yet cannot take effect: they are shown disabled,
    // with `why` as their tip, and keep their stored values.
    void disableOwnedBy(const std::vector<TSettingOwner>& owners, const QString& why) const {
        for (const TBinding& b : m_bindings)
            if (std::find(owners.begin(), owners.end(), b.owner) != owners.end()) {
                b.control->setEnabled(false);
                b.control->setToolTip(why);
            }
    }

    void fill(const TSettings& settings) const {
        for (const TBinding& b : m_bindings)
            b.fill(settings);
    }
    void read(TSettings& settings) const {
        for (const TBinding& b : m_bindings)
            b.read(settings);
    }

private:
    struct TBinding {
        QWidget* control;
        TSettingOwner owner;
        std::function<void(const TSettings&)> fill;
        std::function<void(TSettings&)> read;
    };
    std::vector<TBinding> m_bindings;
};

} // namespace orv
