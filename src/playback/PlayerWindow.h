#pragma once
// The floating player window: play, pause, stop and exit, full screen, the download gauge, the position bar
// with its slider, the status texts and the speaker volume. It shows TPlayerStatus and reports the user's
// choices; the playback module acts on them.

#include "playback/PlayerControls.h"
#include "playback/PlayerStatus.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QSlider;
class QToolButton;

namespace orv {

class TfrmPlayer : public QWidget, public IPlayerWindow {
    Q_OBJECT
public:
    explicit TfrmPlayer(TPlayerStatus& status, QWidget* parent = nullptr);

    // Shows the status again; `elapsedMs` is the recording time played.
    void Refresh(std::int64_t elapsedMs) override;
    // The volume bar: its value, or disabled when the volume could not be read.
    void ShowVolume(int percent, bool readable) override;
    void SetPlaying(bool playing) override;
    void SetCallbacks(TPlayerCallbacks callbacks) override;
    void ShowAtCorner(bool top) override;

signals:
    void playRequested();
    void pauseRequested();
    void stopRequested();
    void fullScreenToggled(bool on);
    void seekRequested(std::int32_t index);
    void volumeChanged(int percent);

protected:
    // The system does not close the player: its close button is Stop and exit.
    void closeEvent(QCloseEvent* event) override;

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

// The player window the playback module shows.
std::unique_ptr<IPlayerWindow> NewPlayerWindow(TPlayerStatus& status);

} // namespace orv
