#pragma once
// Controls bound to settings rows by their stored names: filling shows each row's value on its control,
// reading takes it back. Rows without a control keep their value.

#include "session/Settings.h"
#include "session/SettingsTable.h"

#include <functional>
#include <string_view>
#include <vector>

namespace orv {

class TSettingBindings {
public:
    // Binds the row stored under `key`, whose member has type T (checked here, so a wrong binding fails
    // when the window is built): `show(value)` puts the value on the control, `take(kept)` returns what the
    // control holds, or `kept` when it holds nothing usable.
    template <typename T, typename Show, typename Take>
    void bind(std::string_view key, Show show, Take take) {
        T TSettings::*field = FieldOf<T>(SettingRow(key));
        m_bindings.push_back(
            {[=](const TSettings& s) { show(s.*field); }, [=](TSettings& s) { s.*field = take(s.*field); }});
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
        std::function<void(const TSettings&)> fill;
        std::function<void(TSettings&)> read;
    };
    std::vector<TBinding> m_bindings;
};

} // namespace orv
