#pragma once
// Where recorded sessions are kept, and the recorder's account.

#include "app/settings/SettingsPage.h"

namespace orv {

class TRecordingSettingsPage final : public TSettingsPage {
    Q_OBJECT
public:
    TRecordingSettingsPage();
};

} // namespace orv
