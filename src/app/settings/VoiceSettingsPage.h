#pragma once
// The room's voice settings, for moderators: how many may speak at once and the audio compressor. They
// come from the room, not from the settings; the window sends the ones that changed.

#include "app/settings/SettingsPage.h"

class QComboBox;
class QSpinBox;

namespace orv {

class TVoiceSettingsPage final : public TSettingsPage {
    Q_OBJECT
public:
    TVoiceSettingsPage(int microphones, int codec);

    // Shows the room's values.
    void fill(const TSettings& settings) override;

    // The room's voice values take effect through the voice module.
    void disableOwnedBy(const std::vector<TSettingOwner>& owners, const QString& why) override;

    int microphones() const;
    int codec() const;

private:
    int m_roomMicrophones;
    int m_roomCodec;
    QSpinBox* m_microphones = nullptr;
    QComboBox* m_codec = nullptr;
};

} // namespace orv
