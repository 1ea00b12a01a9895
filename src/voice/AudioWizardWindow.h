#pragma once
// TfrmAudioWizard: the two-page audio setup wizard. The first page plays the program's speech sample on the
// chosen output and sets the speaker level; the second records the chosen microphone through the room's
// codec and plays it straight back, with the microphone level and boost. A page switch and the close stop
// both tests.

#include "platform/AudioDevices.h"
#include "platform/AudioMixer.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "voice/CodecRegistry.h"
#include "voice/SoundSettingsProgram.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QStackedWidget;

namespace orv {

class TMicrophoneLoopback;
class TSamplePlayer;

struct TAudioWizardParts {
    IAudioSystem& audio;
    IAudioMixer& mixer;
    IClock& clock;
    ITimerFactory& timers;
    IDialogs& dialogs;
    const CodecRegistry& codecs;
    std::uint8_t codec = 0; // the room's, for the microphone test
    // The device lines in use; the wizard changes them as the user chooses.
    std::int32_t& outputDevice;
    std::int32_t& inputDevice;
    std::function<void()> saveSettings;
    // The desktop's sound settings at a page; none: the links do nothing.
    std::function<void(TSoundSettingsPage)> openSoundSettings;
};

class TfrmAudioWizard final : public QDialog {
    Q_OBJECT
public:
    enum Page { PlaybackPage = 0, MicrophonePage = 1 };

    explicit TfrmAudioWizard(TAudioWizardParts parts, QWidget* parent = nullptr);
    ~TfrmAudioWizard() override;

    // Creates the wizard, shows it modally and frees it.
    static void Run(TAudioWizardParts parts, QWidget* parent = nullptr);

    void ShowPage(Page page);
    Page CurrentPage() const { return m_page; }

    // Public for tests: the pages' controls.
    QComboBox* OutputBox() const { return m_outputBox; }
    QComboBox* InputBox() const { return m_inputBox; }
    QSlider* SpeakerSlider() const { return m_speaker; }
    QSlider* MicrophoneSlider() const { return m_microphone; }
    QCheckBox* BoostBox() const { return m_boost; }
    QProgressBar* MicrophoneMeter() const { return m_meter; }
    QPushButton* PlayButton() const { return m_play; }
    QPushButton* StopPlayButton() const { return m_stopPlay; }
    QPushButton* StartTestButton() const { return m_startTest; }
    QPushButton* StopTestButton() const { return m_stopTest; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* PlaybackControlsLink() const { return m_playbackControls; }
    QPushButton* RecordingControlsLink() const { return m_recordingControls; }
    QLabel* Header() const { return m_header; }
    QLabel* PlayingLabel() const { return m_playing; }
    bool TestRunning() const;
    bool SamplePlaying() const;

    void Play();
    void StopSample();
    void StartTest();
    void StopTest();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    QWidget* buildPlaybackPage();
    QWidget* buildMicrophonePage();
    void setUpPlaybackPage();
    void setUpMicrophonePage();
    void refreshLevels();
    void showBoost();
    void boostClicked(bool checked);
    QByteArray inputDevice() const;
    QByteArray outputDevice() const;

    TAudioWizardParts m_parts;
    std::unique_ptr<TSamplePlayer> m_player;
    std::unique_ptr<TMicrophoneLoopback> m_loopback;
    Page m_page = PlaybackPage;
    bool m_setting = false;

    QLabel* m_header = nullptr;
    QStackedWidget* m_pages = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_close = nullptr;
    // Playback page.
    QWidget* m_playbackPanel = nullptr;
    QLabel* m_noOutput = nullptr;
    QComboBox* m_outputBox = nullptr;
    QSlider* m_speaker = nullptr;
    QLabel* m_speakerMissing = nullptr;
    QPushButton* m_play = nullptr;
    QPushButton* m_stopPlay = nullptr;
    QLabel* m_playing = nullptr;
    // Microphone page.
    QWidget* m_microphonePanel = nullptr;
    QLabel* m_noInput = nullptr;
    QComboBox* m_inputBox = nullptr;
    QSlider* m_microphone = nullptr;
    QLabel* m_microphoneMissing = nullptr;
    QCheckBox* m_boost = nullptr;
    QProgressBar* m_meter = nullptr;
    QPushButton* m_playbackControls = nullptr;
    QPushButton* m_recordingControls = nullptr;
    QPushButton* m_startTest = nullptr;
    QPushButton* m_stopTest = nullptr;
};

} // namespace orv
