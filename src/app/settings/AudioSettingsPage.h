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
    // The device lists in the order of their stored indexes.
    TAudioSettingsPage(const QStringList& outputs, const QStringList& inputs);

    void fill(const TSettings& settings) override;

private:
    QSlider* m_buffer = nullptr;
    QLabel* m_bufferHint = nullptr;
};

} // namespace orv
