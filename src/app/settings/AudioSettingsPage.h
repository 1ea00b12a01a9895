#pragma once
// The audio devices, muting while talking, the playback buffer and the push-to-talk key.

#include "app/settings/SettingsPage.h"

#include <QStringList>

class QLabel;
class QSlider;

namespace orv {

class TAudioSettingsPage final : public TSettingsPage {
    Q_OBJECT
public:
    // The device lists in the order of their stored indexes; `keyEverywhere` false when the push-to-talk
    // key is seen only while the program's windows are active, which the page then says.
    TAudioSettingsPage(const QStringList& outputs, const QStringList& inputs, bool keyEverywhere = true);

    void fill(const TSettings& settings) override;

private:
    QSlider* m_buffer = nullptr;
    QLabel* m_bufferHint = nullptr;
};

} // namespace orv
