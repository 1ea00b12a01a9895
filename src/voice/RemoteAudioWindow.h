#pragma once
// TfrmRemoteAudio: the small borderless window, always on top, in which a moderator sees and sets another
// participant's audio. Dragged by its header.

#include "voice/RemoteAudioControl.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace orv {

class TfrmRemoteAudio final : public QWidget, public IRemoteAudioView {
    Q_OBJECT
public:
    explicit TfrmRemoteAudio(TRemoteAudioControl& control, QWidget* parent = nullptr);

    void ShowWindow() override;
    void SetSubjectName(const QString& name) override;
    void SetStatus(const QString& text, Tone tone) override;
    void SetNoteVisible(bool visible) override;
    void SetSpeaker(bool enabled, std::uint16_t level) override;
    void SetMicrophone(bool enabled, std::uint16_t level) override;
    void SetBoost(bool enabled, bool checked) override;
    void DisableControls() override;

    QSlider* SpeakerSlider() const { return m_speaker; }
    QSlider* MicrophoneSlider() const { return m_microphone; }
    QCheckBox* BoostBox() const { return m_boost; }
    QLabel* StatusLabel() const { return m_status; }
    QLabel* NameLabel() const { return m_name; }
    QLabel* Note() const { return m_note; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setFrameStyle();

    TRemoteAudioControl& m_control;
    QLabel* m_header = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_status = nullptr;
    QSlider* m_speaker = nullptr;
    QSlider* m_microphone = nullptr;
    QCheckBox* m_boost = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_close = nullptr;
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_setting = false; // the program sets a control
};

} // namespace orv
