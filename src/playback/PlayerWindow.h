#pragma once
// The floating player window: play, pause, stop and exit, full screen, the download gauge, the position bar
// with its slider, the status texts and the speaker volume. It shows TPlayerStatus and reports the user's
// choices; the playback module acts on them.

#include "playback/PlayerStatus.h"

#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;
class QSlider;
class QToolButton;

namespace orv {

class TfrmPlayer : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPlayer(TPlayerStatus& status, QWidget* parent = nullptr);

    // Shows the status again; `elapsedMs` is the recording time played.
    void Refresh(std::int64_t elapsedMs);
    // The volume bar: its value, or disabled when the volume could not be read.
    void ShowVolume(int percent, bool readable);
    void SetPlaying(bool playing);

signals:
    void playRequested();
    void pauseRequested();
    void stopRequested();
    void fullScreenToggled(bool on);
    void seekRequested(std::int32_t index);
    void volumeChanged(int percent);

private:
    TPlayerStatus& m_status;
    QToolButton* m_play;
    QToolButton* m_pause;
    QToolButton* m_stop;
    QToolButton* m_fullScreen;
    QProgressBar* m_download;
    QSlider* m_position;
    QLabel* m_percent;
    QLabel* m_elapsed;
    QLabel* m_state;
    QSlider* m_volume;
};

} // namespace orv
