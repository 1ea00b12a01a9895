#include "app/settings/AudioSettingsPage.h"

#include "app/settings/SettingControls.h"
#include "session/SettingsChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>

#include <algorithm>

namespace orv {
namespace {

// The stored value is the device's position in the list. A device that is gone shows the first one, the
// system default, and nothing selected saves as that default too.
QComboBox* DeviceBox(TSettingBindings& bindings, std::string_view key, const QStringList& devices) {
    auto* box = new QComboBox;
    box->addItems(devices);
    bindings.bind<std::int32_t>(
        box, key, [box](std::int32_t v) { box->setCurrentIndex(v < box->count() ? v : 0); },
        [box](std::int32_t) { return std::max(0, box->currentIndex()); });
    return box;
}

} // namespace

TAudioSettingsPage::TAudioSettingsPage(const QStringList& outputs, const QStringList& inputs,
                                       bool keyEverywhere) {
    auto* output = DeviceBox(m_bindings, "AudioOutDeviceID", outputs);
    output->setObjectName("audioOut");
    auto* input = DeviceBox(m_bindings, "AudioInDeviceID", inputs);
    input->setObjectName("audioIn");
    m_buffer = BoundSlider(m_bindings, "InuptAudioQueueSizeEx", Between(kAudioBufferMin, kAudioBufferMax));
    m_buffer->setObjectName("audioBuffer");
    m_bufferHint = new QLabel;
    connect(m_buffer, &QSlider::valueChanged, this, [this](int v) {
        m_bufferHint->setText(AudioBufferHint(v));
        m_buffer->setToolTip(AudioBufferHint(v));
    });
    auto* pushToTalk = BoundChoiceBox(m_bindings, "PushToTalkKey");
    pushToTalk->setObjectName("pushToTalk");

    auto* form = new QFormLayout(this);
    form->addRow(tr("Playback device:"), output);
    form->addRow(tr("Recording device:"), input);
    form->addRow(BoundCheckBox(m_bindings, "MuteSpeakersWhileTalking", tr("Mute the speakers while I talk")));
    auto* echo =
        BoundCheckBox(m_bindings, "EchoCancellation", tr("Cancel the echo of my speakers in what I say"));
    echo->setObjectName("echoCancellation");
    auto* noise = BoundCheckBox(m_bindings, "NoiseSuppression", tr("Suppress steady background noise"));
    noise->setObjectName("noiseSuppression");
    form->addRow(echo);
    form->addRow(noise);
    AddLabelledRow(form, tr("Audio buffer:"), m_buffer, m_bufferHint);
    form->addRow(tr("Push-to-talk key:"), pushToTalk);
    if (!keyEverywhere) {
        auto* onlyHere = new QLabel(tr("The key works only while this program's windows are active: this "
                                       "desktop does not let programs see keys pressed elsewhere."));
        onlyHere->setObjectName("pushToTalkOnlyHere");
        onlyHere->setWordWrap(true);
        form->addRow(onlyHere);
    }
}

void TAudioSettingsPage::fill(const TSettings& settings) {
    TSettingsPage::fill(settings);
    // Shown even when filling left the slider where it was.
    m_bufferHint->setText(AudioBufferHint(m_buffer->value()));
}

} // namespace orv
