#include "voice/AudioWizardWindow.h"

#include "voice/AudioDeviceList.h"
#include "voice/AudioErrors.h"
#include "voice/MicrophoneLoopback.h"
#include "voice/MixerOperations.h"
#include "voice/SamplePlayer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace orv {
namespace {

QSlider* LevelSlider(QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, 65535);
    slider->setSingleStep(655);
    slider->setPageStep(6553);
    return slider;
}

QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// Fills the box with the list's lines; false when the list names no device beyond the default.
bool FillDevices(QComboBox* box, const AudioDeviceList& list) {
    box->clear();
    box->addItems(list.lines);
    return list.lines.size() > 1;
}

// Selects the stored line; a line the box does not have selects the first and stores 0.
void SelectLine(QComboBox* box, std::int32_t& line) {
    if (line < 0 || line >= box->count())
        line = 0;
    box->setCurrentIndex(line);
}

// A link to the desktop's sound settings.
QPushButton* SoundSettingsLink(const QString& text, QWidget* parent) {
    auto* link = new QPushButton(text, parent);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline; text-align: left"));
    return link;
}

struct HourGlass {
    HourGlass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourGlass() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TfrmAudioWizard::TfrmAudioWizard(TAudioWizardParts parts, QWidget* parent)
    : QDialog(parent), m_parts(std::move(parts)),
      m_player(std::make_unique<TSamplePlayer>(m_parts.audio, m_parts.clock, m_parts.timers, m_parts.codecs)),
      m_loopback(std::make_unique<TMicrophoneLoopback>(m_parts.audio, m_parts.clock, m_parts.timers,
                                                       m_parts.codecs)) {
    setObjectName("frmAudioWizard");
    setWindowTitle(tr("Audio Setup Wizard"));
    setModal(true);
    m_header = new QLabel(this);
    m_header->setObjectName("header");
    QFont font = m_header->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    m_header->setFont(font);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildPlaybackPage());
    m_pages->addWidget(buildMicrophonePage());
    m_next = new QPushButton(this);
    m_close = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_next);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_header);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    connect(m_next, &QPushButton::clicked, this,
            [this] { ShowPage(m_page == PlaybackPage ? MicrophonePage : PlaybackPage); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    m_player->onStarted = [this] { m_playing->show(); };
    m_player->onFinished = [this] { StopSample(); };
    // The level comes from the capture path; the meter hears of it through the event queue only.
    m_loopback->onLevel = [this](int level) {
        QMetaObject::invokeMethod(
            this,
            [this, level] {
                if (m_loopback->Running())
                    m_meter->setValue(level);
            },
            Qt::QueuedConnection);
    };
    ShowPage(PlaybackPage);
}

TfrmAudioWizard::~TfrmAudioWizard() {
    m_player->Stop();
    m_loopback->Stop();
}

void TfrmAudioWizard::Run(TAudioWizardParts parts, QWidget* parent) {
    TfrmAudioWizard wizard(std::move(parts), parent);
    wizard.exec();
}

QWidget* TfrmAudioWizard::buildPlaybackPage() {
    auto* page = new QWidget(this);
    m_noOutput =
        Note(tr("The Wizard could not find any playback device attached to your system. If you have a "
                "sound card please make sure it is properly installed."),
             page);
    m_playbackPanel = new QWidget(page);
    auto* intro =
        Note(tr("Choose the device that plays the sound and press \"Play\": you should hear a voice. "
                "Adjust the speakers' level until it sounds comfortable."),
             m_playbackPanel);
    m_outputBox = new QComboBox(m_playbackPanel);
    m_speaker = LevelSlider(m_playbackPanel);
    m_speakerMissing = new QLabel(tr("Speakers Level Not Available"), m_playbackPanel);
    m_play = new QPushButton(tr("Play"), m_playbackPanel);
    m_stopPlay = new QPushButton(tr("Stop"), m_playbackPanel);
    m_playing = new QLabel(tr("Audio is playing at the moment..."), m_playbackPanel);
    m_playing->hide();
    auto* form = new QFormLayout;
    form->addRow(tr("Playback device:"), m_outputBox);
    form->addRow(tr("Speakers:"), m_speaker);
    form->addRow(QString(), m_speakerMissing);
    auto* row = new QHBoxLayout;
    row->addWidget(m_play);
    row->addWidget(m_stopPlay);
    row->addWidget(m_playing, 1);
    auto* panel = new QVBoxLayout(m_playbackPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(intro);
    panel->addLayout(form);
    panel->addLayout(row);
    m_playbackControls = SoundSettingsLink(tr("Advanced Playback Controls"), m_playbackPanel);
    connect(m_playbackControls, &QPushButton::clicked, this, [this] {
        if (m_parts.openSoundSettings)
            m_parts.openSoundSettings(TSoundSettingsPage::Playback);
    });
    panel->addWidget(m_playbackControls, 0, Qt::AlignLeft);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_noOutput);
    layout->addWidget(m_playbackPanel);
    layout->addStretch();

    connect(m_play, &QPushButton::clicked, this, &TfrmAudioWizard::Play);
    connect(m_stopPlay, &QPushButton::clicked, this, &TfrmAudioWizard::StopSample);
    connect(m_outputBox, &QComboBox::currentIndexChanged, this, [this](int line) {
        if (!m_setting && line >= 0) {
            m_parts.outputDevice = line;
            refreshLevels();
        }
    });
    connect(m_speaker, &QSlider::valueChanged, this, [this](int level) {
        if (!m_setting)
            SetSpeakerVolume(m_parts.mixer, outputDevice(), std::uint16_t(level));
    });
    return page;
}

QWidget* TfrmAudioWizard::buildMicrophonePage() {
    auto* page = new QWidget(this);
    m_noInput = Note(tr("The wizard could not detect any audio input device attached."), page);
    m_microphonePanel = new QWidget(page);
    auto* intro =
        Note(tr("Choose your microphone, press \"Start\" and speak: you hear yourself as the others "
                "in the room would. Adjust the microphone's level until your voice sounds clear."),
             m_microphonePanel);
    m_inputBox = new QComboBox(m_microphonePanel);
    m_microphone = LevelSlider(m_microphonePanel);
    m_microphoneMissing = new QLabel(tr("Microphone Level Not Available"), m_microphonePanel);
    m_boost = new QCheckBox(tr("Microphone Boost"), m_microphonePanel);
    m_meter = new QProgressBar(m_microphonePanel);
    m_meter->setObjectName("microphoneMeter");
    m_meter->setRange(0, 100);
    m_meter->setTextVisible(false);
    m_meter->setAccessibleName(tr("Microphone level"));
    m_startTest = new QPushButton(tr("Start"), m_microphonePanel);
    m_stopTest = new QPushButton(tr("Stop"), m_microphonePanel);
    auto* form = new QFormLayout;
    form->addRow(tr("Recording device:"), m_inputBox);
    form->addRow(tr("Microphone:"), m_microphone);
    form->addRow(QString(), m_microphoneMissing);
    form->addRow(QString(), m_boost);
    form->addRow(tr("Level:"), m_meter);
    auto* row = new QHBoxLayout;
    row->addWidget(m_startTest);
    row->addWidget(m_stopTest);
    row->addStretch();
    auto* panel = new QVBoxLayout(m_microphonePanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(intro);
    panel->addLayout(form);
    panel->addLayout(row);
    m_recordingControls = SoundSettingsLink(tr("Recording Controls"), m_microphonePanel);
    connect(m_recordingControls, &QPushButton::clicked, this, [this] {
        if (m_parts.openSoundSettings)
            m_parts.openSoundSettings(TSoundSettingsPage::Recording);
    });
    panel->addWidget(m_recordingControls, 0, Qt::AlignLeft);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_noInput);
    layout->addWidget(m_microphonePanel);
    layout->addStretch();

    connect(m_startTest, &QPushButton::clicked, this, &TfrmAudioWizard::StartTest);
    connect(m_stopTest, &QPushButton::clicked, this, &TfrmAudioWizard::StopTest);
    connect(m_inputBox, &QComboBox::currentIndexChanged, this, [this](int line) {
        if (!m_setting && line >= 0) {
            m_parts.inputDevice = line;
            refreshLevels();
            showBoost();
        }
    });
    connect(m_microphone, &QSlider::valueChanged, this, [this](int level) {
        if (!m_setting)
            SetMicrophoneVolume(m_parts.mixer, inputDevice(), std::uint16_t(level));
    });
    connect(m_boost, &QCheckBox::clicked, this, &TfrmAudioWizard::boostClicked);
    return page;
}

QByteArray TfrmAudioWizard::inputDevice() const {
    return ListInputDevices(m_parts.audio).DeviceAt(m_parts.inputDevice);
}

QByteArray TfrmAudioWizard::outputDevice() const {
    return ListOutputDevices(m_parts.audio).DeviceAt(m_parts.outputDevice);
}

bool TfrmAudioWizard::TestRunning() const {
    return m_loopback->Running();
}

bool TfrmAudioWizard::SamplePlaying() const {
    return m_player->Playing();
}

void TfrmAudioWizard::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_page == PlaybackPage)
        setUpPlaybackPage();
}

