#include "app/settings/SharingSettingsPage.h"

#include "app/settings/SettingControls.h"
#include "session/SettingsChoices.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>

namespace orv {

TSharingSettingsPage::TSharingSettingsPage() {
    auto* rate = new QSlider(Qt::Horizontal);
    rate->setObjectName("refreshRate");
    rate->setRange(kRefreshRateMin, kRefreshRateMax);
    rate->setSingleStep(kRefreshRateStep);
    rate->setPageStep(kRefreshRateStep);
    rate->setTickInterval(kRefreshRateStep);
    rate->setTickPosition(QSlider::TicksBelow);
    auto* rateLabel = new QLabel;
    rateLabel->setObjectName("refreshRateLabel");
    // The slider only rests on whole steps; a drag between them is moved to the nearest.
    connect(rate, &QSlider::valueChanged, this, [rate, rateLabel](int v) {
        const int snapped = SnapRefreshRate(v);
        if (snapped != v) {
            rate->setValue(snapped);
            return;
        }
        rateLabel->setText(RefreshRateLabel(v));
    });
    m_bindings.bind<std::int32_t>(
        rate, "AppShare_RefreshRate",
        [rate, rateLabel](std::int32_t ms) {
            rate->setValue(SnapRefreshRate(ms));
            rateLabel->setText(RefreshRateLabel(rate->value()));
        },
        [rate](std::int32_t) { return rate->value(); });
    auto* pixelFormat = BoundChoiceBox(m_bindings, "AppShare_PixelFormat");
    pixelFormat->setObjectName("pixelFormat");

    auto* form = new QFormLayout(this);
    AddLabelledRow(form, tr("Refresh rate:"), rate, rateLabel);
    form->addRow(tr("Colours:"), pixelFormat);
}

} // namespace orv
