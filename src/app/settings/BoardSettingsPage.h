#pragma once
// The whiteboard's text boxes, grid and pen.

#include "app/settings/SettingsPage.h"

namespace orv {

class TBoardSettingsPage final : public TSettingsPage {
    Q_OBJECT
public:
    TBoardSettingsPage();
};

} // namespace orv
