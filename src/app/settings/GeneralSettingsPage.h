#pragma once
// Notifications: beeps, pop-ups and flashing; and the invitation address.

#include "app/settings/SettingsPage.h"

namespace orv {

class TGeneralSettingsPage final : public TSettingsPage {
    Q_OBJECT
public:
    TGeneralSettingsPage();
};

} // namespace orv
