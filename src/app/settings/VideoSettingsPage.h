#pragma once
// The camera: capture driver, frame rate, picture size and compression.

#include "app/settings/SettingsPage.h"

#include <QStringList>

namespace orv {

class TVideoSettingsPage final : public TSettingsPage {
    Q_OBJECT
public:
    // The drivers in the order of their stored indexes.
    explicit TVideoSettingsPage(const QStringList& captureDrivers);
};

} // namespace orv
