#pragma once
// The main window's audio control pane: speaker and microphone volume, microphone boost, the playback
// buffering, the input delay meter, the room's codec and the "Connect Audio" button. Setting a control from
// the program never runs the handlers meant for the user's changes.

#include "voice/DelayMeter.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;

namespace orv {

class TAudioControlPane final : public QWidget {
    Q_OBJECT
public:
    explicit TAudioControlPane(QWidget* parent = nullptr);

    void SetCodecName(const QString& name);
    // A level of 0..65535, or nothing when the mixer cannot reach the control (which is then disabled).
    void ShowSpeakerLevel(std::optional<std::uint16_t> level);
    void ShowMicrophoneLevel(std::optional<std::uint16_t> level);
    void ShowBoost(std::optional<bool> on);
    void ShowBuffering(int queueLength);
    void ShowDelay(const TDelayReading& reading);
    void ShowConnectAudio(bool shown);
    // The Audio menu's "Speakers" and "Microphone" (each raising and lowering its slider) and "Microphone
    // Boost", which follow the pane's controls; the caller's menu takes ownership.
    QList<QAction*> MenuActions();

    QSlider* SpeakerSlider() const { return m_speaker; }
    QSlider* MicrophoneSlider() const { return m_microphone; }
    QSlider* BufferingSlider() const { return m_buffering; }
    QCheckBox* BoostBox() const { return m_boost; }
    QPushButton* ConnectAudioButton() const { return m_connect; }
    QString CodecText() const;
    QString DelayText() const;
    int DelayPercent() const;

    // The user's changes.
    std::function<void(std::uint16_t)> speakerChanged;
    std::function<void(std::uint16_t)> microphoneChanged;
    std::function<void()> boostToggled;
    std::function<void(int)> bufferingChanged;
    std::function<void()> connectAudio;

private:
    QSlider* m_speaker = nullptr;
    QSlider* m_microphone = nullptr;
    QCheckBox* m_boost = nullptr;
    QSlider* m_buffering = nullptr;
    QProgressBar* m_delayBar = nullptr;
    QLabel* m_delayText = nullptr;
    QLabel* m_codec = nullptr;
    QPushButton* m_connect = nullptr;
    QPointer<QAction> m_speakerItem;
    QPointer<QAction> m_microphoneItem;
    QPointer<QAction> m_boostItem;
    bool m_setting = false; // the program sets a control
};

} // namespace orv
