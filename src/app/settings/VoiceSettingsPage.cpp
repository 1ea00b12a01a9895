#include "app/settings/VoiceSettingsPage.h"

#include "voice/CodecCatalogue.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

namespace orv {
namespace {
constexpr int kMicrophonesMin = 1, kMicrophonesMax = 5;
}

TVoiceSettingsPage::TVoiceSettingsPage(int microphones, int codec)
    : m_roomMicrophones(microphones), m_roomCodec(codec) {
    m_microphones = new QSpinBox;
    m_microphones->setRange(kMicrophonesMin, kMicrophonesMax);
    m_microphones->setObjectName("microphones");
    m_codec = new QComboBox;
    m_codec->setObjectName("codec");
    QStringList codecs;
    FillCodecList(codecs);
    m_codec->addItems(codecs);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Participants who may speak at once:"), m_microphones);
    form->addRow(tr("Audio compressor:"), m_codec);
}

void TVoiceSettingsPage::fill(const TSettings&) {
    m_microphones->setValue(std::clamp(m_roomMicrophones, kMicrophonesMin, kMicrophonesMax));
    m_codec->setCurrentIndex(std::clamp(m_roomCodec, 0, kCodecCount - 1));
}

void TVoiceSettingsPage::disableOwnedBy(const std::vector<TSettingOwner>& owners, const QString& why) {
    if (std::find(owners.begin(), owners.end(), TSettingOwner::Voice) == owners.end())
        return;
    for (QWidget* control : std::initializer_list<QWidget*>{m_microphones, m_codec}) {
        control->setEnabled(false);
        control->setToolTip(why);
    }
}

int TVoiceSettingsPage::microphones() const {
    return m_microphones->value();
}

int TVoiceSettingsPage::codec() const {
    return m_codec->currentIndex();
}

} // namespace orv
