#include "app/settings/VideoSettingsPage.h"

#include "app/settings/SettingControls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

namespace orv {
namespace {

// The stored value is the driver's position in the list. A driver that is gone selects nothing, and then
// the stored one is kept for when it comes back.
QComboBox* DriverBox(TSettingBindings& bindings, std::string_view key, const QStringList& drivers) {
    auto* box = new QComboBox;
    box->addItems(drivers);
    bindings.bind<std::int32_t>(
        box, key, [box](std::int32_t v) { box->setCurrentIndex(v < box->count() ? v : -1); },
        [box](std::int32_t kept) { return box->currentIndex() >= 0 ? box->currentIndex() : kept; });
    return box;
}

} // namespace

TVideoSettingsPage::TVideoSettingsPage(const QStringList& captureDrivers) {
    auto* frameRate = BoundChoiceBox(m_bindings, "VideoFrameRate");
    frameRate->setObjectName("frameRate");

    auto* form = new QFormLayout(this);
    form->addRow(tr("Capture driver:"), DriverBox(m_bindings, "DefaultVideoCaptureDriver", captureDrivers));
    form->addRow(tr("Frame rate:"), frameRate);
    form->addRow(tr("Picture size:"), BoundChoiceBox(m_bindings, "VideoFormatSize"));
    form->addRow(tr("Key frame every:"), BoundSpinBox(m_bindings, "VideoKFR"));
    form->addRow(tr("Bytes per second:"), BoundSpinBox(m_bindings, "VideoBPS"));
}

} // namespace orv