void TfrmAudioWizard::ShowPage(Page page) {
    StopTest();
    StopSample();
    m_page = page;
    m_pages->setCurrentIndex(page);
    if (page == PlaybackPage) {
        setUpPlaybackPage();
        m_next->setText(tr("Microphone Test"));
        m_header->setText(tr("Audio Playback Test"));
    } else {
        setUpMicrophonePage();
        m_next->setText(tr("<< Back"));
        m_header->setText(tr("Microphone Test"));
    }
}

void TfrmAudioWizard::setUpPlaybackPage() {
    m_setting = true;
    const bool any = FillDevices(m_outputBox, ListOutputDevices(m_parts.audio));
    SelectLine(m_outputBox, m_parts.outputDevice);
    m_setting = false;
    m_noOutput->setVisible(!any);
    m_playbackPanel->setEnabled(any);
    m_play->setEnabled(any);
    m_stopPlay->setEnabled(false);
    if (any)
        refreshLevels();
}

void TfrmAudioWizard::setUpMicrophonePage() {
    m_setting = true;
    const bool any = FillDevices(m_inputBox, ListInputDevices(m_parts.audio));
    SelectLine(m_inputBox, m_parts.inputDevice);
    m_setting = false;
    m_noInput->setVisible(!any);
    m_microphonePanel->setEnabled(any);
    m_startTest->setEnabled(any);
    m_stopTest->setEnabled(false);
    refreshLevels();
    showBoost();
}

