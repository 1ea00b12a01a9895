#pragma once
// The settings window: loads the settings, shows them on its pages and, on OK, applies what changed and
// saves.

#include "session/Settings.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace orv {

class IDialogs;
class TSettingsStore;

// What the window needs to know of the session.
struct TSettingsWindowContext {
    bool inRoom = false;
    bool moderator = false; // account type or room role of 1000 or more
    int microphones = 1;    // the room's talker count
    int codec = 0;          // the room's codec index
    QStringList audioOutputs{"Default Playback Device"};
    QStringList audioInputs{"Default Recording Device"};
    QStringList captureDrivers;
};

// What OK sets in motion beyond saving; the session implements it.
class ISettingsEffects {
public:
    virtual ~ISettingsEffects() = default;
    virtual void SetMicrophoneCount(int count) = 0;
    virtual void SetAudioCodec(int codec) = 0;
    virtual void ReconnectVoice() = 0;
    virtual void ApplyAudioBufferSize(int size) = 0;
    virtual void ApplySharingRefreshRate(int ms) = 0;
};

class TfrmSettings : public QDialog {
    Q_OBJECT
public:
    enum Page {
        ConnectionPage,
        GeneralPage,
        AudioPage,
        VoicePage,
        VideoPage,
        RecordingPage,
        BoardPage,
        SharingPage
    };

    TfrmSettings(TSettings& session, TSettingsStore& store, QString programFolder,
                 TSettingsWindowContext context, ISettingsEffects& effects, IDialogs& dialogs,
                 QWidget* parent = nullptr);

    // Loads the settings into the session and fills the pages; call before showing.
    void LoadAndFill(Page page = ConnectionPage);
    // What OK does: apply the changes, then save.
    void ApplyAndSave();

    QTabWidget* pages() const { return m_pages; }

private:
    void build();
    QWidget* buildConnectionPage();
    QWidget* buildGeneralPage();
    QWidget* buildAudioPage();
    QWidget* buildVoicePage();
    QWidget* buildVideoPage();
    QWidget* buildRecordingPage();
    QWidget* buildBoardPage();
    QWidget* buildSharingPage();
    void updateEnabled();
    TSettings readControls() const;

    TSettings& m_session;
    TSettingsStore& m_store;
    QString m_programFolder;
    TSettingsWindowContext m_context;
    ISettingsEffects& m_effects;
    IDialogs& m_dialogs;

    QTabWidget* m_pages = nullptr;
    // Connection
    QCheckBox* m_useProxy = nullptr;
    QComboBox* m_socksVersion = nullptr;
    QLineEdit* m_proxyHost = nullptr;
    QSpinBox* m_proxyPort = nullptr;
    QCheckBox* m_proxyAuthentication = nullptr;
    QLineEdit* m_proxyUserName = nullptr;
    QLineEdit* m_proxyPassword = nullptr;
    // General
    QCheckBox* m_beepConnect = nullptr;
    QCheckBox* m_beepDisconnect = nullptr;
    QCheckBox* m_beepMessage = nullptr;
    QCheckBox* m_beepMotions = nullptr;
    QCheckBox* m_popUpChat = nullptr;
    QCheckBox* m_popUpPostIt = nullptr;
    QCheckBox* m_flashOnActions = nullptr;
    QLineEdit* m_invitationUrl = nullptr;
    // Audio
    QComboBox* m_audioOut = nullptr;
    QComboBox* m_audioIn = nullptr;
    QCheckBox* m_muteWhileTalking = nullptr;
    QSlider* m_audioBuffer = nullptr;
    QLabel* m_audioBufferHint = nullptr;
    QComboBox* m_pushToTalk = nullptr;
    // Voice
    QSpinBox* m_microphones = nullptr;
    QComboBox* m_codec = nullptr;
    // Video
    QComboBox* m_captureDriver = nullptr;
    QComboBox* m_frameRate = nullptr;
    QComboBox* m_formatSize = nullptr;
    QSpinBox* m_keyFrameRate = nullptr;
    QSpinBox* m_bitsPerSecond = nullptr;
    // Recording
    QLineEdit* m_recordingsFolder = nullptr;
    QLineEdit* m_recorderUserName = nullptr;
    QLineEdit* m_recorderPassword = nullptr;
    // Board
    QFontComboBox* m_textBoxFont = nullptr;
    QPushButton* m_textBoxColor = nullptr;
    QSpinBox* m_textBoxFontSize = nullptr;
    QSpinBox* m_gridSize = nullptr;
    QSpinBox* m_penWidth = nullptr;
    QPushButton* m_penColor = nullptr;
    // Sharing
    QSlider* m_refreshRate = nullptr;
    QLabel* m_refreshRateLabel = nullptr;
    QComboBox* m_pixelFormat = nullptr;

    TColor m_textBoxColorValue = kBlack;
    TColor m_penColorValue = kBlack;
};

} // namespace orv
