#pragma once
// Application sharing: how often the shared screen is refreshed and with how many colours.

#include "app/settings/SettingsPage.h"

namespace orv {

class TSharingSettingsPage final : public TSettingsPage {
    Q_OBJECT
public:
    TSharingSettingsPage();
};

} // namespace orv
