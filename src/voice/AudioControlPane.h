#pragma once
// The main window's audio control pane: whether the user is on the air, with the own microphone's level and
// the mute while on the air, speaker and microphone volume, microphone boost, the playback buffering, the
// input delay meter, the room's codec and the "Connect Audio" button. Setting a control from
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
class QToolButton;

namespace orv {

class TAudioControlPane final : public QWidget {
    Q_OBJECT
public:
    explicit TAudioControlPane(QWidget* parent = nullptr);

    void SetCodecName(const QString& name);
    // The own floor in words; the level meter and the mute button are shown only on the air, and the meter
    // is greyed while muted.
    void ShowOnAir(const QString& text, bool onAir, bool muted);
    // 0..100.
    void ShowMicrophoneMeter(int level);
    // The button beside the meter runs this action; the action stays its owner's.
    void SetMuteAction(QAction* mute);
    // A level of 0..65535, or nothing when the mixer cannot reach the control (which is then disabled).
    void ShowSpeakerLevel(std::optional<std::uint16_t> level);
    void ShowMicrophoneLevel(std::optional<std::uint16_t> level);
    void ShowBoost(std::optional<bool> on);
    void ShowBuffering(int queueLength);
    void ShowDelay(const TDelayReading& reading);
    void ShowConnectAudio(bool visible);
    // The Audio menu's "Speakers" and "Microphone" (each raising and lowering its slider) and "Microphone
    // Boost", which follow the pane's controls; the caller's menu takes ownership.
    QList<QAction*> MenuActions();

    QSlider* SpeakerSlider() const { return m_speaker; }
    QSlider* MicrophoneSlider() const { return m_microphone; }
    QSlider* BufferingSlider() const { return m_buffering; }
    QCheckBox* BoostBox() const { return m_boost; }
    QPushButton* ConnectAudioButton() const { return m_connect; }
    QLabel* OnAirLabel() const { return m_onAir; }
    QProgressBar* MicrophoneMeter() const { return m_meter; }
    QToolButton* MuteButton() const { return m_mute; }
    QString CodecText() const;
    QString DelayText() const;
    int DelayPercent() const;

    // The user's changes.
    std::function<void(std::uint16_t)> speakerChanged;
    std::function<void(std::uint16_t)> microphoneChanged;
    std::function<void()> boostToggled;
    std::function<void(int)> bufferingChanged;
    std::function<void()> connectAudio;
    // The pane came into view: its controls are brought in line with the mixer.
    std::function<void()> shown;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_onAir = nullptr;
    QProgressBar* m_meter = nullptr;
    QToolButton* m_mute = nullptr;
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