void TfrmAudioWizard::refreshLevels() {
    m_setting = true;
    std::uint16_t level = 0;
    const bool microphone = GetMicrophoneVolume(m_parts.mixer, inputDevice(), level);
    m_microphone->setEnabled(microphone);
    m_microphone->setValue(microphone ? level : 0);
    m_microphoneMissing->setVisible(!microphone);
    level = 0;
    const bool speaker = GetSpeakerVolume(m_parts.mixer, outputDevice(), level);
    m_speaker->setEnabled(speaker);
    m_speaker->setValue(speaker ? level : 0);
    m_speakerMissing->setVisible(!speaker);
    m_setting = false;
}

void TfrmAudioWizard::showBoost() {
    std::int32_t boost = 0;
    const bool read = GetMicrophoneBoost(m_parts.mixer, inputDevice(), boost);
    m_boost->setVisible(read);
    m_boost->setChecked(read && boost == 1);
    m_boost->setText(tr("Microphone Boost"));
    if (!read || boost != 1)
        return;
    m_boost->setText(tr("Microphone Boost is ON. It is recommended that you turn this setting OFF."));
    if (m_parts.dialogs.Question(tr(
            "Your microphone is currently in \"boost\" mode. This may cause voice echo and increasing of "
            "backgound noise.We recommend that you turn the Microphone Boost off.\r\nDo you want to turn the "
            "microphone boost off?")) &&
        SetMicrophoneBoost(m_parts.mixer, inputDevice(), 0)) {
        m_boost->setChecked(false);
        m_boost->setText(tr("Microphone Boost"));
    }
}

void TfrmAudioWizard::boostClicked(bool checked) {
    if (!checked) {
        SetMicrophoneBoost(m_parts.mixer, inputDevice(), 0);
        m_boost->setText(tr("Microphone Boost"));
        return;
    }
    if (m_parts.dialogs.Question(tr(
            "Boosting your microphone will increase the microphone input level.\r\nOn most system however "
            "this causes feedback (echo) and increases the level of background noises.\r\nWe recommend that "
            "you boost your microphone only in case you can't adjust its volume with the volume "
            "slider.\r\n\r\nDo you want to boost the microphone?"))) {
        m_boost->setText(tr("Microphone Boost is ON. It is recommended that you turn this setting OFF."));
        SetMicrophoneBoost(m_parts.mixer, inputDevice(), 1);
    } else {
        m_boost->setChecked(false);
    }
}

void TfrmAudioWizard::Play() {
    if (m_player->Playing())
        return;
    m_parts.outputDevice = std::max(0, m_outputBox->currentIndex());
    if (!m_player->Play(WizardSample(), outputDevice())) {
        m_parts.dialogs.Error(
            tr("The audio sample cannot be played with the selected playback device!\r\nPlease check if this "
               "is the playback device that you want to use and all its drivers are properly installed."));
        StopSample();
        return;
    }
    m_play->setEnabled(false);
    m_outputBox->setEnabled(false);
    m_stopPlay->setEnabled(true);
}

void TfrmAudioWizard::StopSample() {
    if (m_player->Playing()) {
        m_player->Stop();
        if (m_parts.saveSettings)
            m_parts.saveSettings();
    }
    m_stopPlay->setEnabled(false);
    m_play->setEnabled(m_outputBox->count() > 1);
    m_playing->hide();
    m_outputBox->setEnabled(true);
}

void TfrmAudioWizard::StartTest() {
    if (m_loopback->Running())
        return;
    try {
        HourGlass wait;
        if (!m_loopback->Start(m_parts.codec, inputDevice(), outputDevice()))
            return; // the room's codec is missing: the test stays stopped
    } catch (const EACMIn& e) {
        m_parts.dialogs.Error(e.Message());
        return;
    } catch (const std::exception& e) {
        qWarning("wizard: the microphone test did not start: %s", e.what());
        return;
    }
    m_startTest->setEnabled(false);
    m_stopTest->setEnabled(true);
    m_inputBox->setEnabled(false);
}

void TfrmAudioWizard::StopTest() {
    if (m_loopback->Running()) {
        HourGlass wait;
        m_loopback->Stop();
    }
    m_stopTest->setEnabled(false);
    m_startTest->setEnabled(m_inputBox->count() > 1);
    m_inputBox->setEnabled(true);
    m_meter->setValue(0);
}

void TfrmAudioWizard::done(int result) {
    StopSample();
    StopTest();
    if (m_parts.saveSettings)
        m_parts.saveSettings();
    QDialog::done(result);
}

} // namespace orv
